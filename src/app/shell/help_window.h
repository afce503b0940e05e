#pragma once
// The program's own help: HTML pages shipped beside the program, read in a
// small browser with Contents, Back and Forward (also Alt+Up, Alt+Left,
// Alt+Right). Links between the pages are followed inside the window, links
// to the web open in the desktop's browser.

#include <QUrl>
#include <QWidget>

class QTextBrowser;
class QToolButton;

namespace tolvane {

inline constexpr const char* kHelpFile = "help/tolvane.html";

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent = nullptr);
  // Opens the contents page of the help in the program folder.
  void ShowContents(const QString& programFolder);
  QTextBrowser* Browser() const { return browser_; }

  QToolButton* cmdContents;
  QToolButton* cmdBack;
  QToolButton* cmdForward;

 private:
  void GoToContents();

  QTextBrowser* browser_;
  QUrl contents_;
};

}  // namespace tolvane
