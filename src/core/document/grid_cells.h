#pragma once
// What the bank grids and the sequence lists of a document window show: the
// text of every cell and line and the colour of its text. The editor paints
// what these return and decides nothing itself.

#include <array>
#include <cstdint>
#include <string>

#include "sequences/sequence_data.h"

namespace tolvane {

class Workspace;

// A text or background colour. `systemDisabled` stands for the platform's
// disabled-text colour, which only the editor can name.
struct CellColour {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  bool systemDisabled = false;
  constexpr bool operator==(const CellColour&) const = default;
};

inline constexpr CellColour kUncalledText{0, 0, 255};  // also every empty slot
inline constexpr CellColour kCalledText{255, 0, 0};
inline constexpr CellColour kPlainText{0, 0, 0};  // "HighCall" off
inline constexpr CellColour kPresetText{0, 128, 127};
inline constexpr CellColour kCalledPresetText{128, 0, 0};
inline constexpr CellColour kPresetPlainText{0, 0, 0, true};

inline constexpr CellColour kArrangementGridBackground{224, 255, 224};
inline constexpr CellColour kStyleGridBackground{255, 224, 255};

struct GridCell {
  std::string text;  // 8-bit, as the names are stored
  CellColour colour;
  bool operator==(const GridCell&) const = default;
};

// The cell of each grid showing the item of that number in Set d. Called
// items are marked only while the "HighCall" preference is 1.
GridCell ArrangementCell(const Workspace& ws, int d, int number);
GridCell StyleCell(const Workspace& ws, int d, int number);
GridCell ProgramCell(const Workspace& ws, int d, int number);

// The progress window of a program grid fill that looks for callers.
inline const std::string kProgramCallsCaption = "Checking Program Calls...";
inline const std::string kProgramCallsNote =
    std::string("If this delay is intolerable, you can disable the") + "'Highlight called Items' checkbox in 'Options' menu";

// The free-event column: the free events of Block `block` (0 to 7).
inline const std::string kFreeEventsHeading = "      Events  ...used          free";
std::string FreeEventsCell(const Workspace& ws, int d, int block);

// Lines of the backing-sequence and song lists, item 0 to 9:
// "BSeq 0: " + name padded to 16 + " :" + 4 x size right-aligned in 5.
std::string BackingSequenceLine(const Workspace& ws, int d, int index);
std::string SongLine(const Workspace& ws, int d, int index);

// "####0": no separator, at least one digit, a minus sign when negative.
std::string FormatFigure(int value);
// The event-memory labels in the order BackSeqs, Songs, Patterns, Total,
// Free; each figure is shown as 4 x its value.
std::array<std::string, 5> EventFigureTexts(const EventMemory& figures);
std::array<std::string, 5> EventFigureTexts(const Workspace& ws, int d);

}  // namespace tolvane
