#include "programs/program_calls.h"

#include "storage/tables.h"
#include "storage/text.h"
#include "sets/workspace.h"
#include "styles/style_accessors.h"

namespace tolvane {

namespace {

// Visits every track of the named items of a Set in the order callers are
// listed. The visitor gets the kind, item index, track name, the record, the
// track and the track's program number.
template <class Stores, class Visit>
void ScanProgramTracks(Stores& s, Visit&& visit) {
  for (int a = 0; a < kArrangementCount; ++a) {
    auto& r = s.arrangements.records[static_cast<std::size_t>(a)];
    if (r.Name() == kBlankName) continue;
    for (int t = 0; t < kArrangementTracks; ++t)
      visit(kArrangement, a, kArrangementTrackNames[static_cast<std::size_t>(t)], r, t,
            r.TrackProgram(t));
  }
  const int styles = kStylesPerBlock * s.styles.blockCount;
  for (int i = 0; i < styles && i < kUserStyleCount; ++i) {
    auto& h = s.styles.headers[static_cast<std::size_t>(i)];
    if (h.Name() == kBlankName) continue;
    for (int t = 0; t < kStyleTracks; ++t)
      visit(kStyle, i, kArrangementTrackNames[static_cast<std::size_t>(t)], h, t,
            h.TrackProgram(t));
  }
  for (int b = 0; b < kSequenceItemCount; ++b) {
    auto& r = s.backingSequences.records[static_cast<std::size_t>(b)];
    if (r.Name() == kBlankName) continue;
    for (int t = 0; t < kBackingSequenceTracks; ++t)
      visit(kBackingSequence, b, kBackingSequenceTrackNames[static_cast<std::size_t>(t)],
            r, t, r.TrackProgram(t));
  }
  for (int n = 0; n < kSequenceItemCount; ++n) {
    auto& r = s.songs.records[static_cast<std::size_t>(n)];
    if (r.Name() == kBlankName) continue;
    for (int t = 0; t < kSongTracks; ++t)
      visit(kSong, n, kSongTrackNames[static_cast<std::size_t>(t)], r, t,
            r.TrackProgram(t));
  }
}

// "Arr A11", "Sty U23", "BSeq  4", "Song  3": made only for the callers listed.
std::string CallerText(int kind, int item) {
  switch (kind) {
    case kArrangement: return "Arr " + ArrangementLabel(item);
    case kStyle: return "Sty " + UserStyleLabel(item);
    case kBackingSequence: return "BSeq  " + std::to_string(item);
    default: return "Song  " + std::to_string(item);
  }
}

}  // namespace

int FindProgramCallers(const Workspace& ws, int d, int p, std::vector<ProgramCaller>* callers) {
  int count = 0;
  ScanProgramTracks(ws.Stores(d), [&](int kind, int item, std::string_view track, const auto&, int, int program) {
    if (program != p) return;
    ++count;
    if (callers) callers->push_back({CallerText(kind, item), std::string(track)});
  });
  return count;
}

std::vector<CallSite> RedirectProgramCalls(Workspace& ws, int d, int from, int to) {
  std::vector<CallSite> changed;
  ScanProgramTracks(ws.Stores(d), [&](int kind, int item, std::string_view, auto& record, int t, int program) {
    if (program != from) return;
    record.SetTrackProgram(t, static_cast<std::int16_t>(to));
    ws.MarkModified(d, kind);
    changed.push_back({kind, item, t});
  });
  return changed;
}

}  // namespace tolvane
