#pragma once
// Fonts and colours shared by the windows.

#include <QColor>
#include <QFont>
#include <QPalette>

#include "document/grid_cells.h"

namespace tolvane {

// Where "Courier New" is not installed, a font with its metrics (or at least a
// fixed pitch) stands in for it. Called once before any window is made.
void InstallFontSubstitutes();
// "Courier New" at the size of the grids and lists.
QFont FixedPitchFont();

// The platform's disabled-text colour stands in for the colour marked so.
QColor ToQColor(const CellColour& colour, const QPalette& palette);

}  // namespace tolvane
