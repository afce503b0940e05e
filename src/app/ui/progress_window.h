#pragma once
// FProgBar: the small window that shows how far a long load or fill has got.

#include <QDialog>

class QLabel;
class QProgressBar;

namespace tolvane {

class ProgressWindow : public QDialog {
  Q_OBJECT

 public:
  explicit ProgressWindow(QWidget* parent = nullptr);

  // Shows the window with the bar at its minimum; `note` is shown under the
  // bar when it is not empty.
  void Start(const QString& caption, double minimum, double maximum, const QString& note = {});
  void Advance(double amount);
  void Finish();

  double Value() const { return value_; }
  QProgressBar* Bar() const { return prbProgBar_; }
  QLabel* Note() const { return lblNote_; }

 Q_SIGNALS:
  void started(const QString& caption);

 private:
  void ShowValue();

  QProgressBar* prbProgBar_;
  QLabel* lblNote_;
  double minimum_ = 0;
  double maximum_ = 1;
  double value_ = 0;
};

}  // namespace tolvane
