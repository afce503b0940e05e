#pragma once
// How messages name an open Set.

#include <string>

namespace tolvane {

class Workspace;

// The Set's caption; when another open Set has the same caption, followed by
// " in " and its folder, so that a question says which of them it means.
std::string SetNameInMessages(const Workspace& ws, int d);

}  // namespace tolvane
