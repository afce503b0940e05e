#pragma once
// The core's questions, file choices and feedback, answered with real dialogs.

#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

#include "ports.h"

class QFileDialog;
class QMessageBox;

namespace tolvane {

class ProgressWindow;
class Workspace;

// A message box set up exactly as the request says (texts, icon, buttons,
// default button); the caller runs it.
std::unique_ptr<QMessageBox> MakeMessageBox(const MessageRequest& request, QWidget* parent);
MsgResult ResultOfButton(int standardButton);
// Prepares a file dialog for the request; cancelled dialogs give no path.
void ConfigureFileDialog(QFileDialog& dialog, const FileDialogRequest& request);

class QtUserInterface : public UserInterface {
 public:
  QtUserInterface();
  ~QtUserInterface() override;

  // The Sets the selection dialogs list, and the window dialogs belong to.
  void Attach(Workspace* ws, std::function<QWidget*()> parentWindow);
  // 1 waits as long as asked; 0 only lets pending events run (for timing runs).
  void SetPauseScale(double scale) { pauseScale_ = scale; }

  MsgResult ShowMessage(const MessageRequest& request) override;
  FileDialogResult ChooseFile(const FileDialogRequest& request) override;
  void SetBusy(bool busy) override;
  void ShowProgress(const std::string& caption, double minimum, double maximum) override;
  void AdvanceProgress(double amount) override;
  void HideProgress() override;
  void PauseWithEvents(double seconds) override;
  int SelectArrangement(int d, int current, const std::string& caption) override;
  int SelectStyle(int d, int current, const std::string& caption) override;
  int SelectProgram(int d, int current, const std::string& caption) override;
  int ChooseFromList(const std::string& title, const std::string& prompt,
                     const std::vector<std::string>& entries) override;
  std::optional<std::string> AskText(const std::string& title, const std::string& prompt,
                                     const std::string& initial) override;

  ProgressWindow* Progress();

 private:
  QWidget* Parent() const;

  Workspace* ws_ = nullptr;
  std::function<QWidget*()> parentWindow_;
  QPointer<ProgressWindow> progress_;
  int busyDepth_ = 0;
  double pauseScale_ = 1.0;
};

// Lets pending events run for `seconds` (times the scale), on a clock that
// does not restart at midnight.
void PauseWithEventsFor(double seconds);

}  // namespace tolvane
