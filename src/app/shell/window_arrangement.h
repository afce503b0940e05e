#pragma once
// Cascade, horizontal tile and arrange icons for the document windows.

class QMdiArea;

namespace tolvane {

// Each window keeps its size and steps down and right by one title bar.
void CascadeDocuments(QMdiArea& area);
// The windows one above the other, each as wide as the area.
void TileDocumentsHorizontally(QMdiArea& area);
// Minimised windows in rows along the bottom of the area.
void ArrangeDocumentIcons(QMdiArea& area);

}  // namespace tolvane
