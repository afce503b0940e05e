#include "document/bank_grid.h"

#include <QHeaderView>

#include <algorithm>

#include "document/grid_layout.h"
#include "ui/look.h"

namespace tolvane {

BankGrid::BankGrid(int columns, QWidget* parent) : QTableWidget(0, columns, parent) {
  horizontalHeader()->hide();
  verticalHeader()->hide();
  horizontalHeader()->setMinimumSectionSize(1);
  verticalHeader()->setMinimumSectionSize(1);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setWordWrap(false);
  setTextElideMode(Qt::ElideNone);
  setFont(FixedPitchFont());
  // A one-pixel border: four columns of 2925 twips must fit an 800-pixel screen.
  setFrameShape(QFrame::Box);
  setFrameShadow(QFrame::Plain);
  setLineWidth(1);
  // A plain frame is drawn in the text colour; grey sits better with the grid lines.
  QPalette p = palette();
  p.setColor(QPalette::WindowText, p.color(QPalette::Dark));
  setPalette(p);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  SetCellSize(kGridColumnWidth, kGridRowHeight);
  connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int column, int, int) {
    if (!quiet_ && row >= 0 && column >= 0) emit cellChosen(row, column);
  });
  connect(this, &QTableWidget::cellPressed, this, [this](int row, int column) {
    if (!quiet_) emit cellChosen(row, column);
  });
}

void BankGrid::SetCellSize(int columnWidth, int rowHeight) {
  columnWidthPx_ = TwipsToPixels(columnWidth);
  rowHeightPx_ = TwipsToPixels(rowHeight);
  horizontalHeader()->setDefaultSectionSize(columnWidthPx_);
  verticalHeader()->setDefaultSectionSize(rowHeightPx_);
  for (int c = 0; c < columnCount(); ++c) setColumnWidth(c, columnWidthPx_);
  for (int r = 0; r < rowCount(); ++r) setRowHeight(r, rowHeightPx_);
}

QSize BankGrid::SizeForRows(int rows) const {
  const int frame = 2 * frameWidth();
  return {columnCount() * columnWidthPx_ + frame, rows * rowHeightPx_ + frame};
}

void BankGrid::SetRows(int rows, bool flexible) {
  constexpr int kFewestRows = 4;
  fullSize_ = SizeForRows(rows);
  if (!flexible) {
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFixedSize(fullSize_);
    return;
  }
  setFixedWidth(fullSize_.width());
  setMinimumHeight(SizeForRows(std::min(rows, kFewestRows)).height());
  setMaximumHeight(fullSize_.height());
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  updateGeometry();
}

QSize BankGrid::sizeHint() const { return fullSize_.isValid() ? fullSize_ : QTableWidget::sizeHint(); }

void BankGrid::BeginFill(int rows, const QColor& background) {
  setUpdatesEnabled(false);
  quiet_ = true;
  if (rowCount() != rows) setRowCount(rows);
  QPalette p = palette();
  p.setColor(QPalette::Base, background);
  setPalette(p);
}

void BankGrid::SetCell(int row, int column, const QString& text, const QColor& colour) {
  QTableWidgetItem* cell = item(row, column);
  if (!cell) {
    cell = new QTableWidgetItem;
    cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    setItem(row, column, cell);
  }
  cell->setText(text);
  cell->setForeground(colour);
}

void BankGrid::EndFill() {
  quiet_ = false;
  setUpdatesEnabled(true);
}

void BankGrid::SelectCellQuietly(int row, int column) {
  const bool wasQuiet = quiet_;
  quiet_ = true;
  setCurrentCell(row, column);
  quiet_ = wasQuiet;
}

QString BankGrid::CellText(int row, int column) const {
  const QTableWidgetItem* cell = item(row, column);
  return cell ? cell->text() : QString();
}

QColor BankGrid::CellColour(int row, int column) const {
  const QTableWidgetItem* cell = item(row, column);
  return cell ? cell->foreground().color() : QColor();
}

QColor BankGrid::Background() const { return palette().color(QPalette::Base); }

}  // namespace tolvane
