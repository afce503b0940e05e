#include "params/sequence_params_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpressionValidator>
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
    connect(arrangement, &ClickLabel::activated, this, [this, arrangement] {
      if (model_.ChooseArrangement()) arrangement->setText(FromCp1252(model_.ArrangementText()));
    });
    ClickLabel* style = MakeCallLabel(this, model.StyleText());
    connect(style, &ClickLabel::activated, this, [this, style] {
      if (model_.ChooseStyle()) style->setText(FromCp1252(model_.StyleText()));
    });
    lblArr = {new QLabel(tr("Arrangement called"), this), arrangement};
    lblSty = {new QLabel(tr("Style called"), this), style};
    for (QLabel* label : {lblArr[0], lblArr[1], lblSty[0], lblSty[1]}) links->addWidget(label);
  }
  lstPrg = MakeList(this, nullptr, static_cast<int>(model.Programs().size()));
  FillTrackList(lstPrg, model.Programs());
  OnLineChosen(lstPrg, [this](int row) {
    if (model_.ChooseProgram(row)) FillTrackList(lstPrg, model_.Programs());
  });
  links->addWidget(new QLabel(tr("Programs called"), this));
  links->addWidget(lstPrg);

  QGroupBox* fraChain = MakeFrame(this, "Chaining");
  chkChain = new QCheckBox(tr("Chain  to  next  BSeq"), this);
  chkAuto = new QCheckBox(tr("AutoStart"), this);
  txtNxt = new QLineEdit(FromCp1252(model.NextText()), this);
  txtNxt->setObjectName(QStringLiteral("txtNxt"));
  txtNxt->setToolTip(tr("In automatic chaining mode"));
  txtNxt->setMaxLength(1);
  txtNxt->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]?")), txtNxt));
  txtNxt->setMaximumWidth(48);
  lblNxt = new QLabel(model.HasLinks() ? tr("Next BSeq") : tr("Next Song"), this);
  lblNxt->setBuddy(txtNxt);
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
  connect(txtNxt, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (!model_.TypeNext(ToCp1252(text))) txtNxt->setText(FromCp1252(model_.NextText()));
  });
  auto* chain = new QVBoxLayout(fraChain);
  chain->addWidget(chkChain);
  chain->addWidget(chkAuto);
  auto* next = new QHBoxLayout;
  next->addWidget(lblNxt);
  next->addWidget(txtNxt);
  next->addStretch();
  chain->addLayout(next);

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
  lblNxt->setEnabled(model_.ChainControlsEnabled());
  txtNxt->setEnabled(model_.ChainControlsEnabled());
}

}  // namespace tolvane
