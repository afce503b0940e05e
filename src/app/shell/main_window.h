#pragma once
// FMain: the frame that holds the document windows. It shows its own menus
// while no document window is active and the active window's menus otherwise.

#include <QMainWindow>
#include <QPointer>

#include "document/shell_commands.h"

class QAction;
class QMdiArea;
class QMenu;

namespace tolvane {

class DocumentWindow;
class DocumentWindows;
class LibraryWindow;
class SettingsStore;
class Workspace;

class MainWindow : public QMainWindow, public ShellCommands {
  Q_OBJECT

 public:
  MainWindow(Workspace& ws, DocumentWindows& documents, ShellDialogs& dialogs, SettingsStore& settings);
  ~MainWindow() override;

  QMdiArea* Area() const { return mdiArea_; }
  // Shows the menus of the document window, or the frame's own with none.
  void ShowMenusOf(DocumentWindow* document);
  // True once the run has ended normally and the preferences are written.
  bool RunEnded() const { return ended_; }

  void NewSet() override;
  void OpenSetWithDialog() override;
  void NewDiskImage() override;
  void ExitProgram() override;
  void CascadeWindows() override;
  void TileWindows() override;
  void ArrangeIcons() override;
  void ShowLibrary() override;
  // The Library window once it has been opened, else nullptr.
  LibraryWindow* Library() const;
  ShellDialogs& Dialogs() override { return dialogs_; }
  QString AboutCaption() const override;
  QIcon MainIcon() const override { return windowIcon(); }

  QMenu* mnuFile;
  QAction* mnuFNew;
  QAction* mnuFOpen;
  QAction* mnuFNewImage;
  QAction* mnuFExit;
  QMenu* mnuUtilities;
  QAction* mnuULibrary;
  QMenu* mnuHelp;
  QAction* mnuHTopics;
  QAction* mnuHAbout;

 signals:
  void runEnded();

 protected:
  // Every document window may ask to save and may stop the end of the run;
  // the preferences are written only when no Set is left open.
  void closeEvent(QCloseEvent* event) override;

 private:
  Workspace& ws_;
  DocumentWindows& documents_;
  ShellDialogs& dialogs_;
  SettingsStore& settings_;
  QMdiArea* mdiArea_;
  QPointer<LibraryWindow> library_;
  bool ended_ = false;
};

}  // namespace tolvane
