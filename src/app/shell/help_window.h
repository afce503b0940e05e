#pragma once
// The program's own help: an HTML page shipped beside the program.

#include <QWidget>

class QTextBrowser;

namespace tolvane {

inline constexpr const char* kHelpFile = "help/tolvane.html";

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent = nullptr);
  // Opens the contents page of the help in the program folder.
  void ShowContents(const QString& programFolder);
  QTextBrowser* Browser() const { return browser_; }

 private:
  QTextBrowser* browser_;
};

}  // namespace tolvane
