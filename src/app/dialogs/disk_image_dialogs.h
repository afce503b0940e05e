#pragma once
// The dialogs of disk images: choosing one Set of an image, typing a Set's
// name, and the size and volume label of a new image.

#include <QDialog>

#include <optional>
#include <string>
#include <vector>

class QLineEdit;
class QListWidget;
class QRadioButton;

namespace tolvane {

// One entry of a list to pick; a double click picks it at once.
class ChooseFromListDialog : public QDialog {
 public:
  ChooseFromListDialog(QWidget* parent, const QString& title, const QString& prompt, const QStringList& entries);
  // The chosen row, or -1.
  int Chosen() const;
  QListWidget* list = nullptr;
};

// File > New Disk Image...: 1.44 MB or 720 KB, and a volume label of up to
// 11 characters.
class NewDiskImageDialog : public QDialog {
 public:
  explicit NewDiskImageDialog(QWidget* parent);
  int Kilobytes() const;
  std::string Label() const;
  QRadioButton* optHigh = nullptr;
  QRadioButton* optLow = nullptr;
  QLineEdit* txtLabel = nullptr;
};

class Workspace;
// Asks for the new image's size, label and file, and makes it. True when an
// image was made.
bool NewDiskImageCommand(Workspace& ws, QWidget* parent);

}  // namespace tolvane
