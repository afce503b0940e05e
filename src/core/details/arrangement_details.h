#pragma once
// FParArr: one Arrangement's name, calls and performance parameters, edited
// on a working copy and written back on "&OK" after a change.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "arrangements/arrangement_data.h"
#include "details/detail_lines.h"

namespace tolvane {

class Workspace;

// The lists, check boxes and number boxes of the dialog, by what they edit.
enum class ArrangementControl {
  Start,          // "Initial Variation": byte 12
  Tempo,          // 40 to 240: byte 14 + 30
  KbdAss,         // byte 15
  SplitKey,       // 61 notes from C 2: byte 16 - 36
  Transpose,      // -11 to 11: byte 18, signed
  DynamicBacking, // byte 20, bits 0 to 3
  TempoLock,
  Kbd1Damp,
  Kbd2Damp,
  ChordScan,      // byte 21, bits 0 and 1
  BassInversion,  // byte 21, bits 2 to 4
  ChordHold,
  ChordLatch,
  Var1,           // bytes 22 to 25
  Var2,
  Var3,
  Var4,
  AfterFill1,     // 16-bit values at 30 and 32
  AfterFill2,
};
inline constexpr int kArrangementControlCount = 19;

class ArrangementDetails {
 public:
  // Nothing opens for an empty slot or a number outside 0 to 63.
  static std::optional<ArrangementDetails> Open(Workspace& ws, int d, int n);

  // The entries of a list control; empty for the check boxes and number boxes.
  static std::vector<std::string> Entries(ArrangementControl control);

  const std::string& Caption() const { return caption_; }
  const std::string& Name() const { return name_.Shown(); }
  const std::string& StyleText() const { return styleText_; }
  const std::vector<TrackLine>& Programs() const { return programs_; }
  const std::vector<std::string>& CalledBy() const { return calledBy_; }
  // List position, 0 or 1 for a check box, or the number shown.
  int Value(ArrangementControl control) const { return values_[Index(control)]; }
  bool Changed() const { return changed_; }

  void TypeName(std::string_view text);
  // Out-of-range tempos show 120, transposes 0; lists take valid positions only.
  void Set(ArrangementControl control, int value);
  // The double clicks: true when another item was chosen.
  bool ChooseStyle();
  bool ChooseProgram(int track);
  void Cancel() { changed_ = false; }
  // With the change mark set: writes the dialog's fields into the Arrangement
  // and runs the duplicate-name check. A cleared name of an Arrangement that
  // Backing Sequences call asks the release question first; Cancel there
  // writes nothing. True when the Arrangement was written.
  bool Apply();

 private:
  ArrangementDetails(Workspace& ws, int d, int n) : ws_(&ws), d_(d), n_(n) {}
  static std::size_t Index(ArrangementControl c) { return static_cast<std::size_t>(c); }
  void Load();
  void WriteInto(ArrangementRecord& r) const;

  Workspace* ws_;
  int d_, n_;
  ArrangementRecord work_;
  NameField name_;
  std::string caption_, styleText_;
  int style_ = -1;
  std::vector<TrackLine> programs_;
  std::vector<std::string> calledBy_;
  std::array<int, kArrangementControlCount> values_{};
  bool changed_ = false;
};

}  // namespace tolvane
