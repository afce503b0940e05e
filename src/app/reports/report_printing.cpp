#include "reports/report_printing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QStringList>

#include <algorithm>

namespace tolvane {

namespace {

constexpr double kMarginMillimetres = 20.0;

// The font at the size, no larger than asked, whose report columns fit `width`.
QFont FittedFont(QFont font, QPaintDevice* device, qreal width) {
  const QFontMetricsF metrics(font, device);
  const qreal wanted = metrics.horizontalAdvance(QString(kReportColumns, QLatin1Char('_')));
  if (wanted > width && wanted > 0) font.setPointSizeF(font.pointSizeF() * width / wanted * 0.99);
  return font;
}

}  // namespace

bool PrintPlainText(QPrinter& printer, const QString& text, const QFont& font) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
  painter.setFont(FittedFont(font, &printer, page.width()));
  const QFontMetrics metrics = painter.fontMetrics();
  QStringList lines;
  for (QString line : text.split(QStringLiteral("\r\n"))) {
    // A longer line (the drum kits share theirs with the closing rule)
    // goes on below rather than past the margin.
    for (; line.size() > kReportColumns; line.remove(0, kReportColumns)) lines << line.left(kReportColumns);
    lines << line;
  }
  // The text ends with a line end: there is no line after it.
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  for (int i = 0; i < 4; ++i) lines.prepend(QString());
  int top = 0;
  for (const QString& line : lines) {
    if (top > 0 && top + metrics.lineSpacing() > page.height()) {
      if (!printer.newPage()) return false;
      top = 0;
    }
    painter.drawText(0, top + metrics.ascent(), line);
    top += metrics.lineSpacing();
  }
  return painter.end();
}

std::unique_ptr<QPrinter> MakeReportPrinter() {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  const QMarginsF least(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres);
  const QMarginsF now = printer->pageLayout().margins(QPageLayout::Millimeter);
  // Never inside what the printer itself cannot reach.
  printer->setPageMargins(QMarginsF(std::max(now.left(), least.left()), std::max(now.top(), least.top()),
                                    std::max(now.right(), least.right()), std::max(now.bottom(), least.bottom())),
                          QPageLayout::Millimeter);
  return printer;
}

std::unique_ptr<QPrinter> FreshPrinterLike(const QPrinter& used) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(used.outputFormat());
  if (used.outputFormat() == QPrinter::NativeFormat) printer->setPrinterName(used.printerName());
  printer->setOutputFileName(used.outputFileName());
  printer->setPageLayout(used.pageLayout());
  printer->setCopyCount(used.copyCount());
  printer->setColorMode(used.colorMode());
  printer->setDuplex(used.duplex());
  return printer;
}

}  // namespace tolvane
