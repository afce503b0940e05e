#pragma once
// FParGbl: the Set's Global data, its pedal and switch functions and its
// curves, edited on a working copy and stored on "&OK" after a change; or
// imported whole from another Set's program file through "I&mport".

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "arrangements/global_record.h"

namespace tolvane {

class Workspace;

// The lists of the dialog, in the order of their record bytes.
enum class GlobalControl { DamperPolarity, Pedal1, Pedal2, VelocityCurve, AftertouchCurve, Ec5A, Ec5B, Ec5C, Ec5D, Ec5E };
inline constexpr int kGlobalControlCount = 10;

class GlobalDetails {
 public:
  static std::optional<GlobalDetails> Open(Workspace& ws, int d);
  static std::vector<std::string> Entries(GlobalControl control);

  const std::string& Caption() const { return caption_; }
  int Position(GlobalControl control) const { return positions_[Index(control)]; }
  bool Changed() const { return changed_; }

  // A click in a list; only valid positions are taken.
  void Select(GlobalControl control, int position);
  void Cancel() { changed_ = false; }
  // "I&mport": the import runs once the dialog has closed.
  void RequestImport() { import_ = true; }
  // With the change mark set: stores the positions into the Set's record and
  // marks its program file modified. Then, when asked for, imports the
  // record from another Set. True when the Set was changed.
  bool Apply();
  // The import replaced the record: a new dialog shows what came in.
  bool Imported() const { return imported_; }

 private:
  GlobalDetails(Workspace& ws, int d) : ws_(&ws), d_(d) {}
  static std::size_t Index(GlobalControl c) { return static_cast<std::size_t>(c); }
  static std::size_t ByteOf(GlobalControl c);
  void Load();

  Workspace* ws_;
  int d_;
  GlobalRecord work_;
  std::string caption_;
  std::array<int, kGlobalControlCount> positions_{};
  bool changed_ = false, import_ = false, imported_ = false;
};

}  // namespace tolvane
