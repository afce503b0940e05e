#include "shell/options_dialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "sets/workspace.h"

namespace tolvane {

OptionsDialog::OptionsDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FOptions"));
  setWindowTitle(tr("Options"));
  setModal(true);
  chkStartOld = new QCheckBox(tr("Open last Set at Start-up"), this);
  chkWarnDupl = new QCheckBox(tr("Duplicate name warning"), this);
  chkHighCall = new QCheckBox(tr("Highlight called Items"), this);
  cmdClose = new QPushButton(tr("&Close"), this);
  cmdClose->setDefault(true);
  connect(cmdClose, &QPushButton::clicked, this, &QDialog::hide);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cmdClose);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(chkStartOld);
  layout->addWidget(chkWarnDupl);
  layout->addWidget(chkHighCall);
  layout->addSpacing(8);
  layout->addLayout(buttons);
  setMinimumWidth(260);
}

void OptionsDialog::LoadFrom(const Preferences& prefs) {
  chkHighCall->setChecked(prefs.highCall == 1);
  chkWarnDupl->setChecked(prefs.warnDupl != 0);  // any non-zero value runs the checks
  chkStartOld->setChecked(prefs.startOld == 1);
}

void OptionsDialog::StoreInto(Preferences& prefs) const {
  prefs.highCall = chkHighCall->isChecked() ? 1 : 0;
  prefs.warnDupl = chkWarnDupl->isChecked() ? 1 : 0;
  prefs.startOld = chkStartOld->isChecked() ? 1 : 0;
}

void OptionsDialog::closeEvent(QCloseEvent* event) {
  event->ignore();
  hide();
}

void OptionsDialog::reject() { hide(); }

}  // namespace tolvane
