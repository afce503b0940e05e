#pragma once
// An unexpected failure inside an edit (memory running out, a broken
// invariant) must not leave a Set half changed: the edit runs against a
// copy of everything it may touch, which is put back when it fails.

#include <functional>

namespace tolvane {

class Workspace;

// Runs `edit`. When it throws, every open Set, its modified flags and the
// edit records are as they were before, the edit error of kind `kind` is
// shown, and the result is false.
bool RunGuarded(Workspace& ws, int kind, const std::function<void()>& edit);

}  // namespace tolvane
