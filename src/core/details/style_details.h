#pragma once
// The style parameters dialog: a Style's name, event figures, track Programs
// and callers. Only a user Style can be changed, on "&OK" after an edit.

#include <optional>
#include <string>
#include <vector>

#include "details/detail_lines.h"
#include "styles/style_data.h"

namespace tolvane {

class Workspace;

class StyleDetails {
 public:
  // Nothing opens for an empty user Style or a number that names no Style.
  static std::optional<StyleDetails> Open(Workspace& ws, int d, int s);

  const std::string& Caption() const { return caption_; }
  // A preset Style: the name box is disabled, the events hidden and the
  // "Programs called" list disabled and empty.
  bool IsPreset() const { return user_ < 0; }
  const std::string& Name() const { return name_.Shown(); }
  const std::string& UsedEvents() const { return usedEvents_; }
  const std::string& FreeEvents() const { return freeEvents_; }
  const std::vector<TrackLine>& Programs() const { return programs_; }
  const std::vector<std::string>& CalledBy() const { return calledBy_; }
  bool Changed() const { return changed_; }

  void TypeName(std::string_view text);
  bool ChooseProgram(int track);
  void Cancel() { changed_ = false; }
  // With the change mark set on a user Style: writes name and track calls
  // into its header. A cleared name of a called Style asks the release
  // question first; Cancel there writes nothing. True when the Style was
  // written.
  bool Apply();

 private:
  StyleDetails(Workspace& ws, int d, int s) : ws_(&ws), d_(d), s_(s) {}
  void Load();

  Workspace* ws_;
  int d_, s_, user_ = -1;
  StyleHeader work_;
  NameField name_;
  std::string caption_, usedEvents_, freeEvents_;
  std::vector<TrackLine> programs_;
  std::vector<std::string> calledBy_;
  bool changed_ = false;
};

}  // namespace tolvane
