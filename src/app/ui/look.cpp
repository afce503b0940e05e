#include "ui/look.h"

#include <QFontDatabase>
#include <QStringList>

namespace tolvane {

namespace {
const QString kFixedFamily = QStringLiteral("Courier New");
constexpr int kFixedPointSize = 8;
}  // namespace

void InstallFontSubstitutes() {
  if (QFontDatabase::families().contains(kFixedFamily, Qt::CaseInsensitive)) return;
  // Liberation Mono and Cousine share the metrics of Courier New.
  QFont::insertSubstitutions(kFixedFamily, {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine"),
                                            QStringLiteral("Nimbus Mono PS"), QStringLiteral("DejaVu Sans Mono"),
                                            QStringLiteral("Monospace")});
}

QFont FixedPitchFont() {
  QFont font(kFixedFamily, kFixedPointSize);
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  return font;
}

QColor ToQColor(const CellColour& colour, const QPalette& palette) {
  if (colour.systemDisabled) return palette.color(QPalette::Disabled, QPalette::WindowText);
  return QColor(colour.red, colour.green, colour.blue);
}

}  // namespace tolvane
