#pragma once
// The document windows of the open Sets, addressed by document number: what
// the core's DocumentView asks for.

#include <QList>
#include <QPointer>

#include <map>

#include "ports.h"

class QMdiArea;

namespace tolvane {

class DocumentWindow;
class ShellCommands;
class Workspace;

class DocumentWindows : public DocumentView {
 public:
  void Attach(Workspace* ws, UserInterface* ui, ShellCommands* shell, QMdiArea* area);

  DocumentWindow* Window(int d) const;
  QList<DocumentWindow*> All() const;
  // After an edit, a drop or a dialog: each window's Edit entries, modified
  // mark and grid colours follow the Sets and the shared edit records.
  void FollowEdits();

  void OpenDocumentWindow(int d) override;
  void SetCaption(int d, const std::string& caption) override;
  void SetUndoAvailable(int d, bool available) override;
  void RefreshKind(int d, int kind) override;
  void ShowItem(int d, int kind, int number) override;
  void RefreshItem(int d, int kind, int number) override;

 private:
  Workspace* ws_ = nullptr;
  UserInterface* ui_ = nullptr;
  ShellCommands* shell_ = nullptr;
  QMdiArea* area_ = nullptr;
  std::map<int, QPointer<DocumentWindow>> windows_;
};

}  // namespace tolvane
