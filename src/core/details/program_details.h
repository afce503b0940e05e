#pragma once
// The program parameters dialog: a Program's name and its callers, with the
// button that sends all of them to another Program. Nothing is written
// before "&OK" on a changed dialog.

#include <optional>
#include <string>
#include <vector>

#include "details/detail_lines.h"
#include "programs/program_data.h"

namespace tolvane {

class Workspace;

class ProgramDetails {
 public:
  // Nothing opens for a number that names no Program.
  static std::optional<ProgramDetails> Open(Workspace& ws, int d, int p);

  const std::string& Caption() const { return caption_; }
  // A preset Program: its name box is disabled.
  bool IsPreset() const { return user_ < 0; }
  const std::string& Name() const { return name_.Shown(); }
  // "Arr A11: KBD 1  "; emptied once the callers are to call another Program.
  const std::vector<std::string>& CalledBy() const { return calledBy_; }
  // The Program the callers are to call on "&OK"; -1 for none.
  int RedirectTo() const { return redirectTo_; }
  bool Changed() const { return changed_; }

  void TypeName(std::string_view text);
  // "&Call another Program": true when another Program was chosen.
  bool CallAnotherProgram();
  void Cancel() { changed_ = false; }
  // With the change mark set: sends the callers to the chosen Program and
  // writes a user item's typed name. Either way of sending callers elsewhere
  // (the button, or the release question a cleared name asks) switches Undo
  // off; Cancel in that question writes nothing. True when the Set was
  // changed.
  bool Apply();

 private:
  ProgramDetails(Workspace& ws, int d, int p) : ws_(&ws), d_(d), p_(p) {}
  void Load();

  Workspace* ws_;
  int d_, p_, user_ = -1, redirectTo_ = -1;
  std::string caption_;
  NameField name_;
  std::vector<std::string> calledBy_;
  bool changed_ = false;
};

}  // namespace tolvane
