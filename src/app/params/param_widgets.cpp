#include "params/param_widgets.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QValidator>

#include <algorithm>
#include <utility>

#include "details/detail_lines.h"
#include "storage/text.h"
#include "ui/cp1252.h"
#include "ui/look.h"

namespace tolvane {

namespace {

bool IsChooseKey(const QKeyEvent* key) {
  return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space;
}

// Refuses every character that is not printable; the rest of the text stays.
class NameValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& text, int& cursor) const override {
    for (qsizetype i = text.size() - 1; i >= 0; --i) {
      if (text[i].isPrint()) continue;
      text.remove(i, 1);
      if (i < cursor) --cursor;
    }
    return Acceptable;
  }
};

// Takes Enter and Return on a list before the dialog's default button does.
class EnterFilter : public QObject {
 public:
  EnterFilter(QListWidget* list, std::function<void(int)> open) : QObject(list), list_(list), open_(std::move(open)) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
    if (list_->currentRow() >= 0) open_(list_->currentRow());
    return true;
  }

 private:
  QListWidget* list_;
  std::function<void(int)> open_;
};

}  // namespace

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) { setFocusPolicy(Qt::StrongFocus); }

void ClickLabel::mouseDoubleClickEvent(QMouseEvent* event) {
  QLabel::mouseDoubleClickEvent(event);
  emit activated();
}

void ClickLabel::keyPressEvent(QKeyEvent* event) {
  if (!IsChooseKey(event)) {
    QLabel::keyPressEvent(event);
    return;
  }
  event->accept();
  emit activated();
}

void ClickLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) return;
  QStylePainter painter(this);
  QStyleOptionFocusRect focus;
  focus.initFrom(this);
  focus.rect = contentsRect().adjusted(1, 1, -1, -1);
  painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
}

NumberBox::NumberBox(int lowest, int highest, QWidget* parent)
    : QSpinBox(parent), lowest_(lowest), highest_(highest) {
  // Wide enough for any number of three digits, so that none is refused unseen.
  setRange(-999, 999);
  setKeyboardTracking(false);
}

void NumberBox::stepBy(int steps) { setValue(std::clamp(value() + steps, lowest_, highest_)); }

QAbstractSpinBox::StepEnabled NumberBox::stepEnabled() const {
  StepEnabled enabled = StepNone;
  if (value() < highest_) enabled |= StepUpEnabled;
  if (value() > lowest_) enabled |= StepDownEnabled;
  return enabled;
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
  box->setValidator(new NameValidator(box));
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
  const int current = list->currentRow();
  list->clear();
  for (const TrackLine& line : lines) {
    auto* item = new QListWidgetItem(FromCp1252(line.text), list);
    item->setData(Qt::UserRole, line.program);
  }
  if (current >= 0 && current < list->count()) list->setCurrentRow(current);
}

void OnLineChosen(QListWidget* list, const std::function<void(int row)>& open) {
  QObject::connect(list, &QListWidget::itemDoubleClicked, list,
                   [list, open](QListWidgetItem* item) { open(list->row(item)); });
  list->installEventFilter(new EnterFilter(list, open));
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
