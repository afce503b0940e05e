#include "details/program_details.h"

#include "details/detail_lines.h"
#include "editing/undo_state.h"
#include "programs/program_calls.h"
#include "programs/program_release.h"
#include "programs/program_duplicates.h"
#include "programs/program_numbers.h"
#include "sets/workspace.h"
#include "storage/tables.h"
#include "storage/text.h"

namespace tolvane {

std::optional<ProgramDetails> ProgramDetails::Open(Workspace& ws, int d, int p) {
  if (!ws.InUse(d) || ProgramLabel(p).empty()) return {};
  ProgramDetails details(ws, d, p);
  details.user_ = UserIndexOfProgram(p);
  if (!RunGuarded(ws, kProgram, [&] { details.Load(); })) return {};
  return details;
}

void ProgramDetails::Load() {
  caption_ = "Program " + ProgramLabel(p_) + " in " + ws_->Slot(d_).name;
  name_ = NameField(ProgramName(ws_->presets, ws_->Stores(d_).programs, p_));
  std::vector<ProgramCaller> callers;
  FindProgramCallers(*ws_, d_, p_, &callers);
  for (const ProgramCaller& c : callers) calledBy_.push_back(c.item + ": " + c.track);
  changed_ = false;
}

void ProgramDetails::TypeName(std::string_view text) {
  if (IsPreset()) return;
  name_.Type(text);
  changed_ = true;
}

bool ProgramDetails::CallAnotherProgram() {
  const int chosen = ws_->ui.SelectProgram(d_, p_, "Select a Program ");
  if (chosen == -1 || chosen == p_) return false;
  redirectTo_ = chosen;
  calledBy_.clear();
  changed_ = true;
  return true;
}

bool ProgramDetails::Apply() {
  if (!changed_) return false;
  bool written = false;
  const bool ran = RunGuarded(*ws_, kProgram, [&] {
    // Found before anything changes, so that a failure leaves the Set whole.
    ProgramRecord* record =
        user_ >= 0 && name_.Typed() ? &ws_->Stores(d_).programs.records.at(static_cast<std::size_t>(user_)) : nullptr;
    if (redirectTo_ >= 0) {
      RedirectProgramCalls(*ws_, d_, p_, redirectTo_);
      SetUndoAvailable(*ws_, d_, false);
    } else if (record &&
               !ReleaseBeforeEmptying(*ws_, d_, name_, [&] { return ConfirmProgramRelease(*ws_, d_, user_); })) {
      return;
    }
    if (record) {
      record->SetName(name_.Stored());
      ws_->MarkModified(d_, kProgram);
    }
    ws_->view.RefreshKind(d_, kProgram);
    if (record) CheckProgramDuplicateNames(*ws_, d_);
    written = true;
  });
  return ran && written;
}

}  // namespace tolvane
