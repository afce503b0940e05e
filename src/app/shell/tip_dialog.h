#pragma once
// FTip: one tip of the day from the tips file beside the program.

#include <QDialog>
#include <QStringList>

#include <random>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;

namespace tolvane {

inline constexpr const char* kTipsFile = "I3TIPS.TXT";

class TipDialog : public QDialog {
  Q_OBJECT

 public:
  explicit TipDialog(QWidget* parent = nullptr);

  // Reads one tip per line (empty lines too) and shows one at random. False
  // when the name is empty or the file does not exist.
  bool LoadTips(const QString& fileName);
  // Shows tip number `index` (from 1); with no tips the text stays as it is.
  void DisplayCurrentTip();
  void NextTip();

  int CurrentIndex() const { return index_; }
  const QStringList& Tips() const { return tips_; }

  QLabel* lblDYuNo;
  QFrame* picBkg;
  QLabel* lblTipText;
  QCheckBox* chkTips;
  QPushButton* cmdNextTip;
  QPushButton* cmdClose;

 private:
  QStringList tips_;
  int index_ = 0;
  std::mt19937 random_;
};

// Loads the tips beside the program, or says the file is missing.
void PrepareTips(TipDialog& dialog, const QString& programFolder);

}  // namespace tolvane
