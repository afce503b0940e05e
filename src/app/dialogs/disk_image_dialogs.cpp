#include "dialogs/disk_image_dialogs.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include <filesystem>
#include <system_error>

#include "sets/image_sets.h"
#include "sets/workspace.h"

namespace tolvane {

namespace {

QDialogButtonBox* OkCancel(QDialog* dialog) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&OK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("&Cancel"));
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return buttons;
}

}  // namespace

ChooseFromListDialog::ChooseFromListDialog(QWidget* parent, const QString& title, const QString& prompt,
                                           const QStringList& entries)
    : QDialog(parent) {
  setWindowTitle(title);
  setObjectName(QStringLiteral("FChooseSet"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(prompt, this));
  list = new QListWidget(this);
  list->setObjectName(QStringLiteral("lstSets"));
  list->addItems(entries);
  list->setCurrentRow(0);
  layout->addWidget(list);
  layout->addWidget(OkCancel(this));
  connect(list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
  resize(280, 300);
}

int ChooseFromListDialog::Chosen() const { return list->currentRow(); }

NewDiskImageDialog::NewDiskImageDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("New Disk Image"));
  setObjectName(QStringLiteral("FNewImage"));
  auto* layout = new QVBoxLayout(this);
  optHigh = new QRadioButton(QStringLiteral("&1.44 MB (high density)"), this);
  optLow = new QRadioButton(QStringLiteral("&720 KB (double density)"), this);
  optHigh->setChecked(true);
  layout->addWidget(optHigh);
  layout->addWidget(optLow);
  auto* form = new QFormLayout;
  txtLabel = new QLineEdit(this);
  txtLabel->setObjectName(QStringLiteral("txtLabel"));
  txtLabel->setMaxLength(11);
  // What a FAT volume label may hold; mformat writes it in upper case.
  txtLabel->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[A-Za-z0-9 _-]*")), this));
  form->addRow(QStringLiteral("Volume &label:"), txtLabel);
  layout->addLayout(form);
  layout->addWidget(OkCancel(this));
  setMinimumWidth(300);
}

int NewDiskImageDialog::Kilobytes() const { return optLow->isChecked() ? 720 : 1440; }

std::string NewDiskImageDialog::Label() const { return txtLabel->text().trimmed().toUpper().toStdString(); }

bool NewDiskImageCommand(Workspace& ws, QWidget* parent) {
  NewDiskImageDialog dialog(parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  FileDialogRequest request;
  request.save = true;
  request.title = "New Disk Image";
  request.initialFolder = ws.prefs.pathNam;
  request.filters = {{"Disk images", "*.img *.ima"}};
  request.defaultExtension = "img";
  const FileDialogResult chosen = ws.ui.ChooseFile(request);
  if (chosen.outcome != FileDialogResult::Outcome::Chosen) return false;
  std::error_code ec;
  if (std::filesystem::exists(chosen.path, ec) &&
      ws.ui.ShowMessage({MsgIcon::Exclamation, MsgButtons::OkCancel, MsgResult::Cancel, "New Disk Image",
                         BaseNameOf(chosen.path) + " already exists.\r\nReplace it?"}) != MsgResult::Ok)
    return false;
  if (!MakeDiskImage(ws, chosen.path, dialog.Kilobytes(), dialog.Label())) return false;
  ws.prefs.pathNam = FolderOf(chosen.path);
  return true;
}

}  // namespace tolvane
