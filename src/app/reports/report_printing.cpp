#include "reports/report_printing.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QStringList>

namespace tolvane {

bool PrintPlainText(QPrinter& printer, const QString& text, const QFont& font) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  painter.setFont(font);
  const QFontMetrics metrics = painter.fontMetrics();
  const int pageHeight = printer.pageLayout().paintRectPixels(printer.resolution()).height();
  QStringList lines = text.split(QStringLiteral("\r\n"));
  // The text ends with a line end: there is no line after it.
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  for (int i = 0; i < 4; ++i) lines.prepend(QString());
  int top = 0;
  for (const QString& line : lines) {
    if (top > 0 && top + metrics.lineSpacing() > pageHeight) {
      if (!printer.newPage()) return false;
      top = 0;
    }
    painter.drawText(0, top + metrics.ascent(), line);
    top += metrics.lineSpacing();
  }
  return painter.end();
}

}  // namespace tolvane
