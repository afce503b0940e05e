// Korg-Tolvane: an editor for the disk files of the Korg i3.

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QScreen>

#include "shell/application.h"
#include "shell/main_window.h"
#include "sets/data_folder.h"
#include "shell/preferences_store.h"
#include "ui/look.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The run ends when the main window's unload has written the preferences.
  QApplication::setQuitOnLastWindowClosed(false);
  tolvane::InstallFontSubstitutes();

  tolvane::ShellEnvironment env;
  // The program's data files: beside it, or where they were installed.
  const QByteArray programDir = QFile::encodeName(QCoreApplication::applicationDirPath());
  env.programFolder = QFile::decodeName(tolvane::DataFolder(programDir.toStdString()).c_str());
  env.applicationName = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
  env.screenSize = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->size() : QSize(800, 600);
  QCoreApplication::setApplicationName(env.applicationName);

  tolvane::Application shell(env);
  QObject::connect(shell.Main(), &tolvane::MainWindow::runEnded, &app, &QApplication::quit, Qt::QueuedConnection);
  if (!shell.Start()) return 0;
  return QApplication::exec();
}
