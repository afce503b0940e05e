#include "reports/report_text.h"

#include <algorithm>

#include "storage/text.h"

namespace tolvane {

std::string RuleLine() { return std::string(kReportWidth, '_'); }

std::string ShownName(std::string_view name) {
  std::string shown(name);
  std::replace(shown.begin(), shown.end(), '\0', ' ');
  return shown;
}

std::string NameColumn(std::string_view name) { return PadOrCut(ShownName(name), kNameWidth); }

}  // namespace tolvane
