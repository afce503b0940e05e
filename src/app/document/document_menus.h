#pragma once
// The menu bar of a document window, and the states of its Edit menu.

#include <QList>

#include "document/edit_command.h"

class QAction;
class QMenu;
class QObject;

namespace tolvane {

struct DocumentMenus {
  QMenu* file = nullptr;
  QAction* fNew = nullptr;
  QAction* fOpen = nullptr;
  QAction* fNewImage = nullptr;
  QAction* fClose = nullptr;
  QAction* fSave = nullptr;
  QAction* fSaveAs = nullptr;
  QAction* fExit = nullptr;

  QMenu* edit = nullptr;
  QAction* eUndo = nullptr;
  QAction* eCut = nullptr;
  QAction* eCopy = nullptr;
  QAction* ePaste = nullptr;
  QAction* eDelete = nullptr;
  QAction* eInsert = nullptr;
  QAction* ePasteIStyle = nullptr;
  QAction* eExportIStyle = nullptr;
  QAction* eDetails = nullptr;
  QAction* eEraseBank = nullptr;
  QAction* eImport = nullptr;

  QAction* options = nullptr;  // a menu-bar entry of its own

  QMenu* window = nullptr;
  QAction* wCascade = nullptr;
  QAction* wTile = nullptr;
  QAction* wArrange = nullptr;
  QList<QAction*> wSets;  // a separator, then one entry per open Set

  QMenu* utilities = nullptr;
  QAction* uSetReport = nullptr;
  QAction* uSubsetReport = nullptr;
  QAction* uCompare = nullptr;
  QAction* uLibrary = nullptr;

  QMenu* help = nullptr;
  QAction* hTopics = nullptr;
  QAction* hTips = nullptr;
  QAction* hAbout = nullptr;

  // Creates every menu and entry, owned by `owner`.
  void Build(QObject* owner);
  // The menu-bar entries in order: File, Edit, Options, Window, Utilities, Help.
  QList<QAction*> BarEntries() const;
  QAction* ActionOf(EditCommand command) const;
  // "Cu&t" to "I&mport...", in menu order (with our export beside the IStyle paste).
  QList<QAction*> ItemEntries() const;
};

// Undo follows the last edit of the Set, wherever the selection has been.
// The IStyle entries are offered only on the kinds IStyle files hold, the
// export only for an item that holds something.
void EditMenuForItem(DocumentMenus& m, bool twinViewTicked, bool undoAvailable, bool istyleKind, bool exportable);
void EditMenuForStyle(DocumentMenus& m, bool undoAvailable, bool exportable);
void EditMenuDetailsOnly(DocumentMenus& m);
void SetUndoEntry(DocumentMenus& m, bool available);

}  // namespace tolvane
