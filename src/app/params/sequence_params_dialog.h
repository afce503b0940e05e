#pragma once
// FParBsq and FParSng: the widgets of the backing-sequence and song
// parameters dialogs over their core model. A Song's dialog has no
// Arrangement and Style links and hides its chaining boxes.

#include <array>

#include "details/sequence_details.h"
#include "params/param_widgets.h"

class QCheckBox;
class QLineEdit;
class QListWidget;

namespace tolvane {

class SequenceParamsDialog : public ParamsDialog {
  Q_OBJECT

 public:
  SequenceParamsDialog(SequenceDetails& model, QWidget* parent = nullptr);

  QLineEdit* txtNam;
  std::array<QLabel*, 2> lblArr{};  // caption, then the called Arrangement
  std::array<QLabel*, 2> lblSty{};
  QListWidget* lstPrg;
  QCheckBox* chkChain;
  QCheckBox* chkAuto;
  QLabel* lblNxt;
  QLineEdit* txtNxt;

 private:
  void EnableChainControls();
  SequenceDetails& model_;
};

}  // namespace tolvane
