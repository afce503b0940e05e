#include "params/param_widgets.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

#include "details/detail_lines.h"
#include "storage/text.h"
#include "ui/cp1252.h"
#include "ui/look.h"

namespace tolvane {

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) {}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent* event) {
  QLabel::mouseDoubleClickEvent(event);
  emit doubleClicked();
}

ParamsDialog::ParamsDialog(const char* objectName, const std::string& caption, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QString::fromLatin1(objectName));
  setWindowTitle(FromMessageText(caption));
  setModal(true);
  cmdOK = new QPushButton(tr("&OK"), this);
  cmdCancel = new QPushButton(tr("&Cancel"), this);
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
  cmdOK->setDefault(true);
  connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QHBoxLayout* ParamsDialog::ButtonRow() {
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(cmdOK);
  row->addWidget(cmdCancel);
  return row;
}

QLineEdit* MakeNameBox(QWidget* parent, const std::string& name, const std::function<void(const std::string&)>& type,
                       const std::function<std::string()>& shown) {
  auto* box = new QLineEdit(FromCp1252(name), parent);
  box->setObjectName(QStringLiteral("txtNam"));
  box->setToolTip(QObject::tr("Type new name here"));
  box->setMaxLength(static_cast<int>(kNameWidth));
  box->setFont(FixedPitchFont());
  QObject::connect(box, &QLineEdit::textEdited, box, [box, type, shown](const QString& text) {
    type(ToCp1252(text));
    const QString kept = FromCp1252(shown());
    if (kept == text) return;
    const int cursor = box->cursorPosition() - static_cast<int>(text.size() - kept.size());
    box->setText(kept);
    box->setCursorPosition(std::max(0, cursor));
  });
  return box;
}

QListWidget* MakeList(QWidget* parent, const char* tip, int visibleLines) {
  auto* list = new QListWidget(parent);
  if (tip) list->setToolTip(QObject::tr(tip));
  list->setFont(FixedPitchFont());
  const int line = QFontMetrics(list->font()).height() + 2;
  list->setMinimumHeight(visibleLines * line + 2 * list->frameWidth() + 4);
  list->setMinimumWidth(QFontMetrics(list->font()).horizontalAdvance(QString(26, QLatin1Char('M'))));
  return list;
}

void FillTrackList(QListWidget* list, const std::vector<TrackLine>& lines) {
  list->clear();
  for (const TrackLine& line : lines) {
    auto* item = new QListWidgetItem(FromCp1252(line.text), list);
    item->setData(Qt::UserRole, line.program);
  }
}

void FillTextList(QListWidget* list, const std::vector<std::string>& texts) {
  list->clear();
  for (const std::string& text : texts) list->addItem(FromCp1252(text));
}

QComboBox* MakeDropDown(QWidget* parent, const std::vector<std::string>& entries, int position) {
  auto* box = new QComboBox(parent);
  for (const std::string& entry : entries) box->addItem(FromCp1252(entry));
  box->setCurrentIndex(position);
  return box;
}

QGroupBox* MakeFrame(QWidget* parent, const char* caption) { return new QGroupBox(QObject::tr(caption), parent); }

void AddRow(QGridLayout* grid, int row, QLabel* label, QWidget* control) {
  grid->addWidget(label, row, 0);
  grid->addWidget(control, row, 1);
}

ClickLabel* MakeCallLabel(QWidget* parent, const std::string& text) {
  auto* label = new ClickLabel(parent);
  label->setText(FromCp1252(text));
  label->setFont(FixedPitchFont());
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  return label;
}

}  // namespace tolvane
