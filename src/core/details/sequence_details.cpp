#include "details/sequence_details.h"

#include "sets/workspace.h"
#include "storage/tables.h"
#include "storage/text.h"
#include "styles/style_accessors.h"

namespace tolvane {

namespace {

constexpr std::size_t kBsqNext = 44, kBsqFlags = 45, kSongNext = 52;
constexpr std::uint8_t kAutoStartBit = 1, kChainBit = 2;

std::string ShownNext(std::uint8_t stored) { return stored <= 9 ? std::to_string(stored) : "0"; }

// What the next box holds: one digit, or nothing for 0.
bool IsNextText(std::string_view text) { return text.empty() || (text.size() == 1 && text[0] >= '0' && text[0] <= '9'); }

std::uint8_t NextValue(std::string_view text) { return static_cast<std::uint8_t>(text.empty() ? 0 : text[0] - '0'); }

std::uint8_t WithBit(std::uint8_t byte, std::uint8_t bit, bool on) {
  return static_cast<std::uint8_t>(on ? byte | bit : byte & ~bit);
}

template <std::size_t N>
std::vector<std::string_view> Names(const std::array<std::string_view, N>& table) {
  return {table.begin(), table.end()};
}

}  // namespace

std::optional<SequenceDetails> SequenceDetails::OpenBackingSequence(Workspace& ws, int d, int i) {
  if (!ws.InUse(d) || i < 0 || i >= kSequenceItemCount) return {};
  SequenceDetails details(ws, d, i, kBackingSequence);
  if (!RunGuarded(ws, kBackingSequence, [&] { details.Load(); })) return {};
  return details;
}

std::optional<SequenceDetails> SequenceDetails::OpenSong(Workspace& ws, int d, int i) {
  if (!ws.InUse(d) || i < 0 || i >= kSequenceItemCount) return {};
  SequenceDetails details(ws, d, i, kSong);
  if (!RunGuarded(ws, kSong, [&] { details.Load(); })) return {};
  return details;
}

void SequenceDetails::Load() {
  const SetStores& set = ws_->Stores(d_);
  const auto at = static_cast<std::size_t>(i_);
  std::vector<int> calls;
  if (HasLinks()) {
    const BackingSequenceRecord& r = set.backingSequences.records.at(at);
    caption_ = "Backing Sequence ";
    name_ = NameField(r.Name());
    arrangement_ = r.Arrangement();
    style_ = r.Style();
    arrangementText_ = ArrangementLabel(arrangement_) + " " + ArrangementName(set.arrangements, arrangement_);
    styleText_ = StyleLabel(style_) + " " + StyleName(ws_->presets, set.styles, style_);
    chain_ = (r.bytes[kBsqFlags] & kChainBit) != 0;
    autoStart_ = (r.bytes[kBsqFlags] & kAutoStartBit) != 0;
    next_ = ShownNext(r.bytes[kBsqNext]);
    for (int t = 0; t < kBackingSequenceTracks; ++t) calls.push_back(r.TrackProgram(t));
    programs_ = MakeTrackLines(*ws_, d_, Names(kBackingSequenceTrackNames), calls);
  } else {
    const SongRecord& r = set.songs.records.at(at);
    caption_ = "Song ";
    name_ = NameField(r.Name());
    next_ = ShownNext(r.bytes[kSongNext]);
    for (int t = 0; t < kSongTracks; ++t) calls.push_back(r.TrackProgram(t));
    programs_ = MakeTrackLines(*ws_, d_, Names(kSongTrackNames), calls);
  }
  caption_ += std::to_string(i_) + " in " + ws_->Slot(d_).name;
  changed_ = false;
}

void SequenceDetails::TypeName(std::string_view text) {
  name_.Type(text);
  changed_ = true;
}

bool SequenceDetails::TypeNext(std::string_view text) {
  if (!IsNextText(text)) return false;
  next_ = std::string(text);
  nextTyped_ = true;
  changed_ = true;
  return true;
}

void SequenceDetails::SetChain(bool on) {
  chain_ = on;
  changed_ = true;
}

void SequenceDetails::SetAutoStart(bool on) {
  autoStart_ = on;
  changed_ = true;
}

bool SequenceDetails::ChooseArrangement() {
  if (!HasLinks()) return false;
  const int chosen = ws_->ui.SelectArrangement(d_, arrangement_, "Select an Arrangement");
  if (chosen == -1 || chosen == arrangement_) return false;
  arrangement_ = chosen;
  arrangementText_ = ArrangementLabel(chosen) + " " + ArrangementName(ws_->Stores(d_).arrangements, chosen);
  changed_ = true;
  return true;
}

bool SequenceDetails::ChooseStyle() {
  if (!HasLinks()) return false;
  const int chosen = ws_->ui.SelectStyle(d_, style_, "Select a Style");
  if (chosen == -1 || chosen == style_) return false;
  style_ = chosen;
  styleText_ = StyleLabel(chosen) + " " + StyleName(ws_->presets, ws_->Stores(d_).styles, chosen);
  changed_ = true;
  return true;
}

bool SequenceDetails::ChooseProgram(int track) {
  if (track < 0 || track >= static_cast<int>(programs_.size())) return false;
  if (!ChooseTrackProgram(*ws_, d_, programs_[static_cast<std::size_t>(track)])) return false;
  changed_ = true;
  return true;
}

void SequenceDetails::WriteBackingSequence() const {
  auto& stored = ws_->Stores(d_).backingSequences.records.at(static_cast<std::size_t>(i_));
  BackingSequenceRecord r = stored;
  r.SetName(name_.Stored());
  r.SetArrangement(static_cast<std::int16_t>(arrangement_));
  r.SetStyle(static_cast<std::int16_t>(style_));
  for (int t = 0; t < kBackingSequenceTracks; ++t) r.SetTrackProgram(t, static_cast<std::int16_t>(programs_.at(static_cast<std::size_t>(t)).program));
  r.bytes[kBsqFlags] = WithBit(WithBit(r.bytes[kBsqFlags], kChainBit, chain_), kAutoStartBit, autoStart_);
  if (nextTyped_) r.bytes[kBsqNext] = NextValue(next_);
  stored = r;
}

void SequenceDetails::WriteSong() const {
  auto& stored = ws_->Stores(d_).songs.records.at(static_cast<std::size_t>(i_));
  SongRecord r = stored;
  r.SetName(name_.Stored());
  // A track whose stored code names no Program keeps its bytes unless another was chosen.
  for (int t = 0; t < kSongTracks; ++t) {
    const int program = programs_.at(static_cast<std::size_t>(t)).program;
    if (r.TrackProgram(t) != program) r.SetTrackProgram(t, program);
  }
  if (nextTyped_) r.bytes[kSongNext] = NextValue(next_);
  stored = r;
}

bool SequenceDetails::Apply() {
  if (!changed_) return false;
  return RunGuarded(*ws_, kind_, [&] {
    if (HasLinks()) WriteBackingSequence();
    else WriteSong();
    ws_->MarkModified(d_, kind_);
    ws_->view.RefreshKind(d_, kind_);
  });
}

}  // namespace tolvane
