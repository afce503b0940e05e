#include "report_commands.h"

#include <ostream>

#include "commands.h"
#include "open_for_cli.h"
#include "reports/set_report.h"
#include "reports/subset_report.h"
#include "sets/set_files.h"

namespace tolvane {

int ReportCommand(CliContext& cx, const std::string& set, const std::string& date) {
  const int d = OpenForCli(cx, set);
  if (d == 0) return 2;
  const std::string text = BuildSetReport(cx.ws, d, date);
  UnloadDocument(cx.ws, d);
  cx.out.write(text.data(), static_cast<std::streamsize>(text.size()));
  return 0;
}

int SubsetCommand(CliContext& cx, int kind, const std::vector<std::string>& sets) {
  int status = 0;
  cx.out << SubsetHeaderRow(kind);
  for (const std::string& set : sets) {
    const int d = OpenForCli(cx, set);
    if (d == 0) {
      status = 2;
      continue;
    }
    cx.out << SubsetDataRows(cx.ws, d, kind, DocumentCaption(cx.ws.Slot(d)));
    UnloadDocument(cx.ws, d);
  }
  cx.out.flush();
  return status;
}

}  // namespace tolvane
