#include "dialogs/select_item_dialog.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "arrangements/arrangement_data.h"
#include "programs/program_numbers.h"
#include "storage/tables.h"
#include "sets/workspace.h"
#include "styles/style_accessors.h"
#include "ui/cp1252.h"
#include "ui/look.h"

namespace tolvane {

namespace {

// Room in a title bar beside its caption: the icon, three buttons, margins.
constexpr int kTitleBarAllowance = 140;

struct KindTexts {
  int tableKind;
  const char* objectName;
  const char* bankTip;
  const char* listTip;
  const char* categoryTip;
};

KindTexts TextsOf(SelectKind kind) {
  switch (kind) {
    case SelectKind::Arrangement:
      return {kArrangement, "FInArr", "Arrangement Bank", "Arrangement Reference and Name", "Arrangement Category"};
    case SelectKind::Style: return {kStyle, "FInSty", "Style Bank", "Style Reference and Name", "Style Category"};
    case SelectKind::Program: break;
  }
  return {kProgram, "FInPrg", "Program Bank", "Program Reference and Name", "Program Category"};
}

// (bank, index) of a number, or bank 0 index 0 when it names nothing.
std::pair<int, int> StartOf(SelectKind kind, int number) {
  std::pair<int, int> at{65535, 65535};
  switch (kind) {
    case SelectKind::Arrangement: at = SplitArrangementNumber(number); break;
    case SelectKind::Style: at = SplitStyleNumber(number); break;
    case SelectKind::Program: at = SplitProgramNumber(number); break;
  }
  if (at.first == 65535) return {0, 0};
  return at;
}

int NumberOf(SelectKind kind, int bank, int index) {
  switch (kind) {
    case SelectKind::Arrangement: return ArrangementNumber(bank, index);
    case SelectKind::Style: return StyleNumber(bank, index);
    case SelectKind::Program: break;
  }
  return ProgramNumber(bank, index);
}

std::string EntryText(const Workspace& ws, int d, SelectKind kind, int number) {
  const SetStores& s = ws.Stores(d);
  switch (kind) {
    case SelectKind::Arrangement: return ArrangementLabel(number) + " " + ArrangementName(s.arrangements, number);
    case SelectKind::Style: return StyleLabel(number) + " " + StyleName(ws.presets, s.styles, number);
    case SelectKind::Program: break;
  }
  return ProgramLabel(number) + " " + ProgramName(ws.presets, s.programs, number);
}

}  // namespace

SelectItemDialog::SelectItemDialog(const Workspace& ws, int d, SelectKind kind, int current,
                                   const std::string& caption, QWidget* parent)
    : QDialog(parent), ws_(ws), d_(d), kind_(kind) {
  const KindTexts texts = TextsOf(kind);
  setObjectName(QString::fromLatin1(texts.objectName));
  setWindowTitle(FromMessageText(caption));
  setModal(true);
  // Wide enough for the caption in a bold title bar beside the window's icon
  // and buttons ("Select a Program for track 'Trk  2'").
  QFont title = font();
  title.setBold(true);
  setMinimumWidth(QFontMetrics(title).horizontalAdvance(windowTitle()) + kTitleBarAllowance);

  cboBank_ = new QComboBox(this);
  cboBank_->setToolTip(QString::fromLatin1(texts.bankTip));
  lstItems_ = new QListWidget(this);
  lstItems_->setToolTip(QString::fromLatin1(texts.listTip));
  lstItems_->setFont(FixedPitchFont());
  lstItems_->setMinimumSize(220, 260);
  cboCategory_ = new QComboBox(this);
  cboCategory_->setToolTip(QString::fromLatin1(texts.categoryTip));
  lblCategory_ = new QLabel(tr("Category"), this);
  // The instrument's files hold no category: the list exists but never shows.
  cboCategory_->hide();
  lblCategory_->hide();
  cmdOK_ = new QPushButton(tr("&OK"), this);
  cmdCancel_ = new QPushButton(tr("&Cancel"), this);
  cmdOK_->setDefault(true);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cmdOK_);
  buttons->addWidget(cmdCancel_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(cboBank_);
  layout->addWidget(lstItems_);
  layout->addLayout(buttons);

  for (int b = 0; b < BankCount(texts.tableKind); ++b)
    cboBank_->addItem(QString::fromStdString(BankLetter(texts.tableKind, b)), BankHighestIndex(texts.tableKind, b));

  const auto [bank, index] = StartOf(kind, current);
  startIndex_ = index;
  cboBank_->setCurrentIndex(bank);
  FillItems(bank, startIndex_);
  // Another bank shows the entry at the start index again.
  connect(cboBank_, &QComboBox::currentIndexChanged, this, [this](int b) { FillItems(b, startIndex_); });
  connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void SelectItemDialog::FillItems(int bank, int selectIndex) {
  lstItems_->clear();
  const int highest = cboBank_->itemData(bank).toInt();
  for (int i = 0; i <= highest; ++i) {
    const int number = NumberOf(kind_, bank, i);
    auto* item = new QListWidgetItem(FromCp1252(EntryText(ws_, d_, kind_, number)), lstItems_);
    item->setData(Qt::UserRole, number);
  }
  if (selectIndex >= 0 && selectIndex < lstItems_->count()) lstItems_->setCurrentRow(selectIndex);
}

int SelectItemDialog::Chosen() const {
  if (result() != QDialog::Accepted || !lstItems_->currentItem()) return -1;
  return lstItems_->currentItem()->data(Qt::UserRole).toInt();
}

int RunSelectItemDialog(const Workspace& ws, int d, SelectKind kind, int current, const std::string& caption,
                        QWidget* parent) {
  if (!ws.InUse(d)) return -1;
  SelectItemDialog dialog(ws, d, kind, current, caption, parent);
  dialog.exec();
  return dialog.Chosen();
}

}  // namespace tolvane
