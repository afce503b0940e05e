// The widget tests run on an offscreen 800x600 screen with one QApplication.

#include <QApplication>

#include <gtest/gtest.h>

#include "smallest_screen.h"
#include "ui/look.h"

int main(int argc, char** argv) {
  tolvane::test::UseSmallestScreen();
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  tolvane::InstallFontSubstitutes();
  return RUN_ALL_TESTS();
}
