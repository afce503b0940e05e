// What a document window shows of its Set's state: the Edit entries that
// depend on the current item, the clipboard and the undo records; the
// caption's modified mark; what a save wrote.

#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>
#include <QStringList>
#include <QTabWidget>

#include <algorithm>
#include <vector>

#include "document/document_window.h"
#include "editing/edit_availability.h"
#include "editing/kind_edits.h"
#include "sets/set_caption.h"
#include "sets/set_files.h"
#include "sets/workspace.h"
#include "storage/tables.h"
#include "ui/cp1252.h"

namespace tolvane {

namespace {

// "Saved DEMO: Arrangements, Programs".
QString SavedKindsText(const std::string& name, const std::vector<int>& kinds) {
  QStringList names;
  for (int k : kinds) names << QString::fromStdString(KindName(k) + "s");
  return QStringLiteral("Saved %1: %2").arg(FromMessageText(name), names.join(QStringLiteral(", ")));
}

}  // namespace

bool DocumentWindow::CurrentPlaceHolds() const {
  if (!Alive()) return false;
  const int tab = tabMode->currentIndex();
  if (tab <= kTabPrograms) return CurrentItemHolds();
  const QListWidget* list = tab == kTabBackingSequences ? lstBsq : tab == kTabSongs ? lstSng : nullptr;
  const KindEdits* edits = EditsOfKind(tab);
  return list && edits && list->currentRow() >= 0 && edits->IsNamed(ws_, d_, list->currentRow());
}

bool DocumentWindow::UndoOffered() const {
  if (!Alive()) return false;
  const int tab = tabMode->currentIndex();
  return tab >= 0 && tab < static_cast<int>(undoKinds_.size()) && undoKinds_[static_cast<std::size_t>(tab)] &&
         HasUndoRecord(ws_, tab);
}

void DocumentWindow::FollowItemContents() {
  if (!Alive() || !menus_.edit->menuAction()->isEnabled()) return;
  const int tab = tabMode->currentIndex();
  // Copy is off only where no editable item is selected (Details alone).
  if (tab > kTabSongs || !menus_.eCopy->isEnabled()) return;
  const bool holds = CurrentPlaceHolds();
  menus_.eCut->setEnabled(holds);
  // A clipboard whose Set has been closed holds nothing a paste would take.
  menus_.ePaste->setEnabled(ClipboardHolds(ws_, tab));
  SetUndoEntry(menus_, UndoOffered());
  if (tab > kTabPrograms) return;
  // An empty Arrangement or user Style has neither parameters to show nor
  // anything to export.
  menus_.eExportIStyle->setEnabled(holds);
  if (tab != kTabPrograms) menus_.eDetails->setEnabled(holds);
}

void DocumentWindow::FollowModified() { setWindowModified(Alive() && ws_.Slot(d_).AnyModified()); }

void DocumentWindow::SaveAndTell(bool asNew) {
  if (!Alive()) return;
  const int d = d_;
  const auto before = ws_.Slot(d).modified;
  const bool complete = asNew ? SaveSetAsCommand(ws_, d) : SaveSetCommand(ws_, d);
  if (!ws_.InUse(d)) return;
  const auto& after = ws_.Slot(d).modified;
  std::vector<int> written;
  for (int k = 0; k < kSetFileKinds; ++k) {
    const auto i = static_cast<std::size_t>(k);
    // Save As writes every file: when it completed, all five were written.
    if (after[i] == 0 && (before[i] != 0 || (asNew && complete))) written.push_back(k);
  }
  FollowModified();
  auto* main = qobject_cast<QMainWindow*>(window());
  if (!main) return;
  const bool nothingToSave = !asNew && std::all_of(before.begin(), before.end(), [](auto m) { return m == 0; });
  if (!written.empty())
    main->statusBar()->showMessage(SavedKindsText(SetNameInMessages(ws_, d), written));
  else if (nothingToSave)
    main->statusBar()->showMessage(QStringLiteral("No changes to save in %1").arg(FromMessageText(SetNameInMessages(ws_, d))));
  else
    main->statusBar()->clearMessage();
}

}  // namespace tolvane
