#pragma once
// What the core asks of a user interface. The editor answers with real dialogs,
// the command line with plain text, the tests with a script.

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tolvane {

enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgResult { Ok, Cancel, Yes, No };

struct MessageRequest {
  MsgIcon icon = MsgIcon::None;
  MsgButtons buttons = MsgButtons::Ok;
  MsgResult defaultButton = MsgResult::Ok;
  std::string title;
  std::string text;  // lines end in CR LF, exactly as shown
};

struct FileFilter {
  std::string name;     // "Arrangement"
  std::string pattern;  // "*.ARR"
};

struct FileDialogRequest {
  bool save = false;
  std::string title;
  std::string initialFolder;
  std::vector<FileFilter> filters;
  int filterIndex = 0;
  std::string defaultExtension;  // without the dot, added to a name typed without one
  std::string initialName;
  bool fileMustExist = false;
  bool folderMustExist = true;
};

struct FileDialogResult {
  enum class Outcome { Chosen, Cancelled, Failed };
  Outcome outcome = Outcome::Cancelled;
  std::string path;  // full file name when chosen
};

// Dialogs and feedback that do not belong to one Set.
class UserInterface {
 public:
  virtual ~UserInterface() = default;
  virtual MsgResult ShowMessage(const MessageRequest& request) = 0;
  virtual FileDialogResult ChooseFile(const FileDialogRequest& request) = 0;
  virtual void SetBusy(bool busy) = 0;
  virtual void ShowProgress(const std::string& caption, double minimum, double maximum) = 0;
  virtual void AdvanceProgress(double amount) = 0;
  virtual void HideProgress() = 0;
  virtual void PauseWithEvents(double seconds) = 0;

  // The selection dialogs of Set d, preset on `current`, with the whole caption
  // ("Select an Arrangement" + suffix ...). They return the chosen number or -1.
  virtual int SelectArrangement(int d, int current, const std::string& caption) = 0;
  virtual int SelectStyle(int d, int current, const std::string& caption) = 0;
  virtual int SelectProgram(int d, int current, const std::string& caption) = 0;

  // One entry of a list to choose (the Sets of a disk image): its index, or
  // -1 when cancelled. A front end without such a dialog cancels.
  virtual int ChooseFromList(const std::string& /*title*/, const std::string& /*prompt*/,
                             const std::vector<std::string>& /*entries*/) {
    return -1;
  }
  // A line of text typed by the user; nothing when cancelled.
  virtual std::optional<std::string> AskText(const std::string& /*title*/, const std::string& /*prompt*/,
                                             const std::string& /*initial*/) {
    return std::nullopt;
  }
};

// The document window of one Set, addressed by its document number.
class DocumentView {
 public:
  virtual ~DocumentView() = default;
  // A Set has been read into slot d: create and show its window.
  virtual void OpenDocumentWindow(int d) = 0;
  virtual void SetCaption(int d, const std::string& caption) = 0;
  virtual void SetUndoAvailable(int d, bool available) = 0;
  // Refill the grid or list of kind 0 to 4.
  virtual void RefreshKind(int d, int kind) = 0;
  // Make item `number` of kind 0 to 4 (the item number the grid's cells
  // carry; a list index for kinds 3 and 4) the current cell or line, with its
  // bank selected, and set the Edit menu for it, as after an edit that shows
  // the item. A view that shows nothing may ignore it.
  virtual void ShowItem(int /*d*/, int /*kind*/, int /*number*/) {}
  // Redraw from the Set's data the one cell or line that shows item `number`
  // of kind 0 to 4, when it is on show. A view that shows nothing may ignore it.
  virtual void RefreshItem(int /*d*/, int /*kind*/, int /*number*/) {}
};

// The ports of a front end without a window (the command line, the
// library's scan): nothing is shown and every choice is cancelled. Each says
// itself what becomes of a message.
class QuietPorts : public UserInterface, public DocumentView {
 public:
  FileDialogResult ChooseFile(const FileDialogRequest&) override { return {}; }
  void SetBusy(bool) override {}
  void ShowProgress(const std::string&, double, double) override {}
  void AdvanceProgress(double) override {}
  void HideProgress() override {}
  void PauseWithEvents(double) override {}
  int SelectArrangement(int, int, const std::string&) override { return -1; }
  int SelectStyle(int, int, const std::string&) override { return -1; }
  int SelectProgram(int, int, const std::string&) override { return -1; }
  void OpenDocumentWindow(int) override {}
  void SetCaption(int, const std::string&) override {}
  void SetUndoAvailable(int, bool) override {}
  void RefreshKind(int, int) override {}
};

// Shows the hourglass for as long as it lives, on every way out.
class BusyPointer {
 public:
  explicit BusyPointer(UserInterface& ui) : ui_(ui) { ui_.SetBusy(true); }
  ~BusyPointer() { ui_.SetBusy(false); }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;

 private:
  UserInterface& ui_;
};

}  // namespace tolvane
