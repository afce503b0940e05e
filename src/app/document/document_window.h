#pragma once
// FDoc: the window of one open Set, with a tab per kind, the bank grids, the
// backing-sequence and song lists, the event-memory figures and its own menus.
// Its handlers read the document number from the window, call the core and
// redraw from the model.

#include <QPointer>
#include <QWidget>

#include <array>
#include <string>

#include "document/document_menus.h"
#include "document/edit_command.h"
#include "document/sequence_list.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QMdiSubWindow;
class QPushButton;
class QTabWidget;

namespace tolvane {

class BankGrid;
struct CellPosition;
struct DragPayload;
class ProgressWindow;
class ShellCommands;
class UserInterface;
class Workspace;

// The tabs, in the order of the data kinds.
enum DocumentTab : int {
  kTabArrangements = 0,
  kTabStyles = 1,
  kTabPrograms = 2,
  kTabBackingSequences = 3,
  kTabSongs = 4,
  kTabKbdSets = 5,
};

class DocumentWindow : public QWidget {
  Q_OBJECT

 public:
  DocumentWindow(Workspace& ws, UserInterface& ui, ShellCommands& shell, QWidget* parent = nullptr);
  ~DocumentWindow() override;

  // Takes Set d: caption, tag, bank lists, grid tags, then the "ModeId" tab.
  void Setup(int d);
  // The window's tag: its document number, 0 while it is being set up or once closed.
  int Document() const { return d_; }
  // Selects a tab and runs the tab change, also when the tab is already shown.
  void SelectTab(int tab);

  void SetCaption(const std::string& caption);
  void SetUndoAvailable(bool available);
  // Refills the grid or list of kind 0 to 4 when its tab is shown.
  void RefreshKind(int kind);
  // Makes the item current in its grid or list, with its bank selected, and
  // sets the Edit menu for it.
  void ShowItem(int kind, int number);
  // Redraws the one cell or line that shows the item, when it is on show.
  void RefreshItem(int kind, int number);

  void FillArrangementGrid();
  void FillStyleGrid();
  void FillProgramGrid();
  void FillBackingSequenceList();
  void FillSongList();
  // Sizes the window so that a grid of 4 columns and `rows` rows is fully visible.
  void SizeDocumentWindow(int rows, int columnWidth, int rowHeight, BankGrid* grid, int sideColumnWidth = 0);
  void ShowArrangementInDocument(int number);
  void ShowStyleInDocument(int number);
  void ShowProgramInDocument(int number);
  // Shared by the three: selects the item's cell, or first its bank (whose
  // refill shows the item), then sets the Edit menu.
  void ShowInGrid(int kind, int number, int bankOfNumber, const CellPosition& cell, QComboBox* banks, BankGrid* grid,
                  bool editable, void (DocumentWindow::*editMenu)());

  void EditMenuForItem();
  void EditMenuForStyle();
  void EditMenuDetailsOnly();
  // Whether the current cell of the shown grid holds an item (one to export).
  bool CurrentItemHolds() const;
  // The entries that depend on what the current item holds (Cut, Details and
  // the export), on the clipboard (Paste) and on the shown kind's undo record
  // (Undo), after a selection or an edit.
  void FollowItemContents();
  // Whether the current cell or line holds an item (one to cut).
  bool CurrentPlaceHolds() const;
  // Undo is offered where the shown kind's last edit in this window can
  // still be taken back.
  bool UndoOffered() const;
  // The caption's modified mark follows the Set's modified kinds.
  void FollowModified();
  // Redraws every cell of the grid on show, texts and colours, without a
  // refill: after an edit that may have moved calls between items.
  void RecolourShownGrid();
  // File > Save and Save As, then the status bar says which files were written.
  void SaveAndTell(bool asNew);

  // What the controls ask for, although the window may scroll them.
  QSize sizeHint() const override;

  DocumentMenus& Menus() { return menus_; }
  QMdiSubWindow* SubWindow() const;
  ProgressWindow* ProgramCallsProgress();

  // The controls, named as in the program.
  QTabWidget* tabMode = nullptr;
  QLabel* lblArrBnk = nullptr;
  QComboBox* cboArrBnk = nullptr;
  BankGrid* grdArr = nullptr;
  QLabel* lblStyBnk = nullptr;
  QComboBox* cboStyBnk = nullptr;
  BankGrid* grdSty = nullptr;
  BankGrid* grdFreeS = nullptr;
  QLabel* lblFreeS = nullptr;
  QLabel* lblPrgBnk = nullptr;
  QComboBox* cboPrgBnk = nullptr;
  BankGrid* grdPrg = nullptr;
  std::array<QCheckBox*, 3> chkTwin{};  // 0: Arrangements, 2: Programs
  QGroupBox* fraBsqList = nullptr;
  SequenceList* lstBsq = nullptr;
  QLabel* lblBsqEvents = nullptr;
  QGroupBox* fraSngList = nullptr;
  SequenceList* lstSng = nullptr;
  QLabel* lblSngEvents = nullptr;
  std::array<QGroupBox*, 2> fraEvents{};
  std::array<QLabel*, 10> lblEvCnt{};
  BankGrid* grdArk = nullptr;
  QPushButton* cmdGbl = nullptr;
  QPushButton* cmdArg = nullptr;

 signals:
  // Carried out by the edit framework and the report and Global dialogs.
  void editCommand(int d, tolvane::EditCommand command);
  void utilityCommand(int d, tolvane::UtilityCommand command);
  void globalRequested(int d);
  // The Set's slot has been released.
  void closed(int d);
  // A drop has been carried out on this window.
  void dropped(int d);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* BuildArrangementPage();
  QWidget* BuildStylePage();
  QWidget* BuildProgramPage();
  QWidget* BuildSequencePage(bool songs);
  void ConnectMenus();
  void TabChanged(int tab);
  void ArrangementBankClicked();
  void StyleBankClicked();
  void ProgramBankClicked();
  void ArrangementCellChosen(int row, int column);
  void StyleCellChosen(int row, int column);
  void ProgramCellChosen(int row, int column);
  // Shared by the three: the chosen cell's item becomes the grid's current item.
  void CellChosen(int kind, int number, bool editable, void (DocumentWindow::*editMenu)());
  // Drag and drop between the grids of the windows, and the right-button menu.
  void ConnectItemDrags();
  BankGrid* GridOf(int kind) const;
  int ItemAtCell(int kind, int row, int column) const;
  // Starts the drag of `item` (a cell's number or a list line) of a kind.
  void StartItemDrag(int kind, int item, QWidget* from);
  // A drop from a grid or list of this editor, or from a Library row.
  void DropOn(int kind, int targetItem, const DragPayload& source);
  void FitPagesTo(int tab);
  void ApplyWindowSize(QSize inside);
  void SyncWindowChecks();
  bool Alive() const;

  Workspace& ws_;
  UserInterface& ui_;
  ShellCommands& shell_;
  int d_ = 0;
  DocumentMenus menus_;
  QPointer<ProgressWindow> programProgress_;
  QWidget* body_ = nullptr;  // everything the window shows, inside its scroll area
  QSize sizeGiven_;          // the window's size as a fill last set it
  // Per kind: whether the window's last edit of that kind may be undone.
  std::array<bool, 5> undoKinds_{};
};

}  // namespace tolvane
