#pragma once
// Printing a report as plain text in a fixed-pitch font.

#include <QFont>
#include <QString>

#include <memory>

class QPrinter;

namespace tolvane {

// The columns a report line holds: its underscore lines are this long.
inline constexpr int kReportColumns = 100;

// Prints 4 empty lines, then every line of text (CR LF line ends), in font,
// starting a new page when one is full. The font is made smaller where the
// page between its margins is narrower than the report's columns; a longer
// line goes on in the next. False when the printer cannot print.
bool PrintPlainText(QPrinter& printer, const QString& text, const QFont& font);

// A printer with the page margins of an ordinary document.
std::unique_ptr<QPrinter> MakeReportPrinter();
// A new printer with the choices made for `used` (printer or file, paper,
// margins, copies): a printer whose job failed may refuse every change.
std::unique_ptr<QPrinter> FreshPrinterLike(const QPrinter& used);

}  // namespace tolvane
