#include "params/details.h"

#include "params/arrangement_params_dialog.h"
#include "params/global_params_dialog.h"
#include "params/program_params_dialog.h"
#include "params/sequence_params_dialog.h"
#include "params/style_params_dialog.h"
#include "storage/tables.h"

namespace tolvane {

namespace {

// Runs the dialog over its model; "&OK" keeps the change mark, anything
// else clears it, and the model then writes what the mark calls for.
template <class Dialog, class Model>
void Run(QWidget* parent, std::optional<Model> model) {
  if (!model) return;
  {
    Dialog dialog(*model, parent);
    if (dialog.exec() != QDialog::Accepted) model->Cancel();
  }
  model->Apply();
}

}  // namespace

void ShowItemDetails(QWidget* parent, Workspace& ws, int d, int tab, int item) {
  switch (tab) {
    case kArrangement: return Run<ArrangementParamsDialog>(parent, ArrangementDetails::Open(ws, d, item));
    case kStyle: return Run<StyleParamsDialog>(parent, StyleDetails::Open(ws, d, item));
    case kProgram: return Run<ProgramParamsDialog>(parent, ProgramDetails::Open(ws, d, item));
    case kBackingSequence: return Run<SequenceParamsDialog>(parent, SequenceDetails::OpenBackingSequence(ws, d, item));
    case kSong: return Run<SequenceParamsDialog>(parent, SequenceDetails::OpenSong(ws, d, item));
    default: return;
  }
}

void ShowGlobalDialog(QWidget* parent, Workspace& ws, int d) {
  Run<GlobalParamsDialog>(parent, GlobalDetails::Open(ws, d));
}

}  // namespace tolvane
