// The Set report printed to a PDF file, read back with poppler's tools:
// its pages, its margins and its text.

#include <QProcess>
#include <QRegularExpression>

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

using ReportPrinting = DemoWindowTest;

TEST_F(ReportPrinting, AsksForAPrinterUntilOneHoldsAndPrintsEveryLineWithinTheMargins) {
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
