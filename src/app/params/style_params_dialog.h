#pragma once
// The widgets of the style parameters dialog over its core model.

#include "details/style_details.h"
#include "params/param_widgets.h"

class QGroupBox;
class QLineEdit;
class QListWidget;

namespace tolvane {

class StyleParamsDialog : public ParamsDialog {
  Q_OBJECT

 public:
  StyleParamsDialog(StyleDetails& model, QWidget* parent = nullptr);

  QLineEdit* txtNam;
  QGroupBox* fraEvents;
  QLabel* lblUsed;
  QLabel* lblFree;
  QLabel* lblPrg;
  QListWidget* lstPrg;
  QListWidget* lstCalledBy;

 private:
  StyleDetails& model_;
};

}  // namespace tolvane
