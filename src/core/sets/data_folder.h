#pragma once
// Where the program's data files are: the template Set, the demo Set, the
// preset names, the tips and the help pages.

#include <string>

namespace tolvane {

// The first of these folders that holds the template folder I3EMPTY:
// the executable's own folder (the build tree, a plain copy), then
// executableFolder/relativeShare (an installed tree, wherever its prefix is),
// then installedShare. None holding it gives installedShare, so that the
// template's read error names the installed place.
std::string DataFolder(const std::string& executableFolder, const std::string& relativeShare,
                       const std::string& installedShare);

// The same with the install folders this program was built for.
std::string DataFolder(const std::string& executableFolder);

}  // namespace tolvane
