#pragma once
// FParBsq and FParSng: a Backing Sequence's or a Song's name, calls and
// chaining, edited in the dialog and written back on "&OK" after a change.

#include <optional>
#include <string>
#include <vector>

#include "details/detail_lines.h"
#include "sequences/sequence_data.h"
#include "storage/tables.h"

namespace tolvane {

class Workspace;

class SequenceDetails {
 public:
  // Item i (0 to 9) of Set d; nothing opens for another number.
  static std::optional<SequenceDetails> OpenBackingSequence(Workspace& ws, int d, int i);
  static std::optional<SequenceDetails> OpenSong(Workspace& ws, int d, int i);

  // kBackingSequence or kSong.
  int Kind() const { return kind_; }
  // Only a Backing Sequence calls an Arrangement and a Style and has the
  // chaining boxes; a Song's are hidden.
  bool HasLinks() const { return kind_ == kBackingSequence; }
  const std::string& Caption() const { return caption_; }
  const std::string& Name() const { return name_.Shown(); }
  const std::string& ArrangementText() const { return arrangementText_; }
  const std::string& StyleText() const { return styleText_; }
  const std::vector<TrackLine>& Programs() const { return programs_; }
  bool Chain() const { return chain_; }
  bool AutoStart() const { return autoStart_; }
  const std::string& NextText() const { return next_; }
  // "AutoStart" and the next box follow "Chain to next BSeq"; a Song has no
  // chaining boxes, so its next box stays enabled.
  bool ChainControlsEnabled() const { return !HasLinks() || chain_; }
  bool Changed() const { return changed_; }

  void TypeName(std::string_view text);
  // The next box takes one digit (or nothing, which stores 0); anything else
  // is refused and the box keeps its text. A stored next item outside 0 to 9
  // shows as "0" and is kept unless the box is typed in.
  bool TypeNext(std::string_view text);
  void SetChain(bool on);
  void SetAutoStart(bool on);
  // The double clicks: true when another item was chosen.
  bool ChooseArrangement();
  bool ChooseStyle();
  bool ChooseProgram(int track);
  void Cancel() { changed_ = false; }
  // With the change mark set: writes the dialog's fields into the item. True
  // when the Set was changed.
  bool Apply();

 private:
  SequenceDetails(Workspace& ws, int d, int i, int kind) : ws_(&ws), d_(d), i_(i), kind_(kind) {}
  void Load();
  void WriteBackingSequence() const;
  void WriteSong() const;

  Workspace* ws_;
  int d_, i_, kind_;
  int arrangement_ = -1, style_ = -1;
  NameField name_;
  std::string caption_, arrangementText_, styleText_, next_;
  std::vector<TrackLine> programs_;
  bool chain_ = false, autoStart_ = false, nextTyped_ = false, changed_ = false;
};

}  // namespace tolvane
