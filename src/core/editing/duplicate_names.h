#pragma once
// The duplicate-name warnings shared by the kinds: at most three pair
// messages, then one summary message that ends the scan.

#include <string>
#include <utility>

namespace tolvane {

class Workspace;

class DuplicateNameReport {
 public:
  // kindName: "Arrangement", "Style", "Program".
  DuplicateNameReport(Workspace& ws, std::string kindName) : ws_(ws), kindName_(std::move(kindName)) {}

  // Reports items labelled first and second sharing the trimmed name. False
  // when the scan must stop (the summary message has been shown).
  bool Pair(const std::string& first, const std::string& second, const std::string& trimmedName);
  bool Found() const { return found_; }

 private:
  Workspace& ws_;
  std::string kindName_;
  int allowance_ = 4;
  bool found_ = false;
};

// Whether the "WarnDupl" preference asks for the checks.
bool DuplicateWarningsOn(const Workspace& ws);

// The checks run after an existing Set has been opened.
void CheckSetDuplicateNames(Workspace& ws, int d);

}  // namespace tolvane
