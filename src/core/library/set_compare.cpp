#include "library/set_compare.h"

#include <algorithm>

#include "library/item_content.h"
#include "programs/program_numbers.h"
#include "sets/workspace.h"
#include "storage/tables.h"
#include "storage/text.h"
#include "styles/style_accessors.h"

namespace tolvane {

namespace {

std::string Shown(std::string name) {
  std::replace(name.begin(), name.end(), '\0', ' ');
  return TrimBlanks(name);
}

// The places of a kind, by item number, in the grid's order.
std::vector<int> PlacesOf(int kind) {
  std::vector<int> places;
  switch (kind) {
    case kArrangement: for (int n = 0; n < kArrangementCount; ++n) places.push_back(n); break;
    case kStyle: for (int i = 0; i < kUserStyleCount; ++i) places.push_back(kFirstUserStyleNumber + i); break;
    case kProgram: for (int u = 0; u < kUserItemCount; ++u) places.push_back(UserProgramNumber(u)); break;
    default: for (int i = 0; i < kSequenceItemCount; ++i) places.push_back(i); break;
  }
  return places;
}

std::string LabelOf(int kind, int number) {
  switch (kind) {
    case kArrangement: return ArrangementLabel(number);
    case kStyle: return StyleLabel(number);
    case kProgram: return ProgramLabel(number);
    default: return std::to_string(number);
  }
}

std::string NameOf(const SetStores& s, int kind, int number) {
  const auto i = static_cast<std::size_t>(number);
  switch (kind) {
    case kArrangement: return Shown(s.arrangements.records[i].Name());
    case kStyle: return Shown(s.styles.headers[i - kFirstUserStyleNumber].Name());
    case kProgram: return Shown(UserProgramName(s.programs, UserIndexOfProgram(number)));
    case kBackingSequence: return Shown(s.backingSequences.records[i].Name());
    default: return Shown(s.songs.records[i].Name());
  }
}

// Which fields of two items at one place differ: each field named is
// compared, then everything else of the record as "settings".
template <class Record>
void RecordFields(Record x, Record y, int tracks, std::vector<std::string>& fields) {
  if (x.Name() != y.Name()) fields.push_back("name");
  bool programs = false;
  if constexpr (requires(Record r) { r.SetTrackProgram(0, 0); }) {
    for (int t = 0; t < tracks; ++t) {
      programs = programs || x.TrackProgram(t) != y.TrackProgram(t);
      x.SetTrackProgram(t, 0);
      y.SetTrackProgram(t, 0);
    }
  }
  x.SetName("");
  y.SetName("");
  if (programs) fields.push_back("programs");
  if (x.bytes != y.bytes) fields.push_back("settings");
}

template <class Data>
bool SameEvents(const Data& x, const Data& y, std::size_t i) {
  return x.eventData[i] == y.eventData[i] && x.trackSizes[i] == y.trackSizes[i] && x.itemSizes[i] == y.itemSizes[i];
}

std::vector<std::string> DifferingFields(const SetStores& a, const SetStores& b, int kind, int number) {
  std::vector<std::string> fields;
  const auto i = static_cast<std::size_t>(number);
  switch (kind) {
    case kArrangement: {
      ArrangementRecord x = a.arrangements.records[i], y = b.arrangements.records[i];
      if (x.Name() != y.Name()) fields.push_back("name");
      if (x.StyleNumber() != y.StyleNumber()) fields.push_back("style");
      constexpr std::size_t kTempo = 14;
      if (x.bytes[kTempo] != y.bytes[kTempo]) fields.push_back("tempo");
      x.SetStyleNumber(0), y.SetStyleNumber(0);
      x.bytes[kTempo] = y.bytes[kTempo] = 0;
      std::vector<std::string> rest;
      RecordFields(x, y, kArrangementTracks, rest);
      for (const std::string& f : rest)
        if (f != "name") fields.push_back(f);
      break;
    }
    case kStyle: {
      const std::size_t u = i - kFirstUserStyleNumber;
      RecordFields(a.styles.headers[u], b.styles.headers[u], kStyleTracks, fields);
      if (a.styles.data[u] != b.styles.data[u] || a.styles.sizes[u] != b.styles.sizes[u] ||
          a.styles.present[u] != b.styles.present[u])
        fields.push_back("events");
      break;
    }
    case kProgram: {
      const auto u = static_cast<std::size_t>(UserIndexOfProgram(number));
      RecordFields(a.programs.records[u], b.programs.records[u], 0, fields);
      if (u >= kUserProgramCount && a.programs.drumKits[u - kUserProgramCount] != b.programs.drumKits[u - kUserProgramCount] &&
          std::find(fields.begin(), fields.end(), "settings") == fields.end())
        fields.push_back("settings");
      break;
    }
    case kBackingSequence: {
      BackingSequenceRecord x = a.backingSequences.records[i], y = b.backingSequences.records[i];
      if (x.Name() != y.Name()) fields.push_back("name");
      if (x.Arrangement() != y.Arrangement()) fields.push_back("arrangement");
      if (x.Style() != y.Style()) fields.push_back("style");
      x.SetArrangement(0), y.SetArrangement(0), x.SetStyle(0), y.SetStyle(0);
      std::vector<std::string> rest;
      RecordFields(x, y, kBackingSequenceTracks, rest);
      for (const std::string& f : rest)
        if (f != "name") fields.push_back(f);
      if (!SameEvents(a.backingSequences, b.backingSequences, i)) fields.push_back("events");
      break;
    }
    default:
      RecordFields(a.songs.records[i], b.songs.records[i], kSongTracks, fields);
      if (!SameEvents(a.songs, b.songs, i)) fields.push_back("events");
      break;
  }
  return fields;
}

struct Line {
  std::size_t place;
  std::string text;
};

void CompareKind(const SetStores& a, const SetStores& b, int kind, const std::string& nameA,
                 const std::string& nameB, std::vector<std::string>& lines) {
  const std::vector<int> places = PlacesOf(kind);
  const std::size_t n = places.size();
  std::vector<std::string> namesA(n), namesB(n);
  std::vector<bool> doneA(n), doneB(n);
  std::vector<ContentHash> hashB(n);
  for (std::size_t p = 0; p < n; ++p) {
    namesA[p] = NameOf(a, kind, places[p]);
    namesB[p] = NameOf(b, kind, places[p]);
    doneA[p] = namesA[p].empty();
    doneB[p] = namesB[p].empty();
    if (!doneA[p] && !doneB[p] && SameItem(a, b, kind, places[p], places[p])) doneA[p] = doneB[p] = true;
    if (!doneB[p]) hashB[p] = HashItem(b, kind, places[p]);
  }
  const std::string kindName = KindName(kind) + " ";
  auto item = [&](std::size_t p, const std::string& name) { return kindName + LabelOf(kind, places[p]) + " \"" + name + "\""; };
  std::vector<Line> found;
  for (std::size_t p = 0; p < n; ++p) {
    if (doneA[p]) continue;
    const ContentHash hash = HashItem(a, kind, places[p]);
    for (std::size_t q = 0; q < n; ++q) {
      if (q == p || doneB[q] || hashB[q] != hash || !SameItem(a, b, kind, places[p], places[q])) continue;
      found.push_back({p, item(p, namesA[p]) + " moved to " + LabelOf(kind, places[q])});
      doneA[p] = doneB[q] = true;
      break;
    }
  }
  for (std::size_t p = 0; p < n; ++p) {
    if (doneA[p] || doneB[p]) continue;
    std::string fields;
    for (const std::string& f : DifferingFields(a, b, kind, places[p])) fields += (fields.empty() ? "" : ", ") + f;
    const std::string from = namesA[p] == namesB[p] ? "" : " from \"" + namesB[p] + "\"";
    found.push_back({p, item(p, namesA[p]) + " differs" + from + ": " + fields});
    doneA[p] = doneB[p] = true;
  }
  for (std::size_t p = 0; p < n; ++p) {
    if (!doneA[p]) found.push_back({p, item(p, namesA[p]) + " only in " + nameA});
    if (!doneB[p]) found.push_back({p, item(p, namesB[p]) + " only in " + nameB});
  }
  std::stable_sort(found.begin(), found.end(), [](const Line& x, const Line& y) { return x.place < y.place; });
  for (Line& line : found) lines.push_back(std::move(line.text));
}

}  // namespace

std::vector<std::string> CompareSets(const SetStores& a, const SetStores& b, const std::string& nameA,
                                     const std::string& nameB) {
  std::vector<std::string> lines;
  for (int kind = 0; kind < kSetFileKinds; ++kind) CompareKind(a, b, kind, nameA, nameB, lines);
  if (a.global != b.global) lines.push_back("Global data differs");
  return lines;
}

}  // namespace tolvane
