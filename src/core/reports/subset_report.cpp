#include "reports/subset_report.h"

#include "arrangements/arrangement_data.h"
#include "programs/program_data.h"
#include "programs/program_numbers.h"
#include "reports/report_text.h"
#include "sets/workspace.h"
#include "storage/tables.h"
#include "storage/text.h"
#include "styles/style_accessors.h"

namespace tolvane {

namespace {

constexpr char kTab = '\t';

// Over the track columns: an empty field above the label, the track's name
// above the name.
std::string TrackHeadings(int tracks) {
  std::string fields;
  for (int t = 0; t < tracks; ++t)
    fields += std::string(1, kTab) + kTab + std::string(kArrangementTrackNames[static_cast<std::size_t>(t)]);
  return fields;
}

std::string ProgramFields(const Workspace& ws, const SetStores& s, int number) {
  return std::string(1, kTab) + ProgramLabel(number) + kTab + ShownName(ProgramName(ws.presets, s.programs, number));
}

// S, label, then the name and the calls, or an empty last field for an
// item whose name is blank.
std::string Row(const std::string& setName, const std::string& label, const std::string& name,
                const std::string& calls) {
  std::string row = setName + kTab + label + kTab;
  if (!TrimBlanks(name).empty()) row += name + calls;
  return row + std::string(kCrLf);
}

std::string ArrangementRows(const Workspace& ws, const SetStores& s, const std::string& setName) {
  std::string rows;
  for (int n = 0; n < kArrangementCount; ++n) {
    const ArrangementRecord& r = s.arrangements.records[static_cast<std::size_t>(n)];
    const std::string name = ShownName(r.Name());
    std::string calls;
    if (!TrimBlanks(name).empty()) {
      const int style = r.StyleNumber();
      calls = std::string(1, kTab) + StyleLabel(style) + kTab + ShownName(StyleName(ws.presets, s.styles, style));
      for (int t = 0; t < kArrangementTracks; ++t) calls += ProgramFields(ws, s, r.TrackProgram(t));
    }
    rows += Row(setName, ArrangementLabel(n), name, calls);
  }
  return rows;
}

std::string StyleRows(const Workspace& ws, const SetStores& s, const std::string& setName) {
  std::string rows;
  for (int i = 0; i < kUserStyleCount; ++i) {
    const StyleHeader& h = s.styles.headers[static_cast<std::size_t>(i)];
    const std::string name = ShownName(h.Name());
    std::string calls;
    if (!TrimBlanks(name).empty())
      for (int t = 0; t < kStyleTracks; ++t) calls += ProgramFields(ws, s, h.TrackProgram(t));
    rows += Row(setName, UserStyleLabel(i), name, calls);
  }
  return rows;
}

std::string ProgramRows(const SetStores& s, const std::string& setName) {
  std::string rows;
  for (int u = 0; u < kUserItemCount; ++u)
    rows += Row(setName, UserProgramLabel(u), ShownName(UserProgramName(s.programs, u)), "");
  return rows;
}

}  // namespace

std::string SubsetHeaderRow(int kind) {
  const std::string end(kCrLf);
  switch (kind) {
    case kArrangement: return "Set\tArr\tArr Name\tSty\tSty Name" + TrackHeadings(kArrangementTracks) + end;
    case kStyle: return "Set\tSty\tSty Name" + TrackHeadings(kStyleTracks) + end;
    case kProgram: return "Set\tPrg\tPrg Name" + end;
    default: return {};
  }
}

std::string SubsetDataRows(const Workspace& ws, int d, int kind, const std::string& setName) {
  const SetStores& s = ws.Stores(d);
  switch (kind) {
    case kArrangement: return ArrangementRows(ws, s, setName);
    case kStyle: return StyleRows(ws, s, setName);
    case kProgram: return ProgramRows(s, setName);
    default: return {};
  }
}

std::string SubsetReportText(const Workspace& ws, int d, int kind) {
  return SubsetHeaderRow(kind) + SubsetDataRows(ws, d, kind, DocumentCaption(ws.Slot(d)));
}

}  // namespace tolvane
