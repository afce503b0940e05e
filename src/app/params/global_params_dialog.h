#pragma once
// FParGbl: the widgets of the Global dialog over its core model.

#include <array>

#include "details/global_details.h"
#include "params/param_widgets.h"

class QComboBox;

namespace tolvane {

class GlobalParamsDialog : public ParamsDialog {
  Q_OBJECT

 public:
  GlobalParamsDialog(GlobalDetails& model, QWidget* parent = nullptr);

  // By GlobalControl.
  std::array<QComboBox*, kGlobalControlCount> lists{};
  QComboBox* cboSwitch1;
  QComboBox* cboSwitch2;
  QPushButton* cmdImport;

 private:
  GlobalDetails& model_;
};

}  // namespace tolvane
