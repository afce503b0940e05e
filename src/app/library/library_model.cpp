#include "library/library_model.h"

#include <QMimeData>

#include <algorithm>
#include <numeric>
#include <tuple>

#include "document/drag_payload.h"
#include "ui/cp1252.h"

namespace tolvane {

LibraryModel::LibraryModel(QObject* parent) : QAbstractTableModel(parent) {}

void LibraryModel::ShowRows(const Library* library, std::vector<std::uint32_t> rows, std::vector<int> groups) {
  beginResetModel();
  if (library != library_) rankedFor_ = nullptr;
  library_ = library;
  rows_ = std::move(rows);
  groups_ = std::move(groups);
  SortRows();
  endResetModel();
}

int LibraryModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int LibraryModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

QVariant LibraryModel::data(const QModelIndex& index, int role) const {
  if (!library_ || !index.isValid()) return {};
  const auto row = static_cast<std::size_t>(index.row());
  const LibraryItem& item = library_->items[rows_[row]];
  // Where the Set lies, for Sets of one name in several folders.
  if (role == Qt::ToolTipRole && index.column() == kSetColumn) return FromPath(library_->sets[item.set].path);
  if (role != Qt::DisplayRole) return {};
  switch (index.column()) {
    case kGroupColumn: return groups_.empty() ? QVariant() : QVariant(groups_[row]);
    case kKindColumn: return QString::fromStdString(LibraryKindName(item.kind));
    case kLabelColumn: return QString::fromStdString(item.label);
    case kNameColumn: return FromCp1252(item.name);
    case kSetColumn: return FromMessageText(library_->sets[item.set].shown);
    case kStyleColumn:
      if (item.styleLabel.empty()) return {};
      return QString::fromStdString(item.styleLabel) + QLatin1Char(' ') + FromCp1252(item.styleName);
    default: return {};
  }
}

QVariant LibraryModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
  static const char* const kTitles[kColumnCount] = {"Group", "Kind", "Label", "Name", "Set", "Style"};
  return section >= 0 && section < kColumnCount ? QString::fromLatin1(kTitles[section]) : QVariant();
}

void LibraryModel::sort(int column, Qt::SortOrder order) {
  sortColumn_ = column;
  sortOrder_ = order;
  emit layoutAboutToBeChanged();
  SortRows();
  emit layoutChanged();
}

void LibraryModel::SortRows() {
  if (!library_ || sortColumn_ < kKindColumn || sortColumn_ >= kColumnCount) return;
  if (rankedFor_ != library_ || setRank_.size() != library_->sets.size()) {
    const auto& sets = library_->sets;
    std::vector<std::uint32_t> byName(sets.size());
    std::iota(byName.begin(), byName.end(), std::uint32_t{0});
    std::stable_sort(byName.begin(), byName.end(), [&](std::uint32_t a, std::uint32_t b) {
      return QString::fromStdString(sets[a].shown).compare(QString::fromStdString(sets[b].shown),
                                                           Qt::CaseInsensitive) < 0;
    });
    setRank_.assign(sets.size(), 0);
    for (std::uint32_t r = 0; r < byName.size(); ++r) setRank_[byName[r]] = r;
    rankedFor_ = library_;
  }
  const auto& items = library_->items;
  // Ties keep the library's order (Set, kind, place), whatever the direction.
  auto key = [&](std::uint32_t i) {
    const LibraryItem& it = items[i];
    switch (sortColumn_) {
      case kKindColumn: return std::tuple(it.kind, std::string_view(), setRank_[it.set]);
      case kLabelColumn: return std::tuple(it.kind, std::string_view(it.label), std::uint32_t{0});
      case kNameColumn: return std::tuple(0, std::string_view(it.folded), std::uint32_t{0});
      case kSetColumn: return std::tuple(0, std::string_view(), setRank_[it.set]);
      default: return std::tuple(it.styleLabel.empty() ? 1 : 0, std::string_view(it.styleName), std::uint32_t{0});
    }
  };
  const bool down = sortOrder_ == Qt::DescendingOrder;
  std::vector<std::size_t> order(rows_.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    if (!groups_.empty() && groups_[a] != groups_[b]) return groups_[a] < groups_[b];
    const auto ka = key(rows_[a]), kb = key(rows_[b]);
    if (ka != kb) return down ? kb < ka : ka < kb;
    return rows_[a] < rows_[b];
  });
  std::vector<std::uint32_t> rows(rows_.size());
  std::vector<int> groups(groups_.size());
  for (std::size_t i = 0; i < order.size(); ++i) {
    rows[i] = rows_[order[i]];
    if (!groups_.empty()) groups[i] = groups_[order[i]];
  }
  rows_ = std::move(rows);
  groups_ = std::move(groups);
}

Qt::ItemFlags LibraryModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}

QStringList LibraryModel::mimeTypes() const { return {QString::fromLatin1(kItemMimeType)}; }

QMimeData* LibraryModel::mimeData(const QModelIndexList& indexes) const {
  if (indexes.isEmpty() || !library_) return nullptr;
  const LibraryItem& item = library_->items[ItemAt(indexes.first().row())];
  return MakeLibraryDragMime(library_->sets[item.set].path, item.kind, item.number, item.content.a, item.content.b);
}

}  // namespace tolvane
