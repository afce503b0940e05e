#pragma once
// The largest Set the instrument holds: every Block full of events and the
// event memory full, with random bytes throughout.

#include "random_fill.h"
#include "sets/workspace.h"

namespace tolvane::test {

SetStores MaximalSet(Rng& rng);

}  // namespace tolvane::test
