#include "shell/window_arrangement.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>

#include <algorithm>

namespace tolvane {

namespace {

QList<QMdiSubWindow*> Windows(QMdiArea& area, bool minimised) {
  QList<QMdiSubWindow*> out;
  for (QMdiSubWindow* w : area.subWindowList(QMdiArea::CreationOrder))
    if (!w->isHidden() && w->isMinimized() == minimised) out << w;
  return out;
}

}  // namespace

void CascadeDocuments(QMdiArea& area) {
  const int step = area.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &area) + 2;
  int i = 0;
  for (QMdiSubWindow* w : Windows(area, false)) {
    if (w->isMaximized()) w->showNormal();
    w->move(i * step, i * step);
    w->raise();
    ++i;
  }
}

void TileDocumentsHorizontally(QMdiArea& area) {
  const auto windows = Windows(area, false);
  if (windows.isEmpty()) return;
  const QRect room = area.viewport()->rect();
  const int share = room.height() / static_cast<int>(windows.size());
  int y = 0;
  for (QMdiSubWindow* w : windows) {
    if (w->isMaximized()) w->showNormal();
    // A window never gets less than its controls need; the area scrolls instead.
    const QSize least = w->minimumSize().expandedTo(w->minimumSizeHint());
    const int height = std::max(share, least.height());
    w->setGeometry(0, y, std::max(room.width(), least.width()), height);
    y += height;
  }
}

void ArrangeDocumentIcons(QMdiArea& area) {
  const QRect room = area.viewport()->rect();
  int x = 0;
  int rowTop = -1;
  for (QMdiSubWindow* w : Windows(area, true)) {
    const QSize icon = w->size();
    if (rowTop < 0) {
      rowTop = room.height() - icon.height();
    } else if (x > 0 && x + icon.width() > room.width()) {
      x = 0;
      rowTop -= icon.height();
    }
    w->move(x, rowTop);
    x += icon.width();
  }
}

}  // namespace tolvane
