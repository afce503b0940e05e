#include "params/arrangement_params_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/cp1252.h"

namespace tolvane {

namespace {

using C = ArrangementControl;
std::size_t At(C c) { return static_cast<std::size_t>(c); }

// Controls the dialog carries but never shows, reads or writes.
void AddHiddenControls(QWidget* parent) {
  const char* const ensembles[] = {"Duet",   "Close", "Open 1", "Open 2",     "Octave",
                                   "Power Ens.", "Fourths", "Block", "Brass Ens.", "Reed Ens."};
  auto* ensemble = new QComboBox(parent);
  for (const char* e : ensembles) ensemble->addItem(QString::fromLatin1(e));
  ensemble->setObjectName(QStringLiteral("cboEnsemble"));
  const std::pair<const char*, QWidget*> hidden[] = {
      {"lblCategory", new QLabel(QObject::tr("Category"), parent)}, {"cboCategory", new QComboBox(parent)},
      {"lblEnsemble", new QLabel(QObject::tr("Ensemble"), parent)}, {"cboEnsemble", ensemble},
      {"chkFullKbd", new QCheckBox(QObject::tr("Full KBD Play"), parent)},
      {"lblKick", new QLabel(QObject::tr("Kick designation"), parent)}, {"cboKick", new QComboBox(parent)},
      {"lblSnare", new QLabel(QObject::tr("Snare designation"), parent)}, {"cboSnare", new QComboBox(parent)},
      {"lblNext", new QLabel(QObject::tr("Next"), parent)}, {"cboNext", new QComboBox(parent)}};
  for (auto [name, w] : hidden) {
    w->setObjectName(QString::fromLatin1(name));
    w->hide();
  }
}

}  // namespace

QWidget* ArrangementParamsDialog::Control(ArrangementControl c, const char* caption) {
  if (c == C::Tempo || c == C::Transpose) {
    auto* box = c == C::Tempo ? new NumberBox(40, 240, this) : new NumberBox(-11, 11, this);
    box->setValue(model_.Value(c));
    connect(box, &QSpinBox::valueChanged, this, [this, box, c](int v) {
      model_.Set(c, v);
      if (box->value() != model_.Value(c)) box->setValue(model_.Value(c));
    });
    numbers[At(c)] = box;
    return box;
  }
  const std::vector<std::string> entries = ArrangementDetails::Entries(c);
  if (entries.empty()) {
    auto* box = new QCheckBox(tr(caption), this);
    box->setChecked(model_.Value(c) != 0);
    connect(box, &QCheckBox::clicked, this, [this, c](bool on) { model_.Set(c, on ? 1 : 0); });
    checks[At(c)] = box;
    return box;
  }
  QComboBox* list = MakeDropDown(this, entries, model_.Value(c));
  connect(list, &QComboBox::activated, this, [this, c](int position) { model_.Set(c, position); });
  lists[At(c)] = list;
  return list;
}

ArrangementParamsDialog::ArrangementParamsDialog(ArrangementDetails& model, QWidget* parent)
    : ParamsDialog("FParArr", model.Caption(), parent), model_(model) {
  // Left: the name and the calls.
  QGroupBox* fraArr = MakeFrame(this, "Arrangement");
  txtNam = MakeNameBox(
      this, model.Name(), [this](const std::string& t) { model_.TypeName(t); }, [this] { return model_.Name(); });
  auto* nameRow = new QHBoxLayout(fraArr);
  nameRow->addWidget(new QLabel(tr("Name"), this));
  nameRow->addWidget(txtNam, 1);

  QGroupBox* fraLinks = MakeFrame(this, "Links");
  lblSty = MakeCallLabel(this, model.StyleText());
  connect(lblSty, &ClickLabel::activated, this, [this] {
    if (model_.ChooseStyle()) lblSty->setText(FromCp1252(model_.StyleText()));
  });
  lstPrg = MakeList(this, "DoubleClick to Edit", 8);
  FillTrackList(lstPrg, model.Programs());
  OnLineChosen(lstPrg, [this](int row) {
    if (model_.ChooseProgram(row)) FillTrackList(lstPrg, model_.Programs());
  });
  lstCalledBy = MakeList(this, "Items that call this Arrangement", 4);
  FillTextList(lstCalledBy, model.CalledBy());
  auto* links = new QVBoxLayout(fraLinks);
  links->addWidget(new QLabel(tr("Style called"), this));
  links->addWidget(lblSty);
  links->addWidget(new QLabel(tr("Programs called"), this));
  links->addWidget(lstPrg);
  links->addWidget(new QLabel(tr("Arrangement called by"), this));
  links->addWidget(lstCalledBy);
  auto* left = new QVBoxLayout;
  left->addWidget(fraArr);
  left->addWidget(fraLinks, 1);

  // Right: the performance parameters.
  QGroupBox* fraTempo = MakeFrame(this, "Tempo");
  (new QHBoxLayout(fraTempo))->addWidget(Control(C::Tempo, nullptr));
  QGroupBox* fraKbd = MakeFrame(this, "Keyboard");
  auto* kbd = new QGridLayout(fraKbd);
  const std::pair<C, const char*> keyboard[] = {
      {C::KbdAss, "Kbd Ass"}, {C::Transpose, "Transpose"}, {C::SplitKey, "Split Key"}, {C::ChordScan, "Ch. Scan"}};
  for (int row = 0; auto [c, caption] : keyboard) AddRow(kbd, row++, new QLabel(tr(caption), this), Control(c, caption));

  auto* switches = new QGridLayout;
  const std::pair<C, const char*> boxes[] = {
      {C::DynamicBacking, "Dynamic Backing"}, {C::BassInversion, "Bass Inversion"},
      {C::TempoLock, "Tempo Lock"},           {C::ChordHold, "Chord Hold"},
      {C::Kbd1Damp, "Kbd1 Damp Ena."},        {C::ChordLatch, "Chord Latch"},
      {C::Kbd2Damp, "Kbd2 Damp Ena."}};
  for (int i = 0; auto [c, caption] : boxes) {
    switches->addWidget(Control(c, caption), i / 2, i % 2);
    ++i;
  }

  QGroupBox* fraMaps = MakeFrame(this, "Default Drum Maps");
  auto* maps = new QGridLayout(fraMaps);
  const std::pair<C, const char*> drumMaps[] = {{C::Var1, "Var.1"}, {C::Var2, "Var.2"}, {C::Var3, "Var.3"}, {C::Var4, "Var.4"}};
  for (int i = 0; auto [c, caption] : drumMaps) {
    maps->addWidget(new QLabel(tr(caption), this), 0, i);
    maps->addWidget(Control(c, caption), 1, i++);
  }
  QGroupBox* fraStart = MakeFrame(this, "Initial Variation");
  auto* start = new QGridLayout(fraStart);
  AddRow(start, 0, new QLabel(tr("Start"), this), Control(C::Start, "Start"));
  QGroupBox* fraChange = MakeFrame(this, "Variation Change");
  auto* change = new QGridLayout(fraChange);
  AddRow(change, 0, new QLabel(tr("After Fill 1"), this), Control(C::AfterFill1, "After Fill 1"));
  AddRow(change, 1, new QLabel(tr("After Fill 2"), this), Control(C::AfterFill2, "After Fill 2"));

  auto* variations = new QHBoxLayout;
  variations->addWidget(fraStart);
  variations->addWidget(fraChange, 1);
  auto* right = new QVBoxLayout;
  auto* top = new QHBoxLayout;
  top->addWidget(fraTempo);
  top->addWidget(fraKbd, 1);
  right->addLayout(top);
  right->addLayout(switches);
  right->addWidget(fraMaps);
  right->addLayout(variations);
  right->addStretch();

  AddHiddenControls(this);
  auto* columns = new QHBoxLayout;
  columns->addLayout(left, 1);
  columns->addLayout(right);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addLayout(ButtonRow());
}

}  // namespace tolvane
