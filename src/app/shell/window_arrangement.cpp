#include "shell/window_arrangement.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace tolvane {

namespace {

QList<QMdiSubWindow*> Windows(const QMdiArea& area, bool minimised) {
  QList<QMdiSubWindow*> out;
  for (QMdiSubWindow* w : area.subWindowList(QMdiArea::CreationOrder))
    if (!w->isHidden() && w->isMinimized() == minimised) out << w;
  return out;
}

// The part of the area a window may cover from `at` on.
QSize AreaFrom(const QMdiArea& area, QPoint at) {
  const QSize room = area.viewport()->size();
  return {std::max(0, room.width() - at.x()), std::max(0, room.height() - at.y())};
}

}  // namespace

QSize RoomFor(const QMdiSubWindow& window, QSize wanted) {
  QMdiArea* area = window.mdiArea();
  if (!area) return wanted;
  QSize size = wanted.boundedTo(AreaFrom(*area, window.pos()));
  const QRect now = window.geometry();
  for (QMdiSubWindow* other : Windows(*area, false)) {
    if (other == &window || other->geometry().intersects(now)) continue;
    const QRect taken = other->geometry();
    QRect grown(window.pos(), size);
    if (!grown.intersects(taken)) continue;
    // Stop short of the other window on the side where it lies.
    if (taken.top() >= now.bottom())
      size.setHeight(taken.top() - now.top());
    else if (taken.left() >= now.right())
      size.setWidth(taken.left() - now.left());
  }
  return size.expandedTo(window.minimumSize());
}

void CascadeDocuments(QMdiArea& area) {
  const int step = area.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &area) + 2;
  const QSize room = area.viewport()->size();
  int i = 0;
  for (QMdiSubWindow* w : Windows(area, false)) {
    if (w->isMaximized()) w->showNormal();
    // Each window as large as its contents ask, within the area; it steps
    // right and down only as far as it still fits.
    const QSize size = w->sizeHint().boundedTo(room);
    const QPoint at(std::min(i * step, std::max(0, room.width() - size.width())),
                    std::min(i * step, std::max(0, room.height() - size.height())));
    w->setProperty(kArrangedProperty, true);
    w->setGeometry(QRect(at, size.boundedTo(AreaFrom(area, at))));
    w->raise();
    ++i;
  }
}

void TileDocumentsHorizontally(QMdiArea& area) {
  const auto windows = Windows(area, false);
  if (windows.isEmpty()) return;
  const QRect room = area.viewport()->rect();
  const int count = static_cast<int>(windows.size());
  int y = 0;
  for (int i = 0; i < count; ++i) {
    QMdiSubWindow* w = windows[i];
    if (w->isMaximized()) w->showNormal();
    // The last window takes what the division leaves over.
    const int height = i + 1 == count ? room.height() - y : room.height() / count;
    w->setProperty(kArrangedProperty, true);
    w->setGeometry(0, y, room.width(), height);
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
