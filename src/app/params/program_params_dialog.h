#pragma once
// The widgets of the program parameters dialog over its core model.

#include "details/program_details.h"
#include "params/param_widgets.h"

class QLineEdit;
class QListWidget;

namespace tolvane {

class ProgramParamsDialog : public ParamsDialog {
  Q_OBJECT

 public:
  ProgramParamsDialog(ProgramDetails& model, QWidget* parent = nullptr);

  QLineEdit* txtNam;
  QListWidget* lstCalledBy;
  QPushButton* cmdCall;

 private:
  ProgramDetails& model_;
};

}  // namespace tolvane
