#pragma once
// The baselines of the Set benchmarks: the five files of a Set read and
// written with plain stream calls, nothing checked, decoded or encoded.

#include <string>
#include <vector>

#include "storage/bytes.h"

namespace tolvane::bench {

// The bytes of setPath + each of the five extensions, in kind order.
std::vector<Bytes> ReadSetFilesPlain(const std::string& setPath);
// Writes files[k] to setPath + the extension of kind k, truncating.
void WriteSetFilesPlain(const std::string& setPath, const std::vector<Bytes>& files);

}  // namespace tolvane::bench
