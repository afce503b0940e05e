#pragma once
// FAbout: the program's name, version and purpose, and the caution to work on copies.

#include <QDialog>

class QLabel;
class QPushButton;

namespace tolvane {

QString VersionText();

class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(QWidget* parent = nullptr);

  QLabel* lblTitle;
  QLabel* lblVersion;
  QLabel* lblDescription;
  QLabel* lblDisclaimer;
  QLabel* imgKbd;
  QPushButton* cmdOK;
};

}  // namespace tolvane
