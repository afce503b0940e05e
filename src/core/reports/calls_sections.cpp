#include "reports/calls_sections.h"

#include "arrangements/arrangement_calls.h"
#include "programs/program_calls.h"
#include "programs/program_data.h"
#include "programs/program_numbers.h"
#include "reports/report_sections.h"
#include "reports/report_text.h"
#include "sets/workspace.h"
#include "styles/style_accessors.h"
#include "styles/style_calls.h"

namespace tolvane {

std::string CallerLines(const std::string& label, const std::vector<std::string>& callers) {
  if (callers.empty()) return {};
  std::string text;
  std::string line = label + ": " + callers[0];
  for (std::size_t k = 1; k < callers.size(); ++k) {
    line += ", ";
    if (k % 11 == 10) {
      text += line + std::string(kCrLf) + "     ";
      line.clear();
    }
    line += callers[k];
  }
  return text + line + std::string(kCrLf);
}

std::string ProgramCallsSection(const Workspace& ws, int d, const std::string& setName,
                                const std::function<void()>& examined) {
  std::string text = SectionStart("CALLS to User PROGRAMS in ", setName);
  std::vector<ProgramCaller> callers;
  std::vector<std::string> items;
  for (int u = 0; u < kUserItemCount; ++u) {
    callers.clear();
    items.clear();
    FindProgramCallers(ws, d, UserProgramNumber(u), &callers);
    for (const ProgramCaller& c : callers) items.push_back(c.item);
    text += CallerLines(UserProgramLabel(u), items);
    if (examined) examined();
  }
  return text + SectionEnd();
}

std::string StyleCallsSection(const Workspace& ws, int d, const std::string& setName) {
  std::string text = SectionStart("CALLS to User STYLES in ", setName);
  std::vector<std::string> callers;
  for (int i = 0; i < kUserStyleCount; ++i) {
    callers.clear();
    FindStyleCallers(ws, d, UserStyleNumber(i), &callers);
    text += CallerLines(UserStyleLabel(i), callers);
  }
  return text + SectionEnd();
}

std::string ArrangementCallsSection(const Workspace& ws, int d, const std::string& setName) {
  std::string text = SectionStart("CALLS to User ARRANGEMENTS in ", setName);
  std::vector<std::string> callers;
  bool anyCalled = false;
  for (int n = 0; n < kArrangementCount; ++n) {
    callers.clear();
    ArrangementReferences(ws, d, n, &callers);
    anyCalled = anyCalled || !callers.empty();
    text += CallerLines(ArrangementLabel(n), callers);
  }
  if (!anyCalled) text += "None" + std::string(kCrLf);
  return text + SectionEnd();
}

}  // namespace tolvane
