#include "document/document_windows.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

#include "document/document_window.h"
#include "document/edit_wiring.h"
#include "document/shell_commands.h"
#include "reports/report_commands.h"
#include "shell/window_arrangement.h"
#include "sets/workspace.h"

namespace tolvane {

void DocumentWindows::Attach(Workspace* ws, UserInterface* ui, ShellCommands* shell, QMdiArea* area) {
  ws_ = ws;
  ui_ = ui;
  shell_ = shell;
  area_ = area;
}

DocumentWindow* DocumentWindows::Window(int d) const {
  const auto it = windows_.find(d);
  if (it == windows_.end() || it->second == nullptr || it->second->Document() != d) return nullptr;
  return it->second;
}

QList<DocumentWindow*> DocumentWindows::All() const {
  QList<DocumentWindow*> out;
  for (const auto& [d, w] : windows_)
    if (w && w->Document() == d) out << w.data();
  return out;
}

void DocumentWindows::OpenDocumentWindow(int d) {
  if (!ws_ || !area_) return;
  auto* doc = new DocumentWindow(*ws_, *ui_, *shell_);
  QMdiSubWindow* sub = area_->addSubWindow(doc);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  // Ctrl+F4 belongs to the File menu's Close, which asks about unsaved
  // changes; the window menu's own Close must not claim the same key.
  if (QMenu* system = sub->systemMenu())
    for (QAction* action : system->actions())
      if (action->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+F4")))) action->setShortcuts({});
  sub->setWindowIcon(shell_->MainIcon());
  windows_[d] = doc;
  sub->show();
  area_->setActiveSubWindow(sub);
  ConnectEditCommands(doc, *ws_);
  ConnectReportCommands(doc, *ws_);
  // After the command's own handler: an edit may change what every window
  // offers (the records are shared) and the colours of calls in its Set.
  QObject::connect(doc, &DocumentWindow::editCommand, doc, [this] { FollowEdits(); });
  QObject::connect(doc, &DocumentWindow::globalRequested, doc, [this] { FollowEdits(); });
  QObject::connect(doc, &DocumentWindow::dropped, doc, [this] { FollowEdits(); });
  // A closed Set empties the records that named it.
  QObject::connect(doc, &DocumentWindow::closed, doc, [this] { FollowEdits(); });
  doc->Setup(d);
  if (ws_->prefs.wArrangeMode == 0)
    CascadeDocuments(*area_);
  else if (ws_->prefs.wArrangeMode == 1)
    TileDocumentsHorizontally(*area_);
}

void DocumentWindows::FollowEdits() {
  for (DocumentWindow* w : All()) {
    w->RecolourShownGrid();
    w->FollowItemContents();
    w->FollowModified();
  }
}

void DocumentWindows::SetCaption(int d, const std::string& caption) {
  if (DocumentWindow* w = Window(d)) w->SetCaption(caption);
}

void DocumentWindows::SetUndoAvailable(int d, bool available) {
  if (ws_ && ws_->IsDocument(d)) ws_->Slot(d).undoAvailable = available;
  if (DocumentWindow* w = Window(d)) w->SetUndoAvailable(available);
}

void DocumentWindows::RefreshKind(int d, int kind) {
  if (DocumentWindow* w = Window(d)) w->RefreshKind(kind);
}

void DocumentWindows::ShowItem(int d, int kind, int number) {
  if (DocumentWindow* w = Window(d)) w->ShowItem(kind, number);
}

void DocumentWindows::RefreshItem(int d, int kind, int number) {
  if (DocumentWindow* w = Window(d)) w->RefreshItem(kind, number);
}

}  // namespace tolvane
