// The widget tests run on the offscreen platform with one QApplication.

#include <QApplication>

#include <gtest/gtest.h>

#include "ui/look.h"

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  tolvane::InstallFontSubstitutes();
  return RUN_ALL_TESTS();
}
