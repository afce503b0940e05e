#include "ui/qt_user_interface.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

#include "dialogs/disk_image_dialogs.h"
#include "dialogs/select_item_dialog.h"
#include "ui/cp1252.h"
#include "ui/progress_window.h"

namespace tolvane {

namespace {

QMessageBox::StandardButton ButtonOf(MsgResult r) {
  switch (r) {
    case MsgResult::Ok: return QMessageBox::Ok;
    case MsgResult::Cancel: return QMessageBox::Cancel;
    case MsgResult::Yes: return QMessageBox::Yes;
    case MsgResult::No: return QMessageBox::No;
  }
  return QMessageBox::Ok;
}

QMessageBox::Icon IconOf(MsgIcon icon) {
  switch (icon) {
    case MsgIcon::Critical: return QMessageBox::Critical;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::Exclamation: return QMessageBox::Warning;
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

// The core ends its lines in CR LF; a message box wants LF.
QString MessageText(const std::string& text) {
  QString s = FromMessageText(text);
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return s;
}

QString FilterText(const FileFilter& f) {
  return QString::fromStdString(f.name) + QStringLiteral(" (") + QString::fromStdString(f.pattern) + QStringLiteral(")");
}

}  // namespace

std::unique_ptr<QMessageBox> MakeMessageBox(const MessageRequest& request, QWidget* parent) {
  auto box = std::make_unique<QMessageBox>(parent);
  box->setIcon(IconOf(request.icon));
  box->setWindowTitle(FromMessageText(request.title));
  box->setText(MessageText(request.text));
  box->setTextFormat(Qt::PlainText);
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton escape = QMessageBox::Ok;
  switch (request.buttons) {
    case MsgButtons::Ok: buttons = QMessageBox::Ok; escape = QMessageBox::Ok; break;
    case MsgButtons::OkCancel: buttons = QMessageBox::Ok | QMessageBox::Cancel; escape = QMessageBox::Cancel; break;
    case MsgButtons::YesNo: buttons = QMessageBox::Yes | QMessageBox::No; escape = QMessageBox::No; break;
    case MsgButtons::YesNoCancel:
      buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
      escape = QMessageBox::Cancel;
      break;
  }
  box->setStandardButtons(buttons);
  const QMessageBox::StandardButton wanted = ButtonOf(request.defaultButton);
  // A default that is not among the buttons falls back to the first one.
  box->setDefaultButton(buttons.testFlag(wanted) ? wanted
                        : buttons.testFlag(QMessageBox::Ok) ? QMessageBox::Ok
                                                            : QMessageBox::Yes);
  box->setEscapeButton(escape);
  return box;
}

MsgResult ResultOfButton(int standardButton) {
  switch (standardButton) {
    case QMessageBox::Ok: return MsgResult::Ok;
    case QMessageBox::Yes: return MsgResult::Yes;
    case QMessageBox::No: return MsgResult::No;
    default: return MsgResult::Cancel;
  }
}

void ConfigureFileDialog(QFileDialog& dialog, const FileDialogRequest& request) {
  dialog.setWindowTitle(FromMessageText(request.title));
  dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(request.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setDirectory(FromPath(request.initialFolder));
  QStringList filters;
  for (const auto& f : request.filters) filters << FilterText(f);
  dialog.setNameFilters(filters);
  if (request.filterIndex >= 0 && request.filterIndex < filters.size())
    dialog.selectNameFilter(filters.at(request.filterIndex));
  dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
  // A pattern in the name field would only repeat the filter.
  if (!request.initialName.empty() && request.initialName.find('*') == std::string::npos)
    dialog.selectFile(FromPath(request.initialName));
  // Overwriting is asked about by the Set's own question, not by the dialog.
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  dialog.setOption(QFileDialog::ReadOnly, false);
}

QtUserInterface::QtUserInterface() = default;

QtUserInterface::~QtUserInterface() {
  // This class's own restore: a derived part is gone by now.
  while (busyDepth_ > 0) QtUserInterface::SetBusy(false);
  delete progress_.data();
}

void QtUserInterface::Attach(Workspace* ws, std::function<QWidget*()> parentWindow) {
  ws_ = ws;
  parentWindow_ = std::move(parentWindow);
}

QWidget* QtUserInterface::Parent() const {
  if (QWidget* active = QApplication::activeModalWidget()) return active;
  return parentWindow_ ? parentWindow_() : nullptr;
}

MsgResult QtUserInterface::ShowMessage(const MessageRequest& request) {
  auto box = MakeMessageBox(request, Parent());
  // The hourglass must not hide the question.
  QApplication::setOverrideCursor(Qt::ArrowCursor);
  const int button = box->exec();
  QApplication::restoreOverrideCursor();
  return ResultOfButton(button);
}

int QtUserInterface::ChooseFromList(const std::string& title, const std::string& prompt,
                                    const std::vector<std::string>& entries) {
  QStringList shown;
  for (const auto& e : entries) shown << FromMessageText(e);
  ChooseFromListDialog dialog(Parent(), FromMessageText(title), FromMessageText(prompt), shown);
  QApplication::setOverrideCursor(Qt::ArrowCursor);
  const bool chosen = dialog.exec() == QDialog::Accepted;
  QApplication::restoreOverrideCursor();
  return chosen ? dialog.Chosen() : -1;
}

std::optional<std::string> QtUserInterface::AskText(const std::string& title, const std::string& prompt,
                                                    const std::string& initial) {
  bool ok = false;
  QApplication::setOverrideCursor(Qt::ArrowCursor);
  const QString text = QInputDialog::getText(Parent(), FromMessageText(title), FromMessageText(prompt),
                                             QLineEdit::Normal, FromMessageText(initial), &ok);
  QApplication::restoreOverrideCursor();
  if (!ok) return std::nullopt;
  return ToPath(text);  // a Set name, used in a file name
}

FileDialogResult QtUserInterface::ChooseFile(const FileDialogRequest& request) {
  QFileDialog dialog(Parent());
  ConfigureFileDialog(dialog, request);
  FileDialogResult result;
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return result;
  result.outcome = FileDialogResult::Outcome::Chosen;
  result.path = ToPath(dialog.selectedFiles().first());
  return result;
}

void QtUserInterface::SetBusy(bool busy) {
  if (busy) {
    if (busyDepth_++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
  } else if (busyDepth_ > 0) {
    if (--busyDepth_ == 0) QApplication::restoreOverrideCursor();
  }
}

ProgressWindow* QtUserInterface::Progress() {
  if (!progress_) progress_ = new ProgressWindow(parentWindow_ ? parentWindow_() : nullptr);
  return progress_;
}

void QtUserInterface::ShowProgress(const std::string& caption, double minimum, double maximum) {
  Progress()->Start(FromMessageText(caption), minimum, maximum);
}

void QtUserInterface::AdvanceProgress(double amount) {
  if (progress_) progress_->Advance(amount);
}

void QtUserInterface::HideProgress() {
  if (progress_) progress_->Finish();
}

void QtUserInterface::PauseWithEvents(double seconds) { PauseWithEventsFor(seconds * pauseScale_); }

int QtUserInterface::SelectArrangement(int d, int current, const std::string& caption) {
  if (!ws_) return -1;
  return RunSelectItemDialog(*ws_, d, SelectKind::Arrangement, current, caption, Parent());
}

int QtUserInterface::SelectStyle(int d, int current, const std::string& caption) {
  if (!ws_) return -1;
  return RunSelectItemDialog(*ws_, d, SelectKind::Style, current, caption, Parent());
}

int QtUserInterface::SelectProgram(int d, int current, const std::string& caption) {
  if (!ws_) return -1;
  return RunSelectItemDialog(*ws_, d, SelectKind::Program, current, caption, Parent());
}

void PauseWithEventsFor(double seconds) {
  QElapsedTimer clock;  // monotonic: midnight does not restart it
  clock.start();
  const auto wait = static_cast<qint64>(seconds * 1000.0);
  do {
    QApplication::processEvents(QEventLoop::AllEvents, 10);
  } while (clock.elapsed() < wait);
}

}  // namespace tolvane
