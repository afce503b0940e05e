#include "document/edit_wiring.h"

#include <QListWidget>
#include <QTabWidget>

#include "document/document_window.h"
#include "document/sequence_list.h"
#include "editing/edit_commands.h"
#include "editing/kind_edits.h"
#include "istyle/istyle_exports.h"
#include "params/details.h"
#include "sets/workspace.h"

namespace tolvane {

namespace {

EditAction ActionOf(EditCommand command) {
  switch (command) {
    case EditCommand::Undo: return EditAction::Undo;
    case EditCommand::Cut: return EditAction::Cut;
    case EditCommand::Copy: return EditAction::Copy;
    case EditCommand::Paste: return EditAction::Paste;
    case EditCommand::Delete: return EditAction::Delete;
    case EditCommand::Insert: return EditAction::Insert;
    case EditCommand::PasteFromIStyle: return EditAction::PasteFromIStyle;
    case EditCommand::ExportToIStyle:  // carried out here, not by the dispatch
    case EditCommand::Details: return EditAction::Details;
    case EditCommand::EraseBank: return EditAction::EraseBank;
    case EditCommand::Import: return EditAction::Import;
  }
  return EditAction::Details;
}

// The item the command acts on: the number the grid's current cell carries,
// kept in the grid's tag, or the selected line of a list.
int CurrentItem(const DocumentWindow& window, const Workspace& ws, int d, int tab) {
  switch (tab) {
    case kTabArrangements:
    case kTabStyles:
    case kTabPrograms: return ws.Slot(d).gridTags[static_cast<std::size_t>(tab)];
    case kTabBackingSequences: return window.lstBsq->currentRow();
    case kTabSongs: return window.lstSng->currentRow();
    default: return -1;
  }
}

}  // namespace

void ConnectEditCommands(DocumentWindow* window, Workspace& ws) {
  QObject::connect(window, &DocumentWindow::editCommand, window, [window, &ws](int d, EditCommand command) {
    if (!ws.InUse(d) || window->Document() != d) return;
    const int tab = window->tabMode->currentIndex();
    const int item = CurrentItem(*window, ws, d, tab);
    if (command == EditCommand::Details) {
      ShowItemDetails(window, ws, d, tab, item);
      window->FollowItemContents();
      return;
    }
    if (command == EditCommand::ExportToIStyle) {
      if (const KindEdits* edits = EditsOfKind(tab)) ExportItemToIStyle(ws, d, tab, edits->UserIndex(item));
      return;
    }
    DispatchEditCommand(ws, d, tab, item, ActionOf(command));
    window->FollowItemContents();
  });
  QObject::connect(window, &DocumentWindow::globalRequested, window, [window, &ws](int d) {
    if (ws.InUse(d) && window->Document() == d) ShowGlobalDialog(window, ws, d);
  });
}

}  // namespace tolvane
