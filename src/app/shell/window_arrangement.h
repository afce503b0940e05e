#pragma once
// Cascade, horizontal tile and arrange icons for the document windows, and
// the room a window may take when its contents ask for another size.

#include <QSize>

class QMdiArea;
class QMdiSubWindow;

namespace tolvane {

// Set on a document's frame once Cascade or Tile has placed it: its size is
// no longer the contents' to choose.
inline constexpr char kArrangedProperty[] = "tolvaneArranged";

// Each window as large as its contents ask within the area, stepping down
// and right by one title bar as far as it stays inside the area.
void CascadeDocuments(QMdiArea& area);
// The windows one above the other, each as wide as the area, sharing its
// height without overlapping; a window scrolls what does not fit.
void TileDocumentsHorizontally(QMdiArea& area);
// Minimised windows in rows along the bottom of the area.
void ArrangeDocumentIcons(QMdiArea& area);

// The size a window at its place gets when it wants `wanted`: no larger than
// the area from its place, and not reaching into another open window that it
// does not overlap already; never below its minimum size.
QSize RoomFor(const QMdiSubWindow& window, QSize wanted);

}  // namespace tolvane
