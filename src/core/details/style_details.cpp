#include "details/style_details.h"

#include "sets/workspace.h"
#include "storage/tables.h"
#include "storage/text.h"
#include "styles/style_accessors.h"
#include "styles/style_calls.h"
#include "styles/style_edits.h"
#include "styles/style_release.h"

namespace tolvane {

std::optional<StyleDetails> StyleDetails::Open(Workspace& ws, int d, int s) {
  if (!ws.InUse(d) || StyleLabel(s).empty()) return {};
  const int user = UserIndexOfStyle(s);
  if (user >= 0 && IsUserStyleEmpty(ws.Stores(d).styles, user)) return {};
  StyleDetails details(ws, d, s);
  details.user_ = user;
  if (!RunGuarded(ws, kStyle, [&] { details.Load(); })) return {};
  return details;
}

void StyleDetails::Load() {
  const StyleSetData& styles = ws_->Stores(d_).styles;
  caption_ = "Style " + StyleLabel(s_) + " in " + ws_->Slot(d_).name;
  name_ = NameField(StyleName(ws_->presets, styles, s_));
  if (user_ >= 0) {
    work_ = styles.headers.at(static_cast<std::size_t>(user_));
    name_ = NameField(work_.Name());
    usedEvents_ = std::to_string(StyleEventCount(styles, user_)) + "  used by this Style";
    freeEvents_ = std::to_string(BlockFreeEvents(styles, user_)) + "  free in this Block";
    std::vector<int> calls;
    calls.reserve(kStyleTracks);
    for (int t = 0; t < kStyleTracks; ++t) calls.push_back(work_.TrackProgram(t));
    programs_ = MakeTrackLines(*ws_, d_, {kArrangementTrackNames.begin(), kArrangementTrackNames.begin() + kStyleTracks},
                               calls);
  }
  FindStyleCallers(*ws_, d_, s_, &calledBy_);
  changed_ = false;
}

void StyleDetails::TypeName(std::string_view text) {
  if (IsPreset()) return;
  name_.Type(text);
  changed_ = true;
}

bool StyleDetails::ChooseProgram(int track) {
  if (track < 0 || track >= static_cast<int>(programs_.size())) return false;
  if (!ChooseTrackProgram(*ws_, d_, programs_[static_cast<std::size_t>(track)])) return false;
  changed_ = true;
  return true;
}

bool StyleDetails::Apply() {
  if (!changed_ || IsPreset()) return false;
  bool written = false;
  const bool ran = RunGuarded(*ws_, kStyle, [&] {
    if (!ReleaseBeforeEmptying(*ws_, d_, name_, [&] { return ConfirmStyleRelease(*ws_, d_, user_); })) return;
    StyleHeader h = work_;
    h.SetName(name_.Stored());
    for (int t = 0; t < kStyleTracks; ++t) {
      const int program = programs_.at(static_cast<std::size_t>(t)).program;
      if (h.TrackProgram(t) != program) h.SetTrackProgram(t, static_cast<std::int16_t>(program));
    }
    ws_->Stores(d_).styles.headers.at(static_cast<std::size_t>(user_)) = h;
    ws_->MarkModified(d_, kStyle);
    ws_->view.RefreshKind(d_, kStyle);
    CheckStyleDuplicateNames(*ws_, d_);
    written = true;
  });
  return ran && written;
}

}  // namespace tolvane
