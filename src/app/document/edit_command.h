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

// Every Edit command, each wired to its menu entry.
inline constexpr EditCommand kEditCommands[] = {
    EditCommand::Undo,           EditCommand::Cut,     EditCommand::Copy,      EditCommand::Paste,
    EditCommand::Delete,         EditCommand::Insert,  EditCommand::PasteFromIStyle, EditCommand::ExportToIStyle,
    EditCommand::Details,        EditCommand::EraseBank, EditCommand::Import};

enum class UtilityCommand { SetReport, SubsetReport, Compare };

}  // namespace tolvane

Q_DECLARE_METATYPE(tolvane::EditCommand)
Q_DECLARE_METATYPE(tolvane::UtilityCommand)
