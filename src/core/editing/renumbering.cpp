#include "editing/renumbering.h"

#include <algorithm>

#include "programs/program_numbers.h"
#include "sets/workspace.h"
#include "storage/tables.h"
#include "storage/text.h"
#include "styles/style_accessors.h"

namespace tolvane {

namespace {

bool IsLinkKind(int kind) { return kind == kBackingSequence || kind == kSong; }

int UserOf(int kind, int number) {
  switch (kind) {
    case kArrangement: return CheckArrangementNumber(number);
    case kStyle: return UserIndexOfStyle(number);
    case kProgram: return UserIndexOfProgram(number);
    default: return number >= 0 && number < kSequenceItemCount ? number : -1;
  }
}

int NumberOf(int kind, int user) {
  switch (kind) {
    case kStyle: return UserStyleNumber(user);
    case kProgram: return UserProgramNumber(user);
    default: return user;
  }
}

// The calls of one record to items of `kind`: each(track, number, set),
// track -1 for the record's one call of that kind (or its link).
template <class Each>
void CallsIn(ArrangementRecord& r, int kind, Each&& each) {
  if (kind == kStyle) each(-1, r.StyleNumber(), [&r](int n) { r.SetStyleNumber(static_cast<std::int16_t>(n)); });
  if (kind != kProgram) return;
  for (int t = 0; t < kArrangementTracks; ++t)
    each(t, r.TrackProgram(t), [&r, t](int n) { r.SetTrackProgram(t, static_cast<std::int16_t>(n)); });
}

template <class Each>
void CallsIn(StyleHeader& h, int kind, Each&& each) {
  if (kind != kProgram) return;
  for (int t = 0; t < kStyleTracks; ++t)
    each(t, h.TrackProgram(t), [&h, t](int n) { h.SetTrackProgram(t, static_cast<std::int16_t>(n)); });
}

template <class Each>
void CallsIn(BackingSequenceRecord& r, int kind, Each&& each) {
  switch (kind) {
    case kArrangement:
      each(-1, r.Arrangement(), [&r](int n) { r.SetArrangement(static_cast<std::int16_t>(n)); });
      break;
    case kStyle: each(-1, r.Style(), [&r](int n) { r.SetStyle(static_cast<std::int16_t>(n)); }); break;
    case kBackingSequence: each(-1, r.Next(), [&r](int n) { r.SetNext(static_cast<std::uint8_t>(n)); }); break;
    case kProgram:
      for (int t = 0; t < kBackingSequenceTracks; ++t)
        each(t, r.TrackProgram(t), [&r, t](int n) { r.SetTrackProgram(t, static_cast<std::int16_t>(n)); });
      break;
    default: break;
  }
}

template <class Each>
void CallsIn(SongRecord& r, int kind, Each&& each) {
  if (kind == kSong) each(-1, r.Next(), [&r](int n) { r.SetNext(static_cast<std::uint8_t>(n)); });
  if (kind != kProgram) return;
  for (int t = 0; t < kSongTracks; ++t) each(t, r.TrackProgram(t), [&r, t](int n) { r.SetTrackProgram(t, n); });
}

ArrangementRecord& ItemOf(ArrangementClip& c) { return c.item; }
StyleHeader& ItemOf(StyleClip& c) { return c.header; }
BackingSequenceRecord& ItemOf(BackingSequenceClip& c) { return c.record; }
SongRecord& ItemOf(SongClip& c) { return c.record; }

// Visits every call to an item of `kind` in Set d and in the items held for
// it: each(place, number, set, inSet). Calls count in named items; links in
// every item, as the list keeps them.
template <class Each>
void VisitCalls(Workspace& ws, int d, int kind, Each&& each) {
  const bool links = IsLinkKind(kind);
  const auto visit = [&](int callerKind, int place, auto& record) {
    if (!links && record.Name() == kBlankName) return;
    CallsIn(record, kind, [&](int track, int number, auto&& set) {
      each(CallSite{callerKind, place, track}, number, set, place >= 0);
    });
  };
  // The clipboard an Insert left is compared with the clipboard: both are
  // renumbered alike, as the same place.
  const auto held = [&](int callerKind, auto& records) {
    const std::pair<decltype(&records.clipboard), int> clips[] = {{&records.clipboard, kHeldInClipboard},
                                                                   {&records.undo, kHeldInUndo},
                                                                   {&records.clipboardBeforeInsert, kHeldBeforeInsert},
                                                                   {&records.clipboardAfterInsert, kHeldInClipboard}};
    for (const auto& [clip, place] : clips)
      if (clip->sourceSet == d) visit(callerKind, place, ItemOf(*clip));
  };
  SetStores& s = ws.Stores(d);
  for (int a = 0; a < kArrangementCount; ++a) visit(kArrangement, a, s.arrangements.records[static_cast<std::size_t>(a)]);
  const int styles = std::min(kStylesPerBlock * s.styles.blockCount, kUserStyleCount);
  for (int i = 0; i < styles; ++i) visit(kStyle, i, s.styles.headers[static_cast<std::size_t>(i)]);
  for (int b = 0; b < kSequenceItemCount; ++b) {
    visit(kBackingSequence, b, s.backingSequences.records[static_cast<std::size_t>(b)]);
    visit(kSong, b, s.songs.records[static_cast<std::size_t>(b)]);
  }
  held(kArrangement, ws.edits.arrangements);
  held(kStyle, ws.edits.styles);
  held(kBackingSequence, ws.edits.backingSequences);
  held(kSong, ws.edits.songs);
}

template <class Clip>
void FollowIn(KindRecords<Clip>& records, int d, int kind, const PlaceMap& places) {
  if (records.undo.sourceSet == d) records.keptCalls = FollowPlaces(records.keptCalls, kind, places);
}

std::vector<int> Shifted(int kind, int from, int to, int by) {
  std::vector<int> numbers = SameNumbers(kind);
  for (int k = from; k <= to; ++k) numbers[static_cast<std::size_t>(k)] = k + by;
  return numbers;
}

}  // namespace

int UserItemCount(int kind) {
  switch (kind) {
    case kArrangement: return kArrangementCount;
    case kStyle: return kUserStyleCount;
    case kProgram: return kUserItemCount;
    default: return kSequenceItemCount;
  }
}

std::vector<int> SameNumbers(int kind) {
  std::vector<int> numbers(static_cast<std::size_t>(UserItemCount(kind)));
  for (std::size_t u = 0; u < numbers.size(); ++u) numbers[u] = static_cast<int>(u);
  return numbers;
}

void Renumber(Workspace& ws, int d, const Renumbering& r) {
  const auto count = static_cast<int>(r.numbers.size());
  VisitCalls(ws, d, r.kind, [&](const CallSite& at, int number, auto&& set, bool inSet) {
    const int u = UserOf(r.kind, number);
    if (u < 0 || u >= count || r.numbers[static_cast<std::size_t>(u)] == u) return;
    if (u == r.kept && std::find(r.keep.begin(), r.keep.end(), at) != r.keep.end()) return;
    set(NumberOf(r.kind, r.numbers[static_cast<std::size_t>(u)]));
    if (inSet) ws.MarkModified(d, at.kind);
  });
  FollowItems(ws, d, r.kind, r.places);
}

void FollowItems(Workspace& ws, int d, int kind, const PlaceMap& places) {
  if (!places) return;
  FollowIn(ws.edits.arrangements, d, kind, places);
  FollowIn(ws.edits.styles, d, kind, places);
  FollowIn(ws.edits.programs, d, kind, places);
  FollowIn(ws.edits.backingSequences, d, kind, places);
  FollowIn(ws.edits.songs, d, kind, places);
}

PlaceMap CutPlaces(int i) {
  return [i](int p) -> std::vector<int> {
    if (p == i) return {kHeldInClipboard};
    if (p == kHeldInClipboard) return {};
    return {p};
  };
}

PlaceMap CopyPlaces(int i) {
  return [i](int p) -> std::vector<int> {
    if (p == i) return {i, kHeldInClipboard};
    if (p == kHeldInClipboard) return {};
    return {p};
  };
}

PlaceMap PastePlaces(int i, bool clipboardOfSet) {
  return [i, clipboardOfSet](int p) -> std::vector<int> {
    if (p == kHeldInClipboard) return clipboardOfSet ? std::vector<int>{kHeldInClipboard, i} : std::vector<int>{};
    if (p == i) return {kHeldInUndo};
    if (p == kHeldInUndo) return {};
    return {p};
  };
}

PlaceMap UndoCutPlaces(int i) {
  return [i](int p) -> std::vector<int> {
    if (p == kHeldInClipboard) return {kHeldInClipboard, i};
    if (p == i) return {};
    return {p};
  };
}

PlaceMap UndoPastePlaces(int i) {
  return [i](int p) -> std::vector<int> {
    if (p == kHeldInUndo) return {i};
    if (p == i) return {};
    return {p};
  };
}

PlaceMap ErasedPlaces() {
  return [](int p) -> std::vector<int> {
    if (p >= 0) return {};
    return {p};
  };
}

std::vector<CallSite> CallersOf(Workspace& ws, int d, int kind, int u) {
  std::vector<CallSite> callers;
  VisitCalls(ws, d, kind, [&](const CallSite& at, int number, auto&&, bool) {
    if (UserOf(kind, number) == u) callers.push_back(at);
  });
  return callers;
}

std::vector<CallSite> FollowPlaces(const std::vector<CallSite>& sites, int kind, const PlaceMap& places) {
  if (!places) return sites;
  std::vector<CallSite> moved;
  for (const CallSite& site : sites) {
    if (site.kind != kind) {
      moved.push_back(site);
      continue;
    }
    for (const int place : places(site.item)) moved.push_back({site.kind, place, site.track});
  }
  return moved;
}

Renumbering DeleteRenumbering(int kind, int n, int last) {
  return {kind, Shifted(kind, n + 1, last, -1), {}, -1, [n, last](int p) -> std::vector<int> {
            if (p == n) return {kHeldInClipboard, kHeldInUndo};
            if (p == kHeldInClipboard || p == kHeldInUndo) return {};
            return {p > n && p <= last ? p - 1 : p};
          }};
}

Renumbering InsertRenumbering(int kind, int n, int last, bool clipboardOfSet) {
  return {kind, Shifted(kind, n, last - 1, 1), {}, -1, [n, last, clipboardOfSet](int p) -> std::vector<int> {
            if (p == last) return {kHeldInUndo, kHeldInClipboard};
            if (p == kHeldInClipboard && clipboardOfSet) return {n, kHeldBeforeInsert};
            if (p == kHeldInClipboard || p == kHeldInUndo || p == kHeldBeforeInsert) return {};
            return {p >= n && p < last ? p + 1 : p};
          }};
}

Renumbering UndoDeleteRenumbering(int kind, int n, int last, std::vector<CallSite> kept) {
  return {kind, Shifted(kind, n, last - 1, 1), std::move(kept), n, [n, last](int p) -> std::vector<int> {
            if (p == kHeldInUndo) return {n};
            if (p == last) return {};
            return {p >= n && p < last ? p + 1 : p};
          }};
}

Renumbering UndoInsertRenumbering(int kind, int n, int last, bool clipboardGivenBack, std::vector<CallSite> kept) {
  return {kind, Shifted(kind, n + 1, last, -1), std::move(kept), last,
          [n, last, clipboardGivenBack](int p) -> std::vector<int> {
            if (p == n) return {};
            if (p == kHeldInUndo) return {last};
            if (p == kHeldInClipboard && clipboardGivenBack) return {};
            if (p == kHeldBeforeInsert && clipboardGivenBack) return {kHeldInClipboard};
            return {p > n && p <= last ? p - 1 : p};
          }};
}

Renumbering MoveRenumbering(int kind, int s, int t) {
  std::vector<int> numbers = SameNumbers(kind);
  numbers[static_cast<std::size_t>(s)] = t;
  return {kind, std::move(numbers), {}, -1, nullptr};
}

Renumbering UndoMoveRenumbering(int kind, int s, int t, std::vector<CallSite> kept) {
  std::vector<int> numbers = SameNumbers(kind);
  numbers[static_cast<std::size_t>(t)] = s;
  return {kind, std::move(numbers), std::move(kept), t, nullptr};
}

}  // namespace tolvane
