#include "document/grid_cells.h"

#include "arrangements/arrangement_calls.h"
#include "programs/program_calls.h"
#include "programs/program_numbers.h"
#include "storage/text.h"
#include "sets/workspace.h"
#include "styles/style_accessors.h"
#include "styles/style_calls.h"

namespace tolvane {

namespace {

constexpr std::size_t kCellNameWidth = 16;

bool Highlighting(const Workspace& ws) { return ws.prefs.highCall == 1; }

// The colour rule shared by the three grids; `called` is asked only when the
// answer matters, because finding callers scans the whole Set.
template <class Called>
CellColour TextColour(const Workspace& ws, bool empty, bool preset, Called&& called) {
  if (empty) return kUncalledText;
  if (!Highlighting(ws)) return preset ? kPresetPlainText : kPlainText;
  if (called()) return preset ? kCalledPresetText : kCalledText;
  return preset ? kPresetText : kUncalledText;
}

bool IsBlank(const std::string& name) { return TrimBlanks(name).empty(); }

std::string RightAligned(const std::string& s, std::size_t width) {
  return s.size() >= width ? s : std::string(width - s.size(), ' ') + s;
}

template <class Data>
std::string SequenceLine(const std::string& prefix, const Data& data, int index) {
  if (index < 0 || index >= kSequenceItemCount) return {};
  const auto i = static_cast<std::size_t>(index);
  return prefix + " " + std::to_string(index) + ": " + PadOrCut(data.records[i].Name(), kCellNameWidth) + " :" +
         RightAligned(std::to_string(4 * static_cast<int>(data.itemSizes[i])), 5);
}

}  // namespace

GridCell ArrangementCell(const Workspace& ws, int d, int number) {
  const auto& arrangements = ws.Stores(d).arrangements;
  const std::string name = ArrangementName(arrangements, number);
  GridCell cell;
  cell.text = ArrangementLabel(number) + " " + PadOrCut(name, kCellNameWidth);
  const bool empty = name.empty() || name == kBlankName;
  if (!empty) {
    const int style = arrangements.records[static_cast<std::size_t>(number)].StyleNumber();
    cell.text += " (" + StyleLabel(style) + ")";
    if (UserIndexOfStyle(style) >= 0) cell.text += "U";
  }
  cell.colour = TextColour(ws, empty, false, [&] { return ArrangementReferences(ws, d, number) != 0; });
  return cell;
}

GridCell StyleCell(const Workspace& ws, int d, int number) {
  const auto& styles = ws.Stores(d).styles;
  const std::string name = StyleName(ws.presets, styles, number);
  const int user = UserIndexOfStyle(number);
  GridCell cell;
  cell.text = StyleLabel(number) + " " + PadOrCut(name, kCellNameWidth);
  if (user >= 0) cell.text += ":" + std::to_string(StyleEventCount(styles, user));
  const bool preset = user < 0;
  cell.colour = TextColour(ws, IsBlank(name), preset, [&] { return FindStyleCallers(ws, d, number) > 0; });
  return cell;
}

GridCell ProgramCell(const Workspace& ws, int d, int number) {
  const std::string name = ProgramName(ws.presets, ws.Stores(d).programs, number);
  GridCell cell;
  cell.text = ProgramLabel(number) + " " + name;
  const bool preset = UserIndexOfProgram(number) < 0;
  cell.colour = TextColour(ws, IsBlank(name), preset, [&] { return FindProgramCallers(ws, d, number) > 0; });
  return cell;
}

std::string FreeEventsCell(const Workspace& ws, int d, int block) {
  if (block < 0 || block >= kStyleBlockCount) return {};
  return std::to_string(BlockFreeEvents(ws.Stores(d).styles, block * kStylesPerBlock));
}

std::string BackingSequenceLine(const Workspace& ws, int d, int index) {
  return SequenceLine("BSeq", ws.Stores(d).backingSequences, index);
}

std::string SongLine(const Workspace& ws, int d, int index) { return SequenceLine("Song", ws.Stores(d).songs, index); }

std::string FormatFigure(int value) { return std::to_string(value); }

std::array<std::string, 5> EventFigureTexts(const EventMemory& figures) {
  return {"BackSeqs: " + FormatFigure(4 * figures.backSeqs), "Songs: " + FormatFigure(4 * figures.songs),
          "Patterns: " + FormatFigure(4 * figures.patterns), "Total: " + FormatFigure(4 * figures.total),
          "Free: " + FormatFigure(4 * figures.free)};
}

std::array<std::string, 5> EventFigureTexts(const Workspace& ws, int d) {
  const SetStores& s = ws.Stores(d);
  return EventFigureTexts(EventMemoryFigures(s.backingSequences, s.songs));
}

}  // namespace tolvane
