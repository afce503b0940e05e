// What a document window shows of its Set's state: the caption's modified
// mark, the status after a save, the Window menu's Sets, the Edit entries
// that depend on the records, and the colours after a redirection; and the
// report printed to a PDF file, read back with poppler's tools.

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QProcess>
#include <QRegularExpression>
#include <QStatusBar>

#include "demo_window.h"
#include "reports/report_printing.h"
#include "reports/report_window.h"
#include "reports/set_report.h"

namespace tolvane::test {
namespace {

QString Output(const QString& program, const QStringList& arguments) {
  QProcess p;
  p.start(program, arguments);
  p.waitForFinished(30000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

class DocumentStates : public DemoWindowTest {
 protected:
  void SetUp() override {
    DemoWindowTest::SetUp();
    m = &doc->Menus();
  }
  void Cut(int tab, int row, int column) {
    ShowTab(tab);
    (tab == kTabArrangements ? doc->grdArr : doc->grdPrg)->setCurrentCell(row, column);
    m->eCut->trigger();
  }
  QString Undo() const { return m->eUndo->text() + (m->eUndo->isEnabled() ? "" : " (off)"); }
  QString Status() { return h.App().Main()->statusBar()->currentMessage(); }
  DocumentMenus* m = nullptr;
};

TEST_F(DocumentStates, TheCaptionIsMarkedWhileTheSetIsModifiedAndTheStatusSaysWhatWasSaved) {
  EXPECT_EQ(doc->windowTitle(), "DEMO[*]");
  EXPECT_FALSE(doc->SubWindow()->isWindowModified());
  Cut(kTabArrangements, 0, 1);  // A12, called by nobody
  EXPECT_TRUE(doc->SubWindow()->isWindowModified());
  m->fSave->trigger();
  EXPECT_FALSE(doc->SubWindow()->isWindowModified());
  EXPECT_EQ(Status(), "Saved DEMO: Arrangements");
  m->eUndo->trigger();
  Cut(kTabPrograms, 2, 0);  // D21, called by nobody
  m->fSave->trigger();
  EXPECT_EQ(Status(), "Saved DEMO: Arrangements, Programs");
  m->fSave->trigger();
  EXPECT_EQ(Status(), "No changes to save in DEMO");
}

TEST_F(DocumentStates, UndoIsOfferedOnlyForTheShownKindAndKeepsTheOtherKindsRecords) {
  Cut(kTabPrograms, 2, 0);
  PickBank(doc->cboPrgBnk, 0);  // a preset: off, the caption as it was
  EXPECT_EQ(Undo(), "&Undo (off)");
  Cut(kTabArrangements, 0, 1);
  ShowTab(kTabStyles);
  doc->grdSty->setCurrentCell(0, 2);  // U13
  EXPECT_EQ(Undo(), "Can't Undo (off)");
  ShowTab(kTabArrangements);
  m->eUndo->trigger();
  EXPECT_EQ(Text(doc->grdArr, 0, 1).substr(0, 14), "A12 Rock 8Beat");
  EXPECT_EQ(Undo(), "Can't Undo (off)");
  ShowTab(kTabPrograms);
  PickBank(doc->cboPrgBnk, 3);
  EXPECT_EQ(Undo(), "&Undo");  // the Program cut can still be taken back
}

TEST_F(DocumentStates, CutPasteColoursAndTheWindowMenuFollowThePlaceTheClipboardAndTheOpenSets) {
  ShowTab(kTabArrangements);
  doc->grdArr->setCurrentCell(1, 2);  // A17, empty
  EXPECT_EQ(std::vector({m->eCut->isEnabled(), m->eCopy->isEnabled(), m->ePaste->isEnabled()}),
            std::vector({false, true, false}));
  doc->grdArr->setCurrentCell(0, 1);
  m->eCopy->trigger();
  EXPECT_TRUE(m->ePaste->isEnabled());
  // Pasted over A14, whose callers go to A13: A13 shows itself called at once.
  doc->grdArr->setCurrentCell(0, 3);
  h.ui.Answer(MsgResult::Yes).Select(2).Answer(MsgResult::Ok);
  m->ePaste->trigger();
  EXPECT_EQ(doc->grdArr->CellColour(0, 2), kCalled);

  DocumentWindow* second = OpenDemoAgain(2);
  ASSERT_NE(second, nullptr);
  emit second->Menus().window->aboutToShow();
  QStringList sets;
  for (QAction* a : second->Menus().wSets) sets << a->text() + (a->isChecked() ? "*" : "");
  const QString folder = h.Folder() + "/DEMO";
  EXPECT_EQ(sets, (QStringList{"", "&1 DEMO in " + folder, "&2 DEMO in " + folder + "*"}));
  second->SelectTab(kTabArrangements);
  EXPECT_TRUE(second->Menus().ePaste->isEnabled());
  h.ui.Answer(MsgResult::No);  // its changes are not saved
  doc->SubWindow()->close();  // the clipboard's Set goes
  EXPECT_FALSE(second->Menus().ePaste->isEnabled());
}

TEST_F(DocumentStates, AsksForAPrinterUntilOneHoldsAndPrintsEveryLineWithinTheMargins) {
  ReportWindow window(h.Ws(), 1, BuildSetReport(h.Ws(), 1, "7-Mar-2025 09:05:00"));
  QString pdf;  // what the user picks in the system's print dialog: "Print to File (PDF)"
  int asked = 0;
  window.SetPrinterChooser([&](QPrinter& printer, QWidget*) {
    ++asked;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    return !pdf.isEmpty();
  });
  EXPECT_FALSE(window.PrintReport());  // cancelled: nothing printed, nothing said
  pdf = h.Folder() + "/no such folder/report.pdf";
  EXPECT_FALSE(window.PrintReport());
  ASSERT_EQ(h.ui.messages.size(), 1u);
  EXPECT_EQ(h.ui.messages[0].text, "Error printing Report");
  pdf = h.Folder() + "/report.pdf";  // a failed attempt leaves the printer to choose again
  EXPECT_TRUE(window.PrintReport());
  EXPECT_TRUE(window.PrintReport());  // the printer chosen stays chosen
  EXPECT_EQ(asked, 3);

  const QString info = Output("pdfinfo", {pdf});
  EXPECT_EQ(QRegularExpression("Pages:\\s+(\\d+)").match(info).captured(1), "2") << info.toStdString();
  // Every line in order; one longer than the report's columns goes on below.
  const QString printed = Output("pdftotext", {"-layout", pdf, "-"}).simplified();
  qsizetype at = 0;
  for (QString line : QString::fromStdString(window.Text()).split("\r\n"))
    for (; !line.trimmed().isEmpty(); line.remove(0, kReportColumns)) {
      at = printed.indexOf(line.left(kReportColumns).simplified(), at);
      ASSERT_GE(at, 0) << line.toStdString();
    }
  // Nothing within 20 mm (56.7 points) of the paper's edges.
  const QString boxes = Output("pdftotext", {"-bbox", pdf, "-"});
  const auto page = QRegularExpression("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\"").match(boxes);
  const double right = page.captured(1).toDouble() - 56, bottom = page.captured(2).toDouble() - 56;
  const QRegularExpression word("xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\"");
  int words = 0;
  for (auto m = word.globalMatch(boxes); m.hasNext(); ++words) {
    const auto w = m.next();
    EXPECT_TRUE(w.captured(1).toDouble() >= 56 && w.captured(2).toDouble() >= 56 && w.captured(3).toDouble() <= right &&
                w.captured(4).toDouble() <= bottom)
        << w.captured(0).toStdString();
  }
  EXPECT_GT(words, 400);
}

}  // namespace
}  // namespace tolvane::test
