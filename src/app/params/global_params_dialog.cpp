#include "params/global_params_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace tolvane {

GlobalParamsDialog::GlobalParamsDialog(GlobalDetails& model, QWidget* parent)
    : ParamsDialog("FParGbl", model.Caption(), parent), model_(model) {
  using C = GlobalControl;
  auto* grid = new QGridLayout;
  auto list = [&](int row, C c, const char* caption) {
    QComboBox* box = MakeDropDown(this, GlobalDetails::Entries(c), model_.Position(c));
    connect(box, &QComboBox::activated, this, [this, c](int position) { model_.Select(c, position); });
    lists[static_cast<std::size_t>(c)] = box;
    AddRow(grid, row, new QLabel(tr(caption), this), box);
  };
  list(0, C::DamperPolarity, "Damper Sw Polarity");
  list(1, C::Pedal1, "Assignable Pedal 1");
  list(2, C::Pedal2, "Assignable Pedal 2");
  const char* const switches[] = {"EC5 Pedal Switch A", "EC5 Pedal Switch B", "EC5 Pedal Switch C",
                                  "EC5 Pedal Switch D", "EC5 Pedal Switch E"};
  for (int k = 0; k < 5; ++k) list(3 + k, static_cast<C>(static_cast<int>(C::Ec5A) + k), switches[k]);
  // "Switch 1" and "Switch 2" have no place in the record: carried, never shown.
  cboSwitch1 = new QComboBox(this);
  cboSwitch2 = new QComboBox(this);
  auto* lblSwitch1 = new QLabel(tr("Switch 1"), this);
  auto* lblSwitch2 = new QLabel(tr("Switch 2"), this);
  for (QWidget* w : {static_cast<QWidget*>(cboSwitch1), static_cast<QWidget*>(cboSwitch2),
                     static_cast<QWidget*>(lblSwitch1), static_cast<QWidget*>(lblSwitch2)})
    w->hide();
  list(8, C::VelocityCurve, "Velocity Curve");
  list(9, C::AftertouchCurve, "Aftertouch Curve");

  // "I&mport" closes the dialog keeping its change mark; the import follows.
  cmdImport = new QPushButton(tr("I&mport"), this);
  cmdImport->setObjectName(QStringLiteral("cmdImport"));
  connect(cmdImport, &QPushButton::clicked, this, [this] {
    model_.RequestImport();
    accept();
  });

  auto* buttons = ButtonRow();
  buttons->insertWidget(0, cmdImport);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons);
}

}  // namespace tolvane
