#include "params/style_params_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "ui/cp1252.h"

namespace tolvane {

StyleParamsDialog::StyleParamsDialog(StyleDetails& model, QWidget* parent)
    : ParamsDialog("FParSty", model.Caption(), parent), model_(model) {
  QGroupBox* fraSty = MakeFrame(this, "Style");
  txtNam = MakeNameBox(
      this, model.Name(), [this](const std::string& t) { model_.TypeName(t); }, [this] { return model_.Name(); });
  auto* lblCategory = new QLabel(tr("Category"), this);
  auto* cboCategory = new QComboBox(this);
  lblCategory->hide();
  cboCategory->hide();
  auto* style = new QGridLayout(fraSty);
  AddRow(style, 0, new QLabel(tr("Name"), this), txtNam);
  AddRow(style, 1, lblCategory, cboCategory);

  fraEvents = MakeFrame(this, "Events");
  lblUsed = new QLabel(FromCp1252(model.UsedEvents()), this);
  lblFree = new QLabel(FromCp1252(model.FreeEvents()), this);
  auto* events = new QVBoxLayout(fraEvents);
  events->addWidget(lblUsed);
  events->addWidget(lblFree);

  QGroupBox* fraLinks = MakeFrame(this, "Links");
  lblPrg = new QLabel(tr("Programs called"), this);
  lstPrg = MakeList(this, "DoubleClick to Edit", 6);
  FillTrackList(lstPrg, model.Programs());
  OnLineChosen(lstPrg, [this](int row) {
    if (model_.ChooseProgram(row)) FillTrackList(lstPrg, model_.Programs());
  });
  lstCalledBy = MakeList(this, "Items that call this Style", 5);
  FillTextList(lstCalledBy, model.CalledBy());
  auto* links = new QVBoxLayout(fraLinks);
  links->addWidget(lblPrg);
  links->addWidget(lstPrg);
  links->addWidget(new QLabel(tr("Called by"), this));
  links->addWidget(lstCalledBy);

  if (model.IsPreset()) {
    // The disabled box shows its text in the system's disabled-text colour.
    txtNam->setEnabled(false);
    fraEvents->hide();
    lblPrg->setEnabled(false);
    lstPrg->setEnabled(false);
  }

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(fraSty);
  layout->addWidget(fraEvents);
  layout->addWidget(fraLinks, 1);
  layout->addLayout(ButtonRow());
}

}  // namespace tolvane
