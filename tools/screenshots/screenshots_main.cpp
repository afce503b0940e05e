// Writes PNG pictures of the editor on the DEMO Set, one per tab, and of each
// dialog, for looking at what the windows really show.
// Usage: tolvane-app-screenshots OUTPUT_FOLDER

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTabWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QLineEdit>
#include <QTextBrowser>

#include <cstdio>

#include "app_harness.h"
#include "details/arrangement_details.h"
#include "details/global_details.h"
#include "details/program_details.h"
#include "details/sequence_details.h"
#include "details/style_details.h"
#include "smallest_screen.h"
#include "dialogs/disk_image_dialogs.h"
#include "dialogs/select_item_dialog.h"
#include "document/bank_grid.h"
#include "document/document_window.h"
#include "document/document_windows.h"
#include "editing/drag_drop.h"
#include "library/compare_window.h"
#include "library/set_compare.h"
#include "library/set_reading.h"
#include "library/library_window.h"
#include "sets/set_files.h"
#include "params/arrangement_params_dialog.h"
#include "params/global_params_dialog.h"
#include "params/program_params_dialog.h"
#include "params/sequence_params_dialog.h"
#include "params/style_params_dialog.h"
#include "reports/report_window.h"
#include "reports/set_report.h"
#include "shell/about_dialog.h"
#include "shell/help_window.h"
#include "shell/main_window.h"
#include "shell/options_dialog.h"
#include "shell/tip_dialog.h"
#include "sets/image_sets.h"
#include "sets/workspace.h"
#include "storage/tables.h"
#include "ui/look.h"
#include "ui/progress_window.h"
#include "ui/qt_user_interface.h"

namespace {

QString g_folder;

void Save(QWidget* w, const QString& name) {
  for (int i = 0; i < 5; ++i) {
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  const QString path = g_folder + "/" + name + ".png";
  if (!w->grab().save(path)) std::fprintf(stderr, "could not write %s\n", qPrintable(path));
  std::printf("%s\n", qPrintable(path));
}

void SaveShown(QWidget& dialog, const QString& name) {
  dialog.show();
  Save(&dialog, name);
  dialog.hide();
}

void CopySet(const QString& from, const QString& to) {
  for (int k = 0; k < tolvane::kSetFileKinds; ++k) {
    const QString ext = QString::fromStdString(tolvane::KindExtension(k));
    QFile::copy(from + ext, to + ext);
  }
}

// The Library over a collection: the demo Set, the template, a folder of
// Sets (one changed, one that cannot be read) and the disk image; then the
// comparison of two of them.
void SaveLibraryShots(tolvane::test::AppHarness& h, const std::string& image) {
  using namespace tolvane;
  const QString folder = h.Folder() + "/Collection";
  QDir().mkpath(folder);
  CopySet(h.Folder() + "/DEMO/DEMO", folder + "/GIG98");
  CopySet(h.Folder() + "/DEMO/DEMO", folder + "/LIVE");
  CopySet(h.Folder() + "/I3EMPTY/I3EMPTY", folder + "/BLANK");
  for (int k = 0; k < kSetFileKinds; ++k) {
    QFile junk(folder + "/OLDDISK" + QString::fromStdString(KindExtension(k)));
    if (junk.open(QIODevice::WriteOnly)) junk.write("damaged");
  }
  // LIVE: its Ballad Style moved to U21, so its callers differ from GIG98's.
  const int live = OpenSet(h.Ws(), OpenMode::Open, (folder + "/LIVE").toStdString());
  if (live != 0 && BeginDrag(h.Ws(), live, kStyle, 54)) {
    DropItem(h.Ws(), h.Ws().edits.drag, live, kStyle, 52);
    SaveSetCommand(h.Ws(), live);
  }
  MainWindow* main = h.App().Main();
  main->ShowLibrary();
  LibraryWindow* library = main->Library();
  for (const QString& place : {h.Folder() + "/DEMO", h.Folder() + "/I3EMPTY", folder, QString::fromStdString(image)})
    library->AddPlace(place.toStdString());
  while (library->Scanning()) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  for (QSize size : {QSize(800, 600), QSize(1024, 768)}) {
    library->resize(size);
    Save(library, QStringLiteral("window_library_%1").arg(size.width()));
  }
  library->cboView->setCurrentIndex(1);
  Save(library, "window_library_duplicates");
  library->cboView->setCurrentIndex(2);
  Save(library, "window_library_same_name");
  library->cboView->setCurrentIndex(0);
  library->txtFilter->setText(QStringLiteral("ba"));
  library->cboKind->setCurrentIndex(1);
  Save(library, "window_library_filter");
  library->tabLists->setCurrentIndex(1);
  Save(library, "window_library_unreadable");
  library->hide();

  const int gig = ReadSetIntoFreeSlot(h.Ws(), (folder + "/GIG98").toStdString());
  if (live != 0 && gig != 0) {
    CompareWindow compare("LIVE", "GIG98", CompareSets(h.Ws().Stores(live), h.Ws().Stores(gig), "LIVE", "GIG98"),
                          main);
    SaveShown(compare, "window_compare");
    ReleaseReadSet(h.Ws(), gig);
  }
  CompareWindow same("GIG98", "DEMO", {}, main);
  SaveShown(same, "window_compare_same");
  if (DocumentWindow* window = h.App().Documents().Window(live)) {
    h.Ws().Slot(live).modified = {};
    window->SubWindow()->close();
  }
}

}  // namespace

int main(int argc, char** argv) {
  tolvane::test::UseSmallestScreen();
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  tolvane::InstallFontSubstitutes();
  g_folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
  QDir().mkpath(g_folder);

  using namespace tolvane;
  test::AppHarness h;
  if (!h.Start()) return 1;
  MainWindow* main = h.App().Main();
  DocumentWindow* doc = h.App().Documents().Window(1);
  if (!doc) return 1;

  const char* const tabNames[] = {"arrangements", "styles", "programs", "backing_sequences", "songs"};
  for (int tab = 0; tab < 5; ++tab) {
    doc->SelectTab(tab);
    Save(main, QStringLiteral("main_%1_%2").arg(tab).arg(tabNames[tab]));
  }
  doc->SelectTab(kTabStyles);
  doc->cboStyBnk->setCurrentIndex(0);
  Save(main, "main_1_styles_preset_bank");
  doc->SelectTab(kTabPrograms);
  doc->chkTwin[2]->setChecked(true);
  doc->cboPrgBnk->setCurrentIndex(0);
  Save(main, "main_2_programs_twin_view");
  h.Ws().prefs.highCall = 0;
  doc->chkTwin[2]->setChecked(false);
  doc->cboPrgBnk->setCurrentIndex(3);
  doc->cboPrgBnk->setCurrentIndex(0);
  Save(main, "main_2_programs_highcall_off");
  h.Ws().prefs.highCall = 1;
  doc->cboPrgBnk->setCurrentIndex(3);

  for (auto [menu, name] : {std::pair(doc->Menus().edit, "menu_edit_programs"),
                            std::pair(doc->Menus().file, "menu_file")}) {
    menu->popup(QPoint(0, 0));
    Save(menu, name);
    menu->hide();
  }

  // Two Sets tiled, then cascaded; the second one changed, the first just saved.
  h.ui.ChooseFile(h.DemoSet() + ".ARR").Answer(MsgResult::Ok);
  main->OpenSetWithDialog();
  if (DocumentWindow* second = h.App().Documents().Window(2)) {
    second->SelectTab(kTabArrangements);
    second->grdArr->setCurrentCell(0, 1);
    second->Menus().eCut->trigger();
    second->Menus().fSave->trigger();
    second->grdArr->setCurrentCell(0, 2);
    second->Menus().eCut->trigger();
    second->Menus().window->popup(QPoint(0, 0));
    emit second->Menus().window->aboutToShow();
    Save(second->Menus().window, "menu_window");
    second->Menus().window->hide();
  }
  main->TileWindows();
  Save(main, "main_two_sets_tiled");
  main->CascadeWindows();
  Save(main, "main_two_sets_cascaded");

  // Four Sets on the two small screens: tiled, then cascaded.
  for (int n = 3; n <= 4; ++n) {
    h.ui.ChooseFile(h.DemoSet() + ".ARR");
    for (int i = 1; i < n; ++i) h.ui.Answer(MsgResult::Ok);
    main->OpenSetWithDialog();
  }
  const QRect whole = main->geometry();
  for (QSize screen : {QSize(800, 600), QSize(1024, 768)}) {
    main->showNormal();
    main->setGeometry(QRect(QPoint(0, 0), screen));
    const QString size = QString::number(screen.width());
    main->TileWindows();
    Save(main, "main_four_sets_tiled_" + size);
    main->CascadeWindows();
    Save(main, "main_four_sets_cascaded_" + size);
  }
  for (int d = 4; d >= 2; --d)
    if (DocumentWindow* other = h.App().Documents().Window(d)) {
      h.Ws().Slot(d).modified = {};
      other->SubWindow()->close();
    }
  main->setGeometry(whole);
  main->showMaximized();
  main->TileWindows();
  // A Set inside a floppy disk image, and the dialogs of disk images.
  const std::string image = h.Folder().toStdString() + "/DISK07.IMG";
  std::vector<std::pair<std::string, Bytes>> demoFiles;
  for (int k = 0; k < kSetFileKinds; ++k) {
    Bytes bytes;
    ReadWholeFile(h.DemoSet() + KindExtension(k), bytes);
    demoFiles.emplace_back("DEMO" + KindExtension(k), bytes);
  }
  std::size_t failedAt = 0;
  if (!MakeDiskImage(h.Ws(), image, 1440, "DISK07") ||
      ReplaceFilesInImage(h.Ws(), image, demoFiles, failedAt) != ImageFault::None ||
      OpenSet(h.Ws(), OpenMode::Open, ImageSetPath(image, "DEMO")) == 0)
    return 1;
  Save(main, "main_set_in_disk_image");
  ChooseFromListDialog chooseSet(main, QStringLiteral("Select a Korg-i3 Set"), QStringLiteral("Sets in DISK07.IMG:"),
                                 {QStringLiteral("DEMO"), QStringLiteral("LIVE"), QStringLiteral("SONGS2")});
  SaveShown(chooseSet, "dialog_choose_set_in_image");
  NewDiskImageDialog newImage(main);
  newImage.txtLabel->setText(QStringLiteral("DISK07"));
  SaveShown(newImage, "dialog_new_disk_image");

  SaveLibraryShots(h, image);

  AboutDialog about(main);
  SaveShown(about, "dialog_about");
  TipDialog tips(main);
  PrepareTips(tips, h.Folder());
  tips.chkTips->setChecked(true);
  SaveShown(tips, "dialog_tip_of_the_day");
  OptionsDialog options(main);
  options.LoadFrom(h.Ws().prefs);
  SaveShown(options, "dialog_options");

  ReportWindow report(h.Ws(), 1, BuildSetReport(h.Ws(), 1, "7-Mar-2025 09:05:00"), main);
  SaveShown(report, "dialog_report");
  // What "&Print Report" shows before a printer has been chosen.
  QPrintDialog print(&report.Printer(), main);
  SaveShown(print, "dialog_print");
  ProgressWindow creating(main);
  creating.Start(QString::fromStdString(kSetReportProgressCaption), 0, 67);
  creating.Advance(30);
  Save(&creating, "dialog_progress_report");
  creating.Finish();

  ProgressWindow loading(main);
  loading.Start("Loading DEMO Files...", 0.001, 15.001);
  loading.Advance(9);
  Save(&loading, "dialog_progress_loading");
  loading.Finish();
  ProgressWindow calls(main);
  calls.Start(QString::fromStdString(kProgramCallsCaption), 0, 64, QString::fromStdString(kProgramCallsNote));
  calls.Advance(40);
  Save(&calls, "dialog_progress_program_calls");
  calls.Finish();

  SelectItemDialog arrangement(h.Ws(), 1, SelectKind::Arrangement, 3, "Select an Arrangement", main);
  SaveShown(arrangement, "dialog_select_arrangement");
  SelectItemDialog style(h.Ws(), 1, SelectKind::Style, 54, "Select a Style", main);
  SaveShown(style, "dialog_select_style");
  SelectItemDialog program(h.Ws(), 1, SelectKind::Program, 321, "Select a Program for track 'KBD 1  '", main);
  SaveShown(program, "dialog_select_program");

  // The parameters dialogs, on items of the first DEMO window.
  Workspace& ws = h.Ws();
  auto arrangementDetails = ArrangementDetails::Open(ws, 1, 0);
  ArrangementParamsDialog parArr(*arrangementDetails, main);
  SaveShown(parArr, "param_arrangement");
  auto globalDetails = GlobalDetails::Open(ws, 1);
  GlobalParamsDialog parGbl(*globalDetails, main);
  SaveShown(parGbl, "param_global");
  auto userStyle = StyleDetails::Open(ws, 1, 57);
  StyleParamsDialog parSty(*userStyle, main);
  SaveShown(parSty, "param_style_user");
  auto presetStyle = StyleDetails::Open(ws, 1, 12);
  StyleParamsDialog parStyPreset(*presetStyle, main);
  SaveShown(parStyPreset, "param_style_preset");
  auto userProgram = ProgramDetails::Open(ws, 1, 320);
  ProgramParamsDialog parPrg(*userProgram, main);
  SaveShown(parPrg, "param_program_user");
  auto presetProgram = ProgramDetails::Open(ws, 1, 0);
  ProgramParamsDialog parPrgPreset(*presetProgram, main);
  SaveShown(parPrgPreset, "param_program_preset");
  auto backingSequence = SequenceDetails::OpenBackingSequence(ws, 1, 1);
  SequenceParamsDialog parBsq(*backingSequence, main);
  SaveShown(parBsq, "param_backing_sequence");
  auto song = SequenceDetails::OpenSong(ws, 1, 1);
  SequenceParamsDialog parSng(*song, main);
  SaveShown(parSng, "param_song");

  const std::pair<MessageRequest, const char*> messages[] = {
      {{MsgIcon::Exclamation, MsgButtons::YesNoCancel, MsgResult::Cancel, "DEMO", "Save the changes in DEMO ?"},
       "dialog_save_changes"},
      {{MsgIcon::Exclamation, MsgButtons::YesNo, MsgResult::Yes, "Warning",
        "For a correct display, the screen resolution should be at least 800x600 pixels!\r\nContinue anyway?\r\n"},
       "dialog_screen_warning"}};
  for (const auto& [request, name] : messages) SaveShown(*MakeMessageBox(request, main), name);

  // The help beside the programs, where the build puts its pictures.
  HelpWindow help;
  help.ShowContents(QStringLiteral(TOLVANE_BIN_DIR));
  Save(&help, "window_help");
  help.Browser()->setSource(help.Browser()->source().resolved(QUrl(QStringLiteral("window.html#grids"))));
  Save(&help, "window_help_topic");
  help.Browser()->setSource(help.Browser()->source().resolved(QUrl(QStringLiteral("disk_images.html"))));
  Save(&help, "window_help_disk_images");
  help.hide();

  for (QMdiSubWindow* sub : main->Area()->subWindowList()) sub->close();
  Save(main, "main_no_set_open");
  return 0;
}
