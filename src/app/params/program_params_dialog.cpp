#include "params/program_params_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tolvane {

ProgramParamsDialog::ProgramParamsDialog(ProgramDetails& model, QWidget* parent)
    : ParamsDialog("FParPrg", model.Caption(), parent), model_(model) {
  QGroupBox* fraPrg = MakeFrame(this, "Program");
  txtNam = MakeNameBox(
      this, model.Name(), [this](const std::string& t) { model_.TypeName(t); }, [this] { return model_.Name(); });
  // The disabled box of a preset shows its text in the system's disabled-text colour.
  txtNam->setEnabled(!model.IsPreset());
  auto* lblCategory = new QLabel(tr("Category"), this);
  auto* cboCategory = new QComboBox(this);
  lblCategory->hide();
  cboCategory->hide();
  auto* program = new QGridLayout(fraPrg);
  AddRow(program, 0, new QLabel(tr("Name"), this), txtNam);
  AddRow(program, 1, lblCategory, cboCategory);

  QGroupBox* fraLinks = MakeFrame(this, "Links");
  lstCalledBy = MakeList(this, "Items which call this Program", 6);
  FillTextList(lstCalledBy, model.CalledBy());
  cmdCall = new QPushButton(tr("&Call another Program"), this);
  cmdCall->setToolTip(tr("Change all call references"));
  connect(cmdCall, &QPushButton::clicked, this, [this] {
    if (model_.CallAnotherProgram()) lstCalledBy->clear();
  });
  auto* links = new QVBoxLayout(fraLinks);
  links->addWidget(new QLabel(tr("Called by"), this));
  links->addWidget(lstCalledBy);
  links->addWidget(cmdCall);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(fraPrg);
  layout->addWidget(fraLinks, 1);
  layout->addLayout(ButtonRow());
}

}  // namespace tolvane
