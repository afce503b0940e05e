#pragma once
// FParArr: the widgets of the arrangement parameters dialog over its core model.

#include <array>

#include "details/arrangement_details.h"
#include "params/param_widgets.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QSpinBox;

namespace tolvane {

class ArrangementParamsDialog : public ParamsDialog {
  Q_OBJECT

 public:
  ArrangementParamsDialog(ArrangementDetails& model, QWidget* parent = nullptr);

  QLineEdit* txtNam;
  ClickLabel* lblSty;
  QListWidget* lstPrg;
  QListWidget* lstCalledBy;
  // The lists, boxes and number boxes by the control they show; the other
  // entries are null.
  std::array<QComboBox*, kArrangementControlCount> lists{};
  std::array<QCheckBox*, kArrangementControlCount> checks{};
  std::array<QSpinBox*, kArrangementControlCount> numbers{};

 private:
  QWidget* Control(ArrangementControl c, const char* caption);
  ArrangementDetails& model_;
};

}  // namespace tolvane
