#pragma once
// What a document window asks of the main window: the commands its File,
// Window, Options and Help menus share with the frame.

#include <QIcon>
#include <QString>

namespace tolvane {

class ShellDialogs;

class ShellCommands {
 public:
  virtual ~ShellCommands() = default;
  virtual void NewSet() = 0;
  virtual void OpenSetWithDialog() = 0;
  // File > New Disk Image...
  virtual void NewDiskImage() = 0;
  virtual void ExitProgram() = 0;
  virtual void CascadeWindows() = 0;
  virtual void TileWindows() = 0;
  virtual void ArrangeIcons() = 0;
  // Utilities > Library...: the one Library window, brought forward.
  virtual void ShowLibrary() = 0;
  virtual ShellDialogs& Dialogs() = 0;
  // The about entry's caption and the window icon the document windows take over.
  virtual QString AboutCaption() const = 0;
  virtual QIcon MainIcon() const = 0;
};

}  // namespace tolvane
