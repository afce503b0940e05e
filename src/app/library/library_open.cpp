#include "library/library_open.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QString>

#include "document/document_window.h"
#include "document/document_windows.h"
#include "library/library.h"
#include "sets/set_files.h"
#include "sets/workspace.h"

namespace tolvane {

int OpenSetAt(const Workspace& ws, const std::string& setPath) {
  const QString wanted = QString::fromStdString(setPath);
  for (int d = 1; d <= ws.SlotCount(); ++d)
    if (ws.InUse(d) && QString::fromStdString(SetPathOf(ws.Slot(d))).compare(wanted, Qt::CaseInsensitive) == 0)
      return d;
  return 0;
}

void OpenLibraryItem(Workspace& ws, DocumentWindows& documents, const Library& library, std::uint32_t item) {
  if (item >= library.items.size()) return;
  const LibraryItem& it = library.items[item];
  const std::string& path = library.sets[it.set].path;
  int d = OpenSetAt(ws, path);
  if (d == 0) d = OpenSet(ws, OpenMode::Open, path);
  DocumentWindow* window = d != 0 ? documents.Window(d) : nullptr;
  if (!window) return;
  window->SelectTab(it.kind);
  documents.ShowItem(d, it.kind, it.number);
  if (QMdiSubWindow* sub = window->SubWindow()) {
    if (QMdiArea* area = sub->mdiArea()) area->setActiveSubWindow(sub);
    sub->window()->raise();
    sub->window()->activateWindow();
  }
}

}  // namespace tolvane
