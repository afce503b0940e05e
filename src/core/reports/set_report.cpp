#include "reports/set_report.h"

#include "programs/program_data.h"
#include "reports/calls_sections.h"
#include "reports/report_sections.h"
#include "reports/report_text.h"
#include "sets/workspace.h"
#include "storage/tables.h"
#include "storage/utf8_text.h"

namespace tolvane {

namespace {

// The names take one step, each user Program examined for callers another.
constexpr double kProgressSteps = 1 + kUserItemCount;

struct ProgressShown {
  UserInterface& ui;
  ~ProgressShown() { ui.HideProgress(); }
};

}  // namespace

std::string ReportCaption(const std::string& setName) { return "Report on " + setName; }

std::string SetReportHeader(const std::string& setName, const std::string& date) {
  const std::string crlf(kCrLf);
  std::string text = std::string(40, ' ') + std::string(kInstrumentName) + " Set Report" + crlf + RuleLine() + crlf +
                     crlf + setName;
  // A name too long for the line pushes the date to its right instead. The
  // date ends the line where the name's characters, not its bytes, say.
  const std::size_t used = ShownLength(setName) + date.size();
  if (used < kReportWidth) text.append(kReportWidth - used, ' ');
  return text + date + crlf + RuleLine() + crlf;
}

std::string BuildSetReport(Workspace& ws, int d, const std::string& date) {
  const std::string name = DocumentCaption(ws.Slot(d));
  const SetStores& s = ws.Stores(d);
  ProgressShown progress{ws.ui};
  ws.ui.ShowProgress(kSetReportProgressCaption, 0, kProgressSteps);
  ws.ui.PauseWithEvents(0.2);

  std::string text = SetReportHeader(name, date);
  text += UserArrangementsSection(s, name);
  text += UserProgramsSection(s, name);
  text += UserStylesSection(s, name);
  ws.ui.AdvanceProgress(1);
  text += BackingSequencesSection(s, name);
  text += SongsSection(s, name);
  text += ProgramCallsSection(ws, d, name, [&ws] { ws.ui.AdvanceProgress(1); });
  text += StyleCallsSection(ws, d, name);
  text += ArrangementCallsSection(ws, d, name);
  return text;
}

}  // namespace tolvane
