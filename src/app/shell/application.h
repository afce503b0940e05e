#pragma once
// Start-up of the editor in the fixed order of the program, and the objects
// that live for the whole run.

#include <QSize>
#include <QString>

#include <memory>

#include "document/document_windows.h"
#include "sets/workspace.h"

namespace tolvane {

class MainWindow;
class QtShellDialogs;
class QtUserInterface;
class SettingsStore;
class ShellDialogs;

// What a run depends on. Left empty, the real dialogs and the user's settings store serve.
struct ShellEnvironment {
  QString programFolder;
  QSize screenSize;  // in pixels
  QString applicationName = QStringLiteral("tolvane");
  UserInterface* ui = nullptr;
  ShellDialogs* dialogs = nullptr;
  SettingsStore* settings = nullptr;
};

// The screen check: below 800x600 the user is asked whether to go on.
bool ScreenCheck(UserInterface& ui, QSize screen);

class Application {
 public:
  explicit Application(const ShellEnvironment& env);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // Steps 1 to 10 of start-up. False when the program must end at once (the
  // screen check answered No, a missing template or preset names file).
  bool Start();

  Workspace& Work() { return ws_; }
  MainWindow* Main() const { return main_.get(); }
  DocumentWindows& Documents() { return documents_; }
  // The real dialogs' interface, when no other was given.
  QtUserInterface* QtUi() const { return ownUi_.get(); }

 private:
  ShellEnvironment env_;
  std::unique_ptr<QtUserInterface> ownUi_;
  std::unique_ptr<QtShellDialogs> ownDialogs_;
  std::unique_ptr<SettingsStore> ownSettings_;
  UserInterface& ui_;
  ShellDialogs& dialogs_;
  SettingsStore& settings_;
  DocumentWindows documents_;
  Workspace ws_;
  // Sets inside disk images, through mtools.
  std::unique_ptr<DiskImages> images_;
  std::unique_ptr<MainWindow> main_;
};

}  // namespace tolvane
