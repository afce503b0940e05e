#include "document/document_menus.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

namespace tolvane {

namespace {

QAction* Entry(QMenu* menu, const char* objectName, const QString& caption, const QKeySequence& keys = {}) {
  QAction* a = menu->addAction(caption);
  a->setObjectName(QString::fromLatin1(objectName));
  if (!keys.isEmpty()) a->setShortcut(keys);
  return a;
}

QMenu* Menu(QObject* owner, const char* objectName, const QString& title) {
  auto* menu = new QMenu(title, qobject_cast<QWidget*>(owner));
  menu->setObjectName(QString::fromLatin1(objectName));
  return menu;
}

}  // namespace

void DocumentMenus::Build(QObject* owner) {
  file = Menu(owner, "mnuFile", QStringLiteral("&File"));
  // The usual keys of a desktop editor for the File commands.
  fNew = Entry(file, "mnuFNew", QStringLiteral("&New"), QKeySequence(QStringLiteral("Ctrl+N")));
  fOpen = Entry(file, "mnuFOpen", QStringLiteral("&Open..."), QKeySequence(QStringLiteral("Ctrl+O")));
  fNewImage = Entry(file, "mnuFNewImage", QStringLiteral("New &Disk Image..."));
  fClose = Entry(file, "mnuFClose", QStringLiteral("&Close"), QKeySequence(QStringLiteral("Ctrl+F4")));
  fSave = Entry(file, "mnuFSave", QStringLiteral("&Save"), QKeySequence(QStringLiteral("Ctrl+S")));
  fSaveAs = Entry(file, "mnuFSaveAs", QStringLiteral("Sa&ve As..."), QKeySequence(QStringLiteral("Ctrl+Shift+S")));
  file->addSeparator();
  fExit = Entry(file, "mnuFExit", QStringLiteral("E&xit"), QKeySequence(QStringLiteral("Ctrl+Q")));

  edit = Menu(owner, "mnuEdit", QStringLiteral("&Edit"));
  eUndo = Entry(edit, "mnuEUndo", QStringLiteral("&Undo"), QKeySequence(QStringLiteral("Ctrl+Z")));
  edit->addSeparator();
  eCut = Entry(edit, "mnuECut", QStringLiteral("Cu&t"), QKeySequence(QStringLiteral("Ctrl+X")));
  eCopy = Entry(edit, "mnuECopy", QStringLiteral("&Copy"), QKeySequence(QStringLiteral("Ctrl+C")));
  ePaste = Entry(edit, "mnuEPaste", QStringLiteral("&Paste"), QKeySequence(QStringLiteral("Ctrl+V")));
  eDelete = Entry(edit, "mnuEDelete", QStringLiteral("&Delete"), QKeySequence(Qt::Key_Delete));
  eInsert = Entry(edit, "mnuEInsert", QStringLiteral("In&sert"), QKeySequence(QStringLiteral("Ctrl+Ins")));
  ePasteIStyle = Entry(edit, "mnuEPasteIStyle", QStringLiteral("Paste from &IStyle..."),
                       QKeySequence(QStringLiteral("Ctrl+I")));
  // Saving the current item as an IStyle file, for sharing single items.
  eExportIStyle = Entry(edit, "mnuEExportIStyle", QStringLiteral("E&xport to IStyle..."),
                        QKeySequence(QStringLiteral("Ctrl+Shift+I")));
  edit->addSeparator();
  eDetails = Entry(edit, "mnuEDetails", QStringLiteral("Detai&ls"), QKeySequence(QStringLiteral("Ctrl+L")));
  edit->addSeparator();
  eEraseBank = Entry(edit, "mnuEEraseBank", QStringLiteral("&Erase Bank"), QKeySequence(QStringLiteral("Ctrl+E")));
  eImport = Entry(edit, "mnuEImport", QStringLiteral("I&mport..."), QKeySequence(QStringLiteral("Ctrl+M")));

  options = new QAction(QStringLiteral("&Options"), owner);
  options->setObjectName(QStringLiteral("mnuOptions"));

  window = Menu(owner, "mnuWindow", QStringLiteral("&Window"));
  wCascade = Entry(window, "mnuWCascade", QStringLiteral("&Cascade"));
  wTile = Entry(window, "mnuWTile", QStringLiteral("&Tile"));
  wArrange = Entry(window, "mnuWArrange", QStringLiteral("&Arrange Icons"));
  wCascade->setCheckable(true);
  wTile->setCheckable(true);

  utilities = Menu(owner, "mnuUtilities", QStringLiteral("&Utilities"));
  uSetReport = Entry(utilities, "mnuUReport", QStringLiteral("Display Set &Report"));
  uSubsetReport = Entry(utilities, "mnuUSubset", QStringLiteral("Create Su&bset Report File..."));
  utilities->addSeparator();
  uCompare = Entry(utilities, "mnuUCompare", QStringLiteral("&Compare with..."));
  uLibrary = Entry(utilities, "mnuULibrary", QStringLiteral("&Library..."));

  help = Menu(owner, "mnuHelp", QStringLiteral("&?"));
  hTopics = Entry(help, "mnuHTopics", QStringLiteral("&Contents"));
  help->addSeparator();
  hTips = Entry(help, "mnuHTips", QStringLiteral("Ti&p of the Day..."));
  help->addSeparator();
  hAbout = Entry(help, "mnuHAbout", QStringLiteral("About..."));
}

QList<QAction*> DocumentMenus::BarEntries() const {
  return {file->menuAction(), edit->menuAction(), options, window->menuAction(), utilities->menuAction(),
          help->menuAction()};
}

QAction* DocumentMenus::ActionOf(EditCommand command) const {
  switch (command) {
    case EditCommand::Undo: return eUndo;
    case EditCommand::Cut: return eCut;
    case EditCommand::Copy: return eCopy;
    case EditCommand::Paste: return ePaste;
    case EditCommand::Delete: return eDelete;
    case EditCommand::Insert: return eInsert;
    case EditCommand::PasteFromIStyle: return ePasteIStyle;
    case EditCommand::ExportToIStyle: return eExportIStyle;
    case EditCommand::Details: return eDetails;
    case EditCommand::EraseBank: return eEraseBank;
    case EditCommand::Import: return eImport;
  }
  return nullptr;
}

QList<QAction*> DocumentMenus::ItemEntries() const {
  return {eCut, eCopy, ePaste, eDelete, eInsert, ePasteIStyle, eExportIStyle, eDetails, eEraseBank, eImport};
}

void EditMenuForItem(DocumentMenus& m, bool twinViewTicked, bool undoAvailable, bool istyleKind, bool exportable) {
  m.edit->menuAction()->setEnabled(true);
  for (QAction* a : m.ItemEntries()) a->setEnabled(true);
  m.ePasteIStyle->setEnabled(istyleKind);
  m.eExportIStyle->setEnabled(istyleKind && exportable);
  // A Twin View grid shows two banks: a whole-bank command would be ambiguous.
  if (twinViewTicked) {
    m.eEraseBank->setEnabled(false);
    m.eImport->setEnabled(false);
  }
  m.eUndo->setEnabled(undoAvailable);
}

void EditMenuForStyle(DocumentMenus& m, bool undoAvailable, bool exportable) {
  m.edit->menuAction()->setEnabled(true);
  for (QAction* a : {m.eCut, m.eCopy, m.ePaste, m.ePasteIStyle, m.eEraseBank, m.eImport, m.eDetails})
    a->setEnabled(true);
  m.eExportIStyle->setEnabled(exportable);
  m.eDelete->setEnabled(false);
  m.eInsert->setEnabled(false);
  m.eUndo->setEnabled(undoAvailable);
}

void EditMenuDetailsOnly(DocumentMenus& m) {
  m.edit->menuAction()->setEnabled(true);
  m.eDetails->setEnabled(true);
  for (QAction* a : {m.eUndo, m.eCut, m.eCopy, m.ePaste, m.eDelete, m.eInsert, m.ePasteIStyle, m.eExportIStyle,
                     m.eEraseBank, m.eImport})
    a->setEnabled(false);
}

void SetUndoEntry(DocumentMenus& m, bool available) {
  m.eUndo->setEnabled(available);
  m.eUndo->setText(available ? QStringLiteral("&Undo") : QStringLiteral("Can't Undo"));
}

}  // namespace tolvane
