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
std::optional<Model> Run(QWidget* parent, std::optional<Model> model) {
  if (!model) return model;
  {
    Dialog dialog(*model, parent);
    if (dialog.exec() != QDialog::Accepted) model->Cancel();
  }
  model->Apply();
  return model;
}

}  // namespace

void ShowItemDetails(QWidget* parent, Workspace& ws, int d, int tab, int item) {
  switch (tab) {
    case kArrangement: Run<ArrangementParamsDialog>(parent, ArrangementDetails::Open(ws, d, item)); break;
    case kStyle: Run<StyleParamsDialog>(parent, StyleDetails::Open(ws, d, item)); break;
    case kProgram: Run<ProgramParamsDialog>(parent, ProgramDetails::Open(ws, d, item)); break;
    case kBackingSequence: Run<SequenceParamsDialog>(parent, SequenceDetails::OpenBackingSequence(ws, d, item)); break;
    case kSong: Run<SequenceParamsDialog>(parent, SequenceDetails::OpenSong(ws, d, item)); break;
    default: break;
  }
}

void ShowGlobalDialog(QWidget* parent, Workspace& ws, int d) {
  // After an import the dialog opens again on the record that came in.
  for (;;) {
    const auto model = Run<GlobalParamsDialog>(parent, GlobalDetails::Open(ws, d));
    if (!model || !model->Imported()) return;
  }
}

}  // namespace tolvane
