#include "shell/shell_dialogs.h"

#include <QApplication>
#include <QCheckBox>

#include "shell/about_dialog.h"
#include "shell/help_window.h"
#include "shell/options_dialog.h"
#include "shell/tip_dialog.h"
#include "sets/workspace.h"

namespace tolvane {

QtShellDialogs::QtShellDialogs(QString programFolder, std::function<QWidget*()> parentWindow)
    : programFolder_(std::move(programFolder)), parentWindow_(std::move(parentWindow)) {}

QtShellDialogs::~QtShellDialogs() { delete help_.data(); }

QWidget* QtShellDialogs::Parent() const {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return parentWindow_ ? parentWindow_() : nullptr;
}

void QtShellDialogs::ShowAbout() {
  AboutDialog dialog(Parent());
  dialog.exec();
}

void QtShellDialogs::ShowTipOfTheDay(std::int16_t& showTips) {
  TipDialog dialog(Parent());
  PrepareTips(dialog, programFolder_);
  dialog.chkTips->setChecked(showTips == 1);
  dialog.exec();
  showTips = dialog.chkTips->isChecked() ? 1 : 0;
}

void QtShellDialogs::ShowOptions(Preferences& prefs) {
  OptionsDialog dialog(Parent());
  dialog.LoadFrom(prefs);
  dialog.exec();
  dialog.StoreInto(prefs);
}

void QtShellDialogs::ShowHelp() {
  if (!help_) help_ = new HelpWindow(nullptr);
  help_->ShowContents(programFolder_);
}

}  // namespace tolvane
