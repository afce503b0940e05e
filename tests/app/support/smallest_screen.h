#pragma once
// The widget tests and the screenshots run on an offscreen screen of the
// smallest size the editor is made for, 800x600 pixels.

namespace tolvane::test {

// Call before the QApplication is made. Leaves any other platform alone.
void UseSmallestScreen();

}  // namespace tolvane::test
