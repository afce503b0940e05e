#pragma once
// The Library's list: a table over the rows shown (indexes into the
// library's items), sorted by any column. Rows are plain indexes, so a list
// of a thousand Sets is filled and sorted without a widget per item.

#include <QAbstractTableModel>

#include <cstdint>
#include <vector>

#include "library/library.h"

namespace tolvane {

class LibraryModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { kGroupColumn, kKindColumn, kLabelColumn, kNameColumn, kSetColumn, kStyleColumn, kColumnCount };

  explicit LibraryModel(QObject* parent = nullptr);

  // The rows shown: items of `library` (which must outlive them), and for a
  // view of groups each row's group number from 1. The last sort is kept.
  void ShowRows(const Library* library, std::vector<std::uint32_t> rows, std::vector<int> groups = {});
  bool Grouped() const { return !groups_.empty(); }
  // The library item a row shows.
  std::uint32_t ItemAt(int row) const { return rows_[static_cast<std::size_t>(row)]; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  // Groups stay together: within a view of groups the rows sort inside each.
  void sort(int column, Qt::SortOrder order) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QStringList mimeTypes() const override;
  // A row dragged onto an open Set: its Set's path, kind, number and content.
  QMimeData* mimeData(const QModelIndexList& indexes) const override;
  Qt::DropActions supportedDragActions() const override { return Qt::CopyAction; }

 private:
  void SortRows();

  const Library* library_ = nullptr;
  std::vector<std::uint32_t> rows_;
  std::vector<int> groups_;
  // Each Set's place in the order of the names shown, for sorting by Set.
  std::vector<std::uint32_t> setRank_;
  const Library* rankedFor_ = nullptr;
  int sortColumn_ = -1;
  Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

}  // namespace tolvane
