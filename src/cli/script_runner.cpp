#include "script_runner.h"

#include <map>

#include "editing/drag_drop.h"
#include "editing/edit_commands.h"
#include "editing/kind_edits.h"
#include "istyle/istyle_exports.h"
#include "script_ui.h"
#include "set_argument.h"
#include "sets/set_files.h"
#include "sets/workspace.h"
#include "storage/tables.h"
#include "styles/style_accessors.h"

namespace tolvane {

namespace {

EditAction ActionOf(ScriptVerb verb) {
  switch (verb) {
    case ScriptVerb::Copy: return EditAction::Copy;
    case ScriptVerb::Cut: return EditAction::Cut;
    case ScriptVerb::Paste: return EditAction::Paste;
    case ScriptVerb::Delete: return EditAction::Delete;
    case ScriptVerb::Insert: return EditAction::Insert;
    case ScriptVerb::EraseBank: return EditAction::EraseBank;
    case ScriptVerb::Import: return EditAction::Import;
    case ScriptVerb::ImportIStyle: return EditAction::PasteFromIStyle;
    default: return EditAction::Undo;
  }
}

bool Export(Workspace& ws, int d, int kind, int item) {
  const KindEdits* edits = EditsOfKind(kind);
  return edits != nullptr && ExportItemToIStyle(ws, d, kind, edits->UserIndex(item));
}

class Runner {
 public:
  Runner(Workspace& ws, ScriptUi& ui) : ws_(ws), ui_(ui) {}

  // False when the script must stop here.
  bool Run(const ScriptCommand& c) {
    ui_.line = c.line;
    const int d = c.handle.empty() ? 0 : handles_[c.handle];
    if (IsAbsentStyle(c, d)) return Failed("no Style " + UserStyleLabel(UserIndexOfStyle(c.item)) + " in this Set");
    switch (c.verb) {
      case ScriptVerb::Open:
      case ScriptVerb::New: return Open(c);
      case ScriptVerb::Answer: ui_.answers.push_back(c.answer); return true;
      case ScriptVerb::Drag:
        if (!BeginDrag(ws_, d, c.kind, c.item)) ui_.Say("nothing to drag there");
        return true;
      case ScriptVerb::Drop:
        DropItem(ws_, ws_.edits.drag, d, c.kind, c.item);
        ws_.edits.drag = DragSource{};
        return !ui_.stopped;
      case ScriptVerb::ExportIStyle:
        ui_.nextFile = c.path;
        return Export(ws_, d, c.kind, c.item) || Failed("the item was not saved");
      case ScriptVerb::Save: return Save(c, d);
      case ScriptVerb::Close: return Close(c, d);
      case ScriptVerb::Import:
      case ScriptVerb::ImportIStyle: ui_.nextFile = c.path; [[fallthrough]];
      default:
        DispatchEditCommand(ws_, d, c.kind, c.item, ActionOf(c.verb));
        ui_.nextFile.reset();
        return !ui_.stopped;
    }
  }

  // The Sets left with unsaved changes are named; true when there are none.
  bool AllSaved() {
    bool saved = true;
    for (const auto& [handle, d] : handles_) {
      if (!ws_.InUse(d) || !ws_.Slot(d).AnyModified()) continue;
      ui_.Say("'" + handle + "' (" + ws_.Slot(d).name + ") has changes that were not saved");
      saved = false;
    }
    return saved;
  }

 private:
  bool Failed(const std::string& why) {
    ui_.Say(why);
    return false;
  }

  bool Open(const ScriptCommand& c) {
    const int d = c.verb == ScriptVerb::New ? OpenSet(ws_, OpenMode::New, "")
                                            : OpenSet(ws_, OpenMode::Open, SetPathFromArgument(c.path));
    if (d == 0) return Failed("no Set was opened");
    handles_[c.handle] = d;
    return true;
  }

  bool Save(const ScriptCommand& c, int d) {
    bool saved;
    if (c.path.empty()) {
      saved = SaveSetCommand(ws_, d);
    } else {
      // The destination dialog gives a file name; its extension is dropped.
      ui_.nextFile = SetPathFromArgument(c.path) + KindExtension(kArrangement);
      saved = SaveSetAsCommand(ws_, d);
      ui_.nextFile.reset();
    }
    return (saved && !ui_.stopped) || Failed("the Set was not saved");
  }

  bool Close(const ScriptCommand& c, int d) {
    if (!QueryCloseDocument(ws_, d)) return Failed("the Set was not closed");
    UnloadDocument(ws_, d);
    handles_.erase(c.handle);
    return true;
  }

  // A Style of a Block the Set's file lacks is no item of the Set, as one
  // beyond U84 is none of any Set (only erasing its bank names a Block).
  bool IsAbsentStyle(const ScriptCommand& c, int d) const {
    const int u = UserIndexOfStyle(c.item);
    if (c.kind != kStyle || c.verb == ScriptVerb::EraseBank || u < 0 || !ws_.InUse(d)) return false;
    return u >= kStylesPerBlock * ws_.Stores(d).styles.blockCount;
  }

  Workspace& ws_;
  ScriptUi& ui_;
  std::map<std::string, int> handles_;
};

}  // namespace

int RunScript(Workspace& ws, ScriptUi& ui, const std::vector<ScriptCommand>& commands) {
  Runner runner(ws, ui);
  for (const ScriptCommand& c : commands)
    if (!runner.Run(c)) return 1;
  return runner.AllSaved() ? 0 : 1;
}

}  // namespace tolvane
