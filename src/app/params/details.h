#pragma once
// The parameters dialogs, as the document window opens them: Details, a
// double click on a cell or line, and the "&Global" button.

class QWidget;

namespace tolvane {

class Workspace;

// The dialog of the item on tab `tab` (0 Arrangements, 1 Styles, 2 Programs,
// 3 Backing Sequences, 4 Songs) of Set d: `item` is the number the grid cell
// carries, or the list line. Nothing opens for an item the dialog does not
// show (an empty Arrangement or user Style, no item).
void ShowItemDetails(QWidget* parent, Workspace& ws, int d, int tab, int item);
// The Global dialog of Set d.
void ShowGlobalDialog(QWidget* parent, Workspace& ws, int d);

}  // namespace tolvane
