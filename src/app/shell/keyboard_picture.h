#pragma once
// The instrument's keyboard, drawn for the about box and the window icons.

#include <QIcon>
#include <QPixmap>

namespace tolvane {

// Five octaves and a top C, as on the instrument.
QPixmap KeyboardPicture(int width, int height);
QIcon ProgramIcon();

}  // namespace tolvane
