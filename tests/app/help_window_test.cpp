#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include <gtest/gtest.h>

#include "shell/help_window.h"

// Back by its key, then Forward and Contents by their buttons walk the pages.
TEST(HelpWindow, WalksThePages) {
  tolvane::HelpWindow help;
  help.ShowContents(QStringLiteral(TOLVANE_DATA_DIR));
  help.Browser()->setSource(help.Browser()->source().resolved(QUrl("editing.html#paste")));
  QTest::keyClick(help.Browser(), Qt::Key_Left, Qt::AltModifier);
  EXPECT_EQ(help.Browser()->source().fileName(), "tolvane.html");
  help.cmdForward->click();
  EXPECT_EQ(help.Browser()->source().fileName(), "editing.html");
  help.cmdContents->click();
  EXPECT_EQ(help.Browser()->source().fileName(), "tolvane.html");
}
