// The report window and the subset report file of the DEMO Set's window.

#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

#include <functional>

#include "demo_window.h"
#include "reports/report_window.h"
#include "ui/cp1252.h"

namespace tolvane::test {
namespace {

std::string ReadAll(const std::string& path) {
  QFile file(QString::fromStdString(path));
  return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string("(none)");
}

std::size_t LineStart(const std::string& text, int n) {
  std::size_t at = 0;
  for (int i = 0; i < n; ++i) at = text.find("\r\n", at) + 2;
  return at;
}

// Runs `check` on the report window once its modal loop runs, then closes it.
void WhenShown(const std::function<void(ReportWindow*)>& check) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, [poll, check] {
    auto* window = qobject_cast<ReportWindow*>(QApplication::activeModalWidget());
    if (!window) return;
    poll->deleteLater();
    poll->stop();
    check(window);
    window->cmdClose->click();
  });
  poll->start(10);
}

using ReportWindowTest = DemoWindowTest;

TEST_F(ReportWindowTest, ShowsAndSavesTheReport) {
  const std::string folder = h.Folder().toStdString();
  bool shown = false;
  WhenShown([&](ReportWindow* window) {
    shown = true;
    EXPECT_EQ(window->windowTitle(), "Report on DEMO");
    EXPECT_EQ(window->txtRep->font().family(), "Courier New");
    const std::string& text = window->Text();
    // The heading has today's date; everything else is as it must stay.
    const std::string heading = text.substr(LineStart(text, 3), 100);
    EXPECT_TRUE(QRegularExpression("^DEMO +\\d{1,2}-[A-Z][a-z]{2}-\\d{4} \\d\\d:\\d\\d:\\d\\d$")
                    .match(QString::fromStdString(heading)).hasMatch()) << heading;
    std::string expected = ReadAll(TOLVANE_EXPECTED_DIR "/DEMO_report.txt");
    expected.replace(LineStart(expected, 3), 100, heading);
    EXPECT_EQ(text, expected);
    EXPECT_EQ(window->txtRep->toPlainText().replace("\n", "\r\n").toStdString(), text);

    h.ui.ChooseFile(folder + "/DEMO.TXT");
    window->cmdSave->click();
    EXPECT_EQ(ReadAll(folder + "/DEMO.TXT"), text + "\r\n");
  });
  doc->Menus().uSetReport->trigger();
  EXPECT_TRUE(shown);
  EXPECT_EQ(h.ui.progressCaptions.back(), "Creating Set Report...");
  EXPECT_EQ(h.ui.unexpected, 0);
}

// A Set name from a path (UTF-8) shows as the file system has it, and the
// date stays in its column.
TEST_F(ReportWindowTest, ASetNameBeyondAsciiIsShownAsItsPathHasIt) {
  h.Ws().Slot(1).name = "D\xC3\x89MO";
  WhenShown([&](ReportWindow* window) {
    const QString heading = window->txtRep->toPlainText().split('\n').at(3);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Report on D\u00C9MO"));
    EXPECT_TRUE(heading.startsWith(QStringLiteral("D\u00C9MO "))) << heading.toStdString();
    EXPECT_EQ(heading.size(), 100);
  });
  doc->Menus().uSetReport->trigger();
  h.Ws().Slot(1).name = "DEMO";
}

TEST_F(ReportWindowTest, SubsetFileOfTheTabShown) {
  ShowTab(kTabStyles);
  const std::string path = h.Folder().toStdString() + "/DEMO.XLS";
  h.ui.ChooseFile(path);
  doc->Menus().uSubsetReport->trigger();
  EXPECT_EQ(h.ui.fileDialogs.back().title, "Save Style Report to File...");
  EXPECT_EQ(ReadAll(path), ReadAll(TOLVANE_EXPECTED_DIR "/DEMO_styles.xls"));
}

}  // namespace
}  // namespace tolvane::test
