#include "shell/main_window.h"

#include <QCloseEvent>
#include <QKeySequence>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include "dialogs/disk_image_dialogs.h"
#include "document/document_window.h"
#include "document/document_windows.h"
#include "library/library_window.h"
#include "shell/keyboard_picture.h"
#include "shell/preferences_store.h"
#include "shell/shell_dialogs.h"
#include "shell/window_arrangement.h"
#include "sets/set_files.h"
#include "storage/tables.h"
#include "sets/workspace.h"

namespace tolvane {

namespace {
QString Title() { return QString::fromLatin1(kProgramTitle.data(), static_cast<qsizetype>(kProgramTitle.size())); }
}  // namespace

MainWindow::MainWindow(Workspace& ws, DocumentWindows& documents, ShellDialogs& dialogs, SettingsStore& settings)
    : ws_(ws), documents_(documents), dialogs_(dialogs), settings_(settings) {
  setObjectName(QStringLiteral("FMain"));
  setWindowTitle(Title());
  setWindowIcon(ProgramIcon());
  mdiArea_ = new QMdiArea(this);
  mdiArea_->setObjectName(QStringLiteral("mdiArea"));
  mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdiArea_->setBackground(QColor(128, 128, 128));
  mdiArea_->setFrameShape(QFrame::NoFrame);
  setCentralWidget(mdiArea_);
  // There from the start, so that the first message does not shrink the area
  // under windows already arranged in it.
  statusBar()->setObjectName(QStringLiteral("staMain"));

  mnuFile = new QMenu(QStringLiteral("&File"), this);
  mnuFile->setObjectName(QStringLiteral("mnuFile"));
  mnuFNew = mnuFile->addAction(QStringLiteral("&New"));
  mnuFNew->setObjectName(QStringLiteral("mnuFNew"));
  mnuFNew->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
  mnuFOpen = mnuFile->addAction(QStringLiteral("&Open"));
  mnuFOpen->setObjectName(QStringLiteral("mnuFOpen"));
  mnuFOpen->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
  mnuFNewImage = mnuFile->addAction(QStringLiteral("New &Disk Image..."));
  mnuFNewImage->setObjectName(QStringLiteral("mnuFNewImage"));
  mnuFExit = mnuFile->addAction(QStringLiteral("E&xit"));
  mnuFExit->setObjectName(QStringLiteral("mnuFExit"));
  mnuFExit->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
  // The Library is there with no Set open as well.
  mnuUtilities = new QMenu(QStringLiteral("&Utilities"), this);
  mnuUtilities->setObjectName(QStringLiteral("mnuUtilities"));
  mnuULibrary = mnuUtilities->addAction(QStringLiteral("&Library..."));
  mnuULibrary->setObjectName(QStringLiteral("mnuULibrary"));
  mnuHelp = new QMenu(QStringLiteral("&?"), this);
  mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
  mnuHTopics = mnuHelp->addAction(QStringLiteral("&Contents"));
  mnuHTopics->setObjectName(QStringLiteral("mnuHTopics"));
  mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuHSep1"));
  mnuHAbout = mnuHelp->addAction(QStringLiteral("About..."));
  mnuHAbout->setObjectName(QStringLiteral("mnuHAbout"));

  connect(mnuFNew, &QAction::triggered, this, &MainWindow::NewSet);
  connect(mnuFOpen, &QAction::triggered, this, &MainWindow::OpenSetWithDialog);
  connect(mnuFNewImage, &QAction::triggered, this, &MainWindow::NewDiskImage);
  connect(mnuFExit, &QAction::triggered, this, &MainWindow::ExitProgram);
  connect(mnuULibrary, &QAction::triggered, this, &MainWindow::ShowLibrary);
  connect(mnuHTopics, &QAction::triggered, this, [this] { dialogs_.ShowHelp(); });
  connect(mnuHAbout, &QAction::triggered, this, [this] { dialogs_.ShowAbout(); });
  connect(mdiArea_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
    ShowMenusOf(sub ? qobject_cast<DocumentWindow*>(sub->widget()) : nullptr);
  });
  ShowMenusOf(nullptr);
}

MainWindow::~MainWindow() {
  // Closing the document windows while the frame goes must not touch its menus.
  disconnect(mdiArea_, nullptr, this, nullptr);
}

void MainWindow::ShowMenusOf(DocumentWindow* document) {
  QMenuBar* bar = menuBar();
  bar->clear();
  if (document) {
    for (QAction* entry : document->Menus().BarEntries()) bar->addAction(entry);
  } else {
    bar->addMenu(mnuFile);
    bar->addMenu(mnuUtilities);
    bar->addMenu(mnuHelp);
  }
}

QString MainWindow::AboutCaption() const { return mnuHAbout->text(); }

void MainWindow::NewSet() { OpenSet(ws_, OpenMode::New, ""); }

void MainWindow::OpenSetWithDialog() { OpenSet(ws_, OpenMode::Open, ""); }

void MainWindow::NewDiskImage() { NewDiskImageCommand(ws_, this); }

void MainWindow::ExitProgram() { close(); }

void MainWindow::CascadeWindows() {
  CascadeDocuments(*mdiArea_);
  ws_.prefs.wArrangeMode = 0;
}

void MainWindow::TileWindows() {
  TileDocumentsHorizontally(*mdiArea_);
  ws_.prefs.wArrangeMode = 1;
}

void MainWindow::ArrangeIcons() { ArrangeDocumentIcons(*mdiArea_); }

LibraryWindow* MainWindow::Library() const { return library_.data(); }

void MainWindow::ShowLibrary() {
  if (!library_) library_ = new LibraryWindow(ws_, documents_, settings_, this);
  library_->show();
  library_->raise();
  library_->activateWindow();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (ended_) {
    event->accept();
    return;
  }
  for (QMdiSubWindow* sub : mdiArea_->subWindowList()) {
    if (!sub->close()) {
      event->ignore();
      return;
    }
  }
  if (AnyDocumentOpen(ws_)) {
    event->ignore();
    return;
  }
  WritePreferences(settings_, ws_.prefs);
  ended_ = true;
  event->accept();
  emit runEnded();
}

}  // namespace tolvane
