#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include <gtest/gtest.h>

#include "shell/help_window.h"

namespace tolvane::test {
namespace {

// The pages are walked inside the window: Back by its key, Forward and
// Contents by their buttons; Contents is a page of its own in the history.
TEST(HelpWindow, WalksThePagesBackAndForth) {
  HelpWindow help;
  help.ShowContents(QStringLiteral(TOLVANE_DATA_DIR));
  QTextBrowser* page = help.Browser();
  const QUrl contents = page->source();
  ASSERT_TRUE(contents.toLocalFile().endsWith("/help/tolvane.html"));
  EXPECT_FALSE(help.cmdBack->isEnabled());
  page->setSource(contents.resolved(QUrl("editing.html#paste")));
  QTest::keyClick(page, Qt::Key_Left, Qt::AltModifier);
  EXPECT_EQ(page->source(), contents);
  help.cmdForward->click();
  EXPECT_EQ(page->source().fileName(), "editing.html");
  help.cmdContents->click();
  EXPECT_EQ(page->source(), contents);
  EXPECT_TRUE(help.cmdBack->isEnabled());
  EXPECT_FALSE(help.cmdForward->isEnabled());
}

TEST(HelpWindow, NamesTheMissingFile) {
  HelpWindow help;
  help.ShowContents(QStringLiteral("/nowhere"));
  EXPECT_EQ(help.Browser()->toPlainText(), "The help file /nowhere/help/tolvane.html was not found.");
  EXPECT_FALSE(help.cmdContents->isEnabled());
}

}  // namespace
}  // namespace tolvane::test
