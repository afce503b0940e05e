#include "details/arrangement_details.h"

#include "arrangements/arrangement_calls.h"
#include "arrangements/arrangement_duplicates.h"
#include "arrangements/arrangement_references.h"
#include "sets/workspace.h"
#include "storage/tables.h"
#include "storage/text.h"
#include "styles/style_accessors.h"

namespace tolvane {

namespace {

using C = ArrangementControl;

constexpr std::size_t kStart = 12, kTempo = 14, kKbdAss = 15, kSplitKey = 16, kTranspose = 18;
constexpr std::size_t kSwitches = 20, kChordByte = 21, kDrumMaps = 22, kAfterFill1 = 30, kAfterFill2 = 32;
constexpr int kTempoOffset = 30, kLowestNote = 36, kDefaultSplit = 24;

// The check boxes: byte and bit.
struct Switch {
  C control;
  std::size_t byte;
  int bit;
};
constexpr std::array<Switch, 7> kSwitchBits{{{C::DynamicBacking, kSwitches, 0},
                                             {C::TempoLock, kSwitches, 1},
                                             {C::Kbd1Damp, kSwitches, 2},
                                             {C::Kbd2Damp, kSwitches, 3},
                                             {C::BassInversion, kChordByte, 2},
                                             {C::ChordHold, kChordByte, 3},
                                             {C::ChordLatch, kChordByte, 4}}};
constexpr std::array<C, 4> kDrumMapControls{C::Var1, C::Var2, C::Var3, C::Var4};

bool IsSwitch(C c) {
  for (const Switch& s : kSwitchBits)
    if (s.control == c) return true;
  return false;
}

std::vector<std::string> Texts(std::initializer_list<const char*> texts) { return {texts.begin(), texts.end()}; }

template <std::size_t N>
std::vector<std::string> Texts(const std::array<std::string_view, N>& table) {
  return {table.begin(), table.end()};
}

std::vector<std::string> SplitKeys() {
  std::vector<std::string> keys;
  for (int octave = 2; octave <= 6; ++octave)
    for (std::string_view note : kNoteNames) keys.push_back(std::string(note) + std::to_string(octave));
  keys.push_back(std::string(kNoteNames[0]) + "7");
  return keys;
}

std::string CalledStyleText(const Workspace& ws, int d, int style) {
  return StyleLabel(style) + " " + StyleName(ws.presets, ws.Stores(d).styles, style);
}

}  // namespace

std::vector<std::string> ArrangementDetails::Entries(ArrangementControl control) {
  switch (control) {
    case C::Start: return Texts({"VAR 1", "VAR 2", "VAR 3", "VAR 4", "INTRO 1", "INTRO 2", "FILL 1", "FILL 2"});
    case C::KbdAss: return Texts(kKeyboardModes);
    case C::SplitKey: return SplitKeys();
    case C::ChordScan: return Texts(kFourLevelNames);
    case C::Var1: case C::Var2: case C::Var3: case C::Var4:
      return Texts({"1", "2", "3", "4", "5", "6", "7", "8"});
    case C::AfterFill1: case C::AfterFill2:
      return Texts({"OFF", "=>1", "=>2", "=>3", "=>4", "1<=>2", "1<=>3", "1<=>4", "2<=>3", "2<=>4", "3<=>4", "UP",
                    "DOWN"});
    default: return {};
  }
}

std::optional<ArrangementDetails> ArrangementDetails::Open(Workspace& ws, int d, int n) {
  if (!ws.InUse(d) || CheckArrangementNumber(n) < 0 || IsArrangementEmpty(ws.Stores(d).arrangements, n)) return {};
  ArrangementDetails details(ws, d, n);
  if (!RunGuarded(ws, kArrangement, [&] { details.Load(); })) return {};
  return details;
}

void ArrangementDetails::Load() {
  work_ = ws_->Stores(d_).arrangements.records.at(static_cast<std::size_t>(n_));
  const auto& b = work_.bytes;
  caption_ = "Arrangement " + ArrangementLabel(n_) + " in " + ws_->Slot(d_).name;
  name_ = NameField(work_.Name());

  auto list = [&](C c, int stored, int fallback = 0) {
    values_[Index(c)] = ListPosition(stored, static_cast<int>(Entries(c).size()), fallback);
  };
  list(C::Start, b[kStart]);
  const int tempo = b[kTempo] + kTempoOffset;
  values_[Index(C::Tempo)] = tempo >= 40 && tempo <= 240 ? tempo : 120;
  list(C::KbdAss, b[kKbdAss]);
  for (const Switch& s : kSwitchBits) values_[Index(s.control)] = (b[s.byte] >> s.bit) & 1;
  values_[Index(C::ChordScan)] = b[kChordByte] & 3;
  const int transpose = static_cast<std::int8_t>(b[kTranspose]);
  values_[Index(C::Transpose)] = transpose >= -11 && transpose <= 11 ? transpose : 0;
  list(C::SplitKey, b[kSplitKey] - kLowestNote, kDefaultSplit);
  for (std::size_t v = 0; v < kDrumMapControls.size(); ++v) list(kDrumMapControls[v], b[kDrumMaps + v]);
  list(C::AfterFill1, GetI16(b, kAfterFill1));
  list(C::AfterFill2, GetI16(b, kAfterFill2));

  std::vector<int> calls;
  calls.reserve(kArrangementTracks);
  for (int t = 0; t < kArrangementTracks; ++t) calls.push_back(work_.TrackProgram(t));
  programs_ = MakeTrackLines(*ws_, d_, {kArrangementTrackNames.begin(), kArrangementTrackNames.end()}, calls);
  style_ = work_.StyleNumber();
  styleText_ = CalledStyleText(*ws_, d_, style_);
  ArrangementReferences(*ws_, d_, n_, &calledBy_);
  changed_ = false;
}

void ArrangementDetails::TypeName(std::string_view text) {
  name_.Type(text);
  changed_ = true;
}

void ArrangementDetails::Set(ArrangementControl control, int value) {
  int& v = values_[Index(control)];
  if (control == C::Tempo) {
    v = value >= 40 && value <= 240 ? value : 120;
  } else if (control == C::Transpose) {
    v = value >= -11 && value <= 11 ? value : 0;
  } else if (IsSwitch(control)) {
    v = value != 0 ? 1 : 0;
  } else {
    if (value < 0 || value >= static_cast<int>(Entries(control).size())) return;
    v = value;
  }
  changed_ = true;
}

bool ArrangementDetails::ChooseStyle() {
  const int chosen = ws_->ui.SelectStyle(d_, style_, "Select a Style");
  if (chosen == -1 || chosen == style_) return false;
  style_ = chosen;
  styleText_ = CalledStyleText(*ws_, d_, style_);
  changed_ = true;
  return true;
}

bool ArrangementDetails::ChooseProgram(int track) {
  if (track < 0 || track >= static_cast<int>(programs_.size())) return false;
  if (!ChooseTrackProgram(*ws_, d_, programs_[static_cast<std::size_t>(track)])) return false;
  changed_ = true;
  return true;
}

void ArrangementDetails::WriteInto(ArrangementRecord& r) const {
  auto& b = r.bytes;
  auto value = [&](C c) { return values_[Index(c)]; };
  r.SetName(name_.Stored());
  r.SetStyleNumber(static_cast<std::int16_t>(style_));
  b[kStart] = static_cast<std::uint8_t>(value(C::Start));
  b[kTempo] = static_cast<std::uint8_t>(value(C::Tempo) - kTempoOffset);
  b[kKbdAss] = static_cast<std::uint8_t>(value(C::KbdAss));
  for (const Switch& s : kSwitchBits) {
    const auto mask = static_cast<std::uint8_t>(1 << s.bit);
    b[s.byte] = static_cast<std::uint8_t>(value(s.control) != 0 ? b[s.byte] | mask : b[s.byte] & ~mask);
  }
  b[kChordByte] = static_cast<std::uint8_t>((b[kChordByte] & ~3) | value(C::ChordScan));
  b[kTranspose] = static_cast<std::uint8_t>(value(C::Transpose) & 0xFF);
  b[kSplitKey] = static_cast<std::uint8_t>(value(C::SplitKey) + kLowestNote);
  for (std::size_t v = 0; v < kDrumMapControls.size(); ++v)
    b[kDrumMaps + v] = static_cast<std::uint8_t>(value(kDrumMapControls[v]));
  PutI16(b, kAfterFill1, static_cast<std::int16_t>(value(C::AfterFill1)));
  PutI16(b, kAfterFill2, static_cast<std::int16_t>(value(C::AfterFill2)));
  for (int t = 0; t < kArrangementTracks; ++t) {
    const int program = programs_.at(static_cast<std::size_t>(t)).program;
    if (r.TrackProgram(t) != program) r.SetTrackProgram(t, static_cast<std::int16_t>(program));
  }
}

bool ArrangementDetails::Apply() {
  if (!changed_) return false;
  bool written = false;
  const bool ran = RunGuarded(*ws_, kArrangement, [&] {
    if (!ReleaseBeforeEmptying(*ws_, d_, name_, [&] { return AskRedirectArrangementReferences(*ws_, d_, n_); }))
      return;
    ArrangementRecord r = work_;
    WriteInto(r);
    ws_->Stores(d_).arrangements.records.at(static_cast<std::size_t>(n_)) = r;
    ws_->MarkModified(d_, kArrangement);
    ws_->view.RefreshKind(d_, kArrangement);
    CheckArrangementDuplicateNames(*ws_, d_);
    written = true;
  });
  return ran && written;
}

}  // namespace tolvane
