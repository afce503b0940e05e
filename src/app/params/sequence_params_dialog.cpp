#include "params/sequence_params_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "ui/cp1252.h"

namespace tolvane {

SequenceParamsDialog::SequenceParamsDialog(SequenceDetails& model, QWidget* parent)
    : ParamsDialog(model.HasLinks() ? "FParBsq" : "FParSng", model.Caption(), parent), model_(model) {
  QGroupBox* fraNam = MakeFrame(this, model.HasLinks() ? "Backing Sequence" : "Song");
  txtNam = MakeNameBox(
      this, model.Name(), [this](const std::string& t) { model_.TypeName(t); }, [this] { return model_.Name(); });
  auto* name = new QGridLayout(fraNam);
  AddRow(name, 0, new QLabel(tr("Name"), this), txtNam);

  QGroupBox* fraLinks = MakeFrame(this, "Links");
  auto* links = new QVBoxLayout(fraLinks);
  if (model.HasLinks()) {
    ClickLabel* arrangement = MakeCallLabel(this, model.ArrangementText());
    arrangement->setToolTip(tr("DoubleClick to Edit"));
    connect(arrangement, &ClickLabel::doubleClicked, this, [this, arrangement] {
      if (model_.ChooseArrangement()) arrangement->setText(FromCp1252(model_.ArrangementText()));
    });
    ClickLabel* style = MakeCallLabel(this, model.StyleText());
    connect(style, &ClickLabel::doubleClicked, this, [this, style] {
      if (model_.ChooseStyle()) style->setText(FromCp1252(model_.StyleText()));
    });
    lblArr = {new QLabel(tr("Arrangement called"), this), arrangement};
    lblSty = {new QLabel(tr("Style called"), this), style};
    for (QLabel* label : {lblArr[0], lblArr[1], lblSty[0], lblSty[1]}) links->addWidget(label);
  }
  lstPrg = MakeList(this, nullptr, static_cast<int>(model.Programs().size()));
  FillTrackList(lstPrg, model.Programs());
  connect(lstPrg, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    if (model_.ChooseProgram(lstPrg->row(item))) FillTrackList(lstPrg, model_.Programs());
  });
  links->addWidget(new QLabel(tr("Programs called"), this));
  links->addWidget(lstPrg);

  QGroupBox* fraChain = MakeFrame(this, "Chaining");
  chkChain = new QCheckBox(tr("Chain  to  next  BSeq"), this);
  chkAuto = new QCheckBox(tr("AutoStart"), this);
  txtNxt = new QLineEdit(FromCp1252(model.NextText()), this);
  txtNxt->setToolTip(tr("In automatic chaining mode"));
  txtNxt->setMaximumWidth(48);
  chkChain->setChecked(model.Chain());
  chkAuto->setChecked(model.AutoStart());
  chkChain->setVisible(model.HasLinks());
  chkAuto->setVisible(model.HasLinks());
  EnableChainControls();
  connect(chkChain, &QCheckBox::clicked, this, [this](bool on) {
    model_.SetChain(on);
    EnableChainControls();
  });
  connect(chkAuto, &QCheckBox::clicked, this, [this](bool on) { model_.SetAutoStart(on); });
  connect(txtNxt, &QLineEdit::textEdited, this, [this](const QString& text) { model_.TypeNext(ToCp1252(text)); });
  auto* chain = new QVBoxLayout(fraChain);
  chain->addWidget(chkChain);
  chain->addWidget(chkAuto);
  chain->addWidget(txtNxt);

  auto* left = new QVBoxLayout;
  left->addWidget(fraNam);
  left->addWidget(fraChain);
  left->addStretch();
  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addWidget(fraLinks, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addLayout(ButtonRow());
}

void SequenceParamsDialog::EnableChainControls() {
  chkAuto->setEnabled(model_.ChainControlsEnabled());
  txtNxt->setEnabled(model_.ChainControlsEnabled());
}

}  // namespace tolvane
