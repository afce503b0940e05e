#pragma once
// The commands of a document window that the edit framework carries out.
// The window only announces them; the framework connects to that signal.

#include <QMetaType>

namespace tolvane {

enum class EditCommand {
  Undo,
  Cut,
  Copy,
  Paste,
  Delete,
  Insert,
  PasteFromIStyle,
  ExportToIStyle,
  Details,
  EraseBank,
  Import,
};

enum class UtilityCommand { SetReport, SubsetReport };

}  // namespace tolvane

Q_DECLARE_METATYPE(tolvane::EditCommand)
Q_DECLARE_METATYPE(tolvane::UtilityCommand)
