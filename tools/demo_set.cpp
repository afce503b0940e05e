// The demo Set "DEMO": a small but complete Set that shows what the editor
// does. Its event bytes are filler, not music.

#include <cstdint>

#include "programs/program_numbers.h"
#include "set_makers.h"
#include "styles/style_accessors.h"

namespace tolvane::tools {

namespace {

// A fixed sequence of filler bytes, so that the demo is the same every time.
class Filler {
 public:
  std::uint8_t Next() {
    state_ = state_ * 1103515245u + 12345u;
    return static_cast<std::uint8_t>(state_ >> 16);
  }
  void Fill(std::span<std::uint8_t> out) {
    for (auto& b : out) b = Next();
  }

 private:
  std::uint32_t state_ = 0x1993;
};

struct DemoArrangement {
  int number;
  const char* name;
  int style;
  std::array<int, 8> programs;
};

// Styles: preset P11 is 0, user U11 is 48 (U23 = 48 + 6).
const DemoArrangement kArrangements[] = {
    {0, "Pop Ballad", 54, {518, 5, 320, 321, 322, 300, 323, 64}},
    {1, "Rock 8Beat", 48, {512, 6, 33, 324, 26, 27, 0, 80}},
    {2, "Swing Jazz", 49, {513, 7, 34, 40, 41, 325, 1, 81}},
    {3, "Latin Mix", 12, {514, 8, 35, 42, 43, 44, 2, 82}},
    {4, "Country", 20, {512, 9, 36, 45, 46, 47, 3, 83}},
    {5, "Waltz", 56, {515, 10, 326, 48, 49, 50, 4, 84}},
    {8, "Funk Groov", 57, {519, 11, 37, 327, 51, 52, 320, 85}},
    {9, "Bossa", 13, {513, 12, 38, 53, 54, 55, 260, 86}},
    {16, "Disco", 60, {512, 13, 39, 56, 57, 58, 261, 87}},
    {17, "March", 30, {516, 14, 32, 59, 60, 61, 262, 88}},
};

struct DemoStyle {
  int userIndex;
  const char* name;
  int events;
  std::array<int, 6> programs;
};

const DemoStyle kStyles[] = {
    {0, "Rock Beat", 3200, {512, 5, 33, 324, 26, 27}},
    {1, "Swing", 1800, {513, 6, 34, 40, 41, 325}},
    {2, "Pop Shuffl", 950, {518, 7, 35, 42, 43, 44}},
    {6, "Ballad", 4100, {518, 8, 320, 321, 322, 300}},
    {7, "Slow Rock", 2600, {512, 9, 36, 45, 46, 47}},
    {8, "Waltz", 1200, {515, 10, 326, 48, 49, 50}},
    {9, "Funk", 5400, {519, 11, 37, 327, 51, 52}},
    {12, "Disco", 7000, {512, 13, 39, 56, 57, 58}},
    {13, "Techno", 6100, {514, 14, 38, 53, 54, 55}},
    {20, "Tango", 800, {516, 12, 32, 59, 60, 61}},
};

const char* const kPrograms[] = {"Grand Pno", "Strings 1", "Warm Pad", "Brass Sect", "Syn Lead",
                                 "Nylon Gtr", "E.Piano 2", "Choir Aahs", "Organ Jazz", "Slap Bass"};

}  // namespace

SetStores MakeDemoSet() {
  SetStores set = MakeTemplateSet();
  Filler filler;

  for (const auto& a : kArrangements) {
    auto& r = set.arrangements.records[static_cast<std::size_t>(a.number)];
    filler.Fill(r.bytes);
    r.SetName(a.name);
    // The fields the editor shows get values the instrument would hold.
    r.bytes[12] = static_cast<std::uint8_t>(a.number % 4);      // initial variation
    r.bytes[14] = static_cast<std::uint8_t>(90 + a.number);     // tempo 120 and up
    r.bytes[15] = static_cast<std::uint8_t>(a.number % 4);      // keyboard assign
    r.bytes[16] = 60;                                           // split key C 4
    r.bytes[18] = static_cast<std::uint8_t>(a.number % 3 - 1);  // transpose -1 to +1
    for (int v = 0; v < 4; ++v) r.bytes[22 + static_cast<std::size_t>(v)] = static_cast<std::uint8_t>((a.number + v) % 8);
    PutI16(r.bytes, 30, static_cast<std::int16_t>(a.number % 13));
    PutI16(r.bytes, 32, static_cast<std::int16_t>((a.number + 5) % 13));
    r.SetStyleNumber(static_cast<std::int16_t>(a.style));
    for (int t = 0; t < 8; ++t) r.SetTrackProgram(t, static_cast<std::int16_t>(a.programs[static_cast<std::size_t>(t)]));
  }

  for (const auto& s : kStyles) {
    const auto i = static_cast<std::size_t>(s.userIndex);
    auto& h = set.styles.headers[i];
    filler.Fill(h.bytes);
    h.SetName(s.name);
    for (int t = 0; t < 6; ++t) h.SetTrackProgram(t, static_cast<std::int16_t>(s.programs[static_cast<std::size_t>(t)]));
    set.styles.sizes[i] = kStyleBaseSize + 4 * s.events;
    set.styles.data[i].resize(static_cast<std::size_t>(set.styles.sizes[i]) - kStyleHeaderSize);
    filler.Fill(set.styles.data[i]);
  }

  for (std::size_t u = 0; u < std::size(kPrograms); ++u) {
    auto& r = set.programs.records[u];
    filler.Fill(r.bytes);
    r.SetName(kPrograms[u]);
  }
  auto& kit = set.programs.records[64];
  filler.Fill(kit.bytes);
  kit.SetName("Demo Kit");
  filler.Fill(set.programs.drumKits[0]);

  GlobalRecord& g = set.global;
  g.bytes[GlobalRecord::kDamperPolarity] = 0;
  g.bytes[GlobalRecord::kPedal1] = 1;
  g.bytes[GlobalRecord::kPedal2] = 30;
  g.bytes[GlobalRecord::kVelocityCurve] = 4;
  g.bytes[GlobalRecord::kAftertouchCurve] = 3;
  for (int k = 0; k < 5; ++k) g.bytes[GlobalRecord::kEc5Switches + static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(6 + k);

  // Backing Sequences 0 to 2 and Songs 0 to 2 have event data; Patterns 0 to 3 too.
  std::array<std::array<int, kEventTracks>, 10> bsqTracks{};
  bsqTracks[0] = {40, 12, 0, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4};
  bsqTracks[1] = {120, 30, 16, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2};
  bsqTracks[2] = {900, 200, 64, 64, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8};
  std::array<std::array<int, kEventTracks>, 10> songTracks{};
  songTracks[0] = {60, 60, 30, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3};
  songTracks[1] = {250, 120, 120, 80, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 5};
  songTracks[2] = {1200, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
  std::array<int, kPatternCount> patterns{};
  patterns[0] = 24;
  patterns[1] = 48;
  patterns[2] = 12;
  patterns[3] = 96;
  LayOutEventAreas(set, 4864, bsqTracks, songTracks, patterns);
  for (auto& e : set.backingSequences.eventData) filler.Fill(e);
  for (auto& e : set.songs.eventData) filler.Fill(e);
  for (auto& e : set.songs.patternData) filler.Fill(e);

  const char* const bsqNames[] = {"Intro Demo", "Verse Demo", "Long Demo"};
  const int bsqArrangements[] = {0, 0, 3};
  const int bsqStyles[] = {54, 48, 12};
  for (int b = 0; b < 3; ++b) {
    auto& r = set.backingSequences.records[static_cast<std::size_t>(b)];
    filler.Fill(r.bytes);
    r.SetName(bsqNames[b]);
    r.SetArrangement(static_cast<std::int16_t>(bsqArrangements[b]));
    r.SetStyle(static_cast<std::int16_t>(bsqStyles[b]));
    r.bytes[44] = static_cast<std::uint8_t>(b + 1);  // chained to the next one
    for (int t = 0; t < kBackingSequenceTracks; ++t)
      r.SetTrackProgram(t, static_cast<std::int16_t>(t % 3 == 0 ? 320 + t : t * 7));
  }

  const char* const songNames[] = {"Demo Song", "Rock Song", "Jazz Song"};
  for (int s = 0; s < 3; ++s) {
    auto& r = set.songs.records[static_cast<std::size_t>(s)];
    filler.Fill(r.bytes);
    r.SetName(songNames[s]);
    r.bytes[52] = static_cast<std::uint8_t>(s + 1);
    // Both encodings: user Programs and drum kits without the bank flag,
    // presets with it.
    const int calls[] = {320, 321, 518, 5, 70, 260, 512, 322, 64, 323, 519, 100, 300, 324, 0, 325};
    for (int t = 0; t < kSongTracks; ++t) r.SetTrackProgram(t, calls[(t + s) % 16]);
  }
  StampHeaders(set);
  return set;
}

}  // namespace tolvane::tools
