#pragma once
// FInArr, FInSty and FInPrg: pick an Arrangement, a Style or a Program of a
// Set by bank and name. The dialogs a call redirection asks for.

#include <QDialog>

#include <string>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace tolvane {

class Workspace;

enum class SelectKind { Arrangement, Style, Program };

class SelectItemDialog : public QDialog {
  Q_OBJECT

 public:
  SelectItemDialog(const Workspace& ws, int d, SelectKind kind, int current, const std::string& caption,
                   QWidget* parent = nullptr);

  // The number of the selected entry once accepted, else -1.
  int Chosen() const;

  QComboBox* BankList() const { return cboBank_; }
  QListWidget* ItemList() const { return lstItems_; }
  QPushButton* OkButton() const { return cmdOK_; }
  QPushButton* CancelButton() const { return cmdCancel_; }

 private:
  void FillItems(int bank, int selectIndex);

  const Workspace& ws_;
  int d_;
  SelectKind kind_;
  int startIndex_ = 0;
  QComboBox* cboBank_;
  QListWidget* lstItems_;
  QComboBox* cboCategory_;
  QLabel* lblCategory_;
  QPushButton* cmdOK_;
  QPushButton* cmdCancel_;
};

// Shows the dialog modally and returns the chosen number, or -1.
int RunSelectItemDialog(const Workspace& ws, int d, SelectKind kind, int current, const std::string& caption,
                        QWidget* parent);

}  // namespace tolvane
