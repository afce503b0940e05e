#pragma once
// Printing a report as plain text in a fixed-pitch font.

#include <QFont>
#include <QString>

class QPrinter;

namespace tolvane {

// Prints 4 empty lines, then every line of text (CR LF line ends), in font,
// starting a new page when one is full. False when the printer cannot print.
bool PrintPlainText(QPrinter& printer, const QString& text, const QFont& font);

}  // namespace tolvane
