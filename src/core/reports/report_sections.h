#pragma once
// The sections of a Set report that list names: user Arrangements, Programs
// and Styles four to a line, Backing Sequences and Songs five to a line.

#include <string>

namespace tolvane {

struct SetStores;

// The frame every section shares: CR LF, title + Set name, a blank line ...
std::string SectionStart(const std::string& title, const std::string& setName);
// ... and the closing line of underscores.
std::string SectionEnd();

std::string UserArrangementsSection(const SetStores& s, const std::string& setName);
// 64 Programs and the 2 drum kits: the last line holds the kits and has no
// line end of its own, so the closing underscores follow on that line.
std::string UserProgramsSection(const SetStores& s, const std::string& setName);
std::string UserStylesSection(const SetStores& s, const std::string& setName);
std::string BackingSequencesSection(const SetStores& s, const std::string& setName);
std::string SongsSection(const SetStores& s, const std::string& setName);

}  // namespace tolvane
