#include "library/library_window.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "document/document_windows.h"
#include "library/duplicates.h"
#include "library/library_filter.h"
#include "library/library_model.h"
#include "library/library_open.h"
#include "library/library_places.h"
#include "library/library_scanner.h"
#include "sets/set_files.h"
#include "sets/workspace.h"
#include "storage/tables.h"
#include "ui/cp1252.h"

namespace tolvane {

namespace {

template <class T>
T* Named(T* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

QPushButton* Button(const QString& caption, const char* name, QWidget* parent) {
  auto* button = Named(new QPushButton(caption, parent), name);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

LibraryWindow::LibraryWindow(Workspace& ws, DocumentWindows& documents, SettingsStore& settings, QWidget* parent)
    : QWidget(parent, Qt::Window),
      ws_(ws),
      documents_(documents),
      settings_(settings),
      library_(std::make_shared<Library>()),
      model_(new LibraryModel(this)),
      scanner_(new LibraryScanner(this)) {
  setObjectName(QStringLiteral("FLibrary"));
  setWindowTitle(QStringLiteral("Library"));
  if (parent) setWindowIcon(parent->windowIcon());

  lstPlaces = Named(new QListWidget(this), "lstPlaces");
  lstPlaces->setMaximumHeight(fontMetrics().height() * 5);
  cmdAddFolder = Button(QStringLiteral("Add &Folder..."), "cmdAddFolder", this);
  cmdAddImage = Button(QStringLiteral("Add &Disk Image..."), "cmdAddImage", this);
  cmdRemove = Button(QStringLiteral("&Remove"), "cmdRemove", this);
  cmdRefresh = Button(QStringLiteral("Re&fresh"), "cmdRefresh", this);
  auto* placeButtons = new QVBoxLayout;
  for (QPushButton* b : {cmdAddFolder, cmdAddImage, cmdRemove, cmdRefresh}) placeButtons->addWidget(b);
  placeButtons->addStretch();
  auto* places = new QHBoxLayout;
  places->addWidget(lstPlaces, 1);
  places->addLayout(placeButtons);

  prgScan = Named(new QProgressBar(this), "prgScan");
  lblScan = Named(new QLabel(this), "lblScan");
  cmdCancel = Button(QStringLiteral("&Cancel"), "cmdCancel", this);
  auto* scanLine = new QHBoxLayout;
  scanLine->addWidget(prgScan, 1);
  scanLine->addWidget(lblScan, 2);
  scanLine->addWidget(cmdCancel);

  txtFilter = Named(new QLineEdit(this), "txtFilter");
  txtFilter->setPlaceholderText(QStringLiteral("Part of a name"));
  txtFilter->setClearButtonEnabled(true);
  cboKind = Named(new QComboBox(this), "cboKind");
  cboKind->addItem(QStringLiteral("All kinds"));
  for (int k = 0; k < kSetFileKinds; ++k) cboKind->addItem(QString::fromStdString(LibraryKindName(k)));
  cboView = Named(new QComboBox(this), "cboView");
  cboView->addItems({QStringLiteral("All items"), QStringLiteral("Find duplicates"),
                     QStringLiteral("Same name, different content")});
  auto* filterLine = new QHBoxLayout;
  auto* filterLabel = new QLabel(QStringLiteral("Fi&nd:"), this);
  filterLabel->setBuddy(txtFilter);
  filterLine->addWidget(filterLabel);
  filterLine->addWidget(txtFilter, 2);
  filterLine->addWidget(cboKind, 1);
  filterLine->addWidget(cboView, 1);

  grdItems = Named(new QTableView(this), "grdItems");
  grdItems->setModel(model_);
  grdItems->setSelectionBehavior(QAbstractItemView::SelectRows);
  grdItems->setSelectionMode(QAbstractItemView::SingleSelection);
  grdItems->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grdItems->setDragEnabled(true);
  grdItems->setDragDropMode(QAbstractItemView::DragOnly);
  grdItems->setSortingEnabled(true);
  grdItems->sortByColumn(LibraryModel::kKindColumn, Qt::AscendingOrder);
  grdItems->verticalHeader()->hide();
  // Fixed row heights: the view never measures 64,000 rows.
  grdItems->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grdItems->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  grdItems->horizontalHeader()->setStretchLastSection(true);
  const int digit = fontMetrics().horizontalAdvance(QLatin1Char('0'));
  for (auto [column, width] : {std::pair{LibraryModel::kGroupColumn, 7}, {LibraryModel::kKindColumn, 16},
                               {LibraryModel::kLabelColumn, 6}, {LibraryModel::kNameColumn, 13},
                               {LibraryModel::kSetColumn, 24}})
    grdItems->setColumnWidth(column, width * digit);
  grdItems->setColumnHidden(LibraryModel::kGroupColumn, true);

  grdUnreadable = Named(new QTableWidget(0, 2, this), "grdUnreadable");
  grdUnreadable->setHorizontalHeaderLabels({QStringLiteral("Set or place"), QStringLiteral("Reason")});
  grdUnreadable->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grdUnreadable->verticalHeader()->hide();
  grdUnreadable->horizontalHeader()->setStretchLastSection(true);
  grdUnreadable->setColumnWidth(0, 24 * digit);
  grdUnreadable->setWordWrap(false);

  tabLists = Named(new QTabWidget(this), "tabLists");
  tabLists->addTab(grdItems, QStringLiteral("&Items"));
  tabLists->addTab(grdUnreadable, QStringLiteral("&Unreadable"));
  lblCount = Named(new QLabel(this), "lblCount");

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(places);
  layout->addLayout(scanLine);
  layout->addLayout(filterLine);
  layout->addWidget(tabLists, 1);
  layout->addWidget(lblCount);

  connect(cmdAddFolder, &QPushButton::clicked, this, &LibraryWindow::ChooseFolder);
  connect(cmdAddImage, &QPushButton::clicked, this, &LibraryWindow::ChooseImage);
  connect(cmdRemove, &QPushButton::clicked, this, &LibraryWindow::RemovePlace);
  connect(cmdRefresh, &QPushButton::clicked, this, &LibraryWindow::Refresh);
  connect(cmdCancel, &QPushButton::clicked, this, [this] {
    scanAgain_ = false;
    scanner_->Cancel();
  });
  connect(scanner_, &LibraryScanner::progress, this, &LibraryWindow::ScanProgress);
  connect(scanner_, &LibraryScanner::finished, this, &LibraryWindow::ScanFinished);
  connect(txtFilter, &QLineEdit::textChanged, this, &LibraryWindow::ShowList);
  connect(cboKind, &QComboBox::currentIndexChanged, this, &LibraryWindow::ShowList);
  connect(cboView, &QComboBox::currentIndexChanged, this, &LibraryWindow::ShowList);
  // A double click, or Enter on the row.
  connect(grdItems, &QTableView::activated, this, [this](const QModelIndex& index) { OpenRow(index.row()); });

  places_ = ReadLibraryPlaces(settings_);
  for (const std::string& place : places_) lstPlaces->addItem(FromPath(place));
  prgScan->hide();
  lblScan->hide();
  cmdCancel->hide();
  ShowList();
  resize(760, 520);
  if (!places_.empty()) Refresh();
}

LibraryWindow::~LibraryWindow() = default;

bool LibraryWindow::Scanning() const { return scanner_->Running(); }

void LibraryWindow::AddPlace(const std::string& place) {
  if (place.empty()) return;
  if (std::find(places_.begin(), places_.end(), place) == places_.end()) {
    places_.push_back(place);
    lstPlaces->addItem(FromPath(place));
    SavePlaces();
  }
  Refresh();
}

void LibraryWindow::ChooseFolder() {
  const QString folder = QFileDialog::getExistingDirectory(this, QStringLiteral("Add a Folder to the Library"),
                                                           FromPath(ws_.prefs.pathNam));
  if (!folder.isEmpty()) AddPlace(ToPath(folder));
}

void LibraryWindow::ChooseImage() {
  FileDialogRequest dialog;
  dialog.title = "Add a Disk Image to the Library";
  dialog.initialFolder = ws_.prefs.pathNam;
  dialog.filters = {{"Disk images", "*.img *.ima"}};
  dialog.fileMustExist = true;
  const FileDialogResult chosen = ws_.ui.ChooseFile(dialog);
  if (chosen.outcome == FileDialogResult::Outcome::Chosen) AddPlace(chosen.path);
}

void LibraryWindow::RemovePlace() {
  const int row = lstPlaces->currentRow();
  if (row < 0 || row >= static_cast<int>(places_.size())) return;
  places_.erase(places_.begin() + row);
  delete lstPlaces->takeItem(row);
  SavePlaces();
  Refresh();
}

void LibraryWindow::SavePlaces() { WriteLibraryPlaces(settings_, places_); }

void LibraryWindow::Refresh() {
  if (scanner_->Running()) {
    scanAgain_ = true;
    return;
  }
  cmdRefresh->setEnabled(false);
  prgScan->setRange(0, 0);
  lblScan->setText(QStringLiteral("Looking for Sets..."));
  for (QWidget* w : std::initializer_list<QWidget*>{prgScan, lblScan, cmdCancel}) w->show();
  scanner_->Start(ws_, places_, library_);
}

void LibraryWindow::ScanProgress(int done, int total, const QString& setPath) {
  prgScan->setRange(0, total);
  prgScan->setValue(done);
  lblScan->setText(QStringLiteral("Reading %1").arg(setPath));
}

void LibraryWindow::ScanFinished(std::shared_ptr<const Library> library) {
  library_ = std::move(library);  // the model's rows point into it: shown at once
  for (QWidget* w : std::initializer_list<QWidget*>{prgScan, lblScan, cmdCancel}) w->hide();
  cmdRefresh->setEnabled(true);
  ShowList();
  ShowUnreadable();
  if (scanAgain_) {
    scanAgain_ = false;
    Refresh();
    return;
  }
  emit scanned();
}

void LibraryWindow::ShowList() {
  const Library& lib = *library_;
  LibraryFilter filter;
  filter.text = ToCp1252(txtFilter->text());
  const int kind = cboKind->currentIndex() - 1;
  if (kind >= 0) std::fill(std::begin(filter.kinds), std::end(filter.kinds), false), filter.kinds[kind] = true;
  std::vector<std::uint32_t> rows = FilterLibrary(lib, filter);
  const auto view = static_cast<LibraryView>(std::max(cboView->currentIndex(), 0));
  std::vector<int> groups;
  std::size_t groupCount = 0;
  if (view != LibraryView::Items) {
    // A group is shown whole when one of its items passes the filter.
    std::vector<bool> passes(lib.items.size(), false);
    for (std::uint32_t i : rows) passes[i] = true;
    if (groupsOf_ != library_) {
      groupsOf_ = library_;
      groups_[0] = FindDuplicates(lib);
      groups_[1] = SameNameDifferent(lib);
    }
    const auto& found = groups_[view == LibraryView::Duplicates ? 0 : 1];
    rows.clear();
    for (const ItemGroup& group : found) {
      if (std::none_of(group.items.begin(), group.items.end(), [&](std::uint32_t i) { return passes[i]; })) continue;
      ++groupCount;
      for (std::uint32_t i : group.items) {
        rows.push_back(i);
        groups.push_back(static_cast<int>(groupCount));
      }
    }
  }
  grdItems->setColumnHidden(LibraryModel::kGroupColumn, view == LibraryView::Items);
  const std::size_t shown = rows.size();
  model_->ShowRows(&lib, std::move(rows), std::move(groups));
  QString count = QStringLiteral("%1 of %2 items in %3 Sets").arg(shown).arg(lib.items.size()).arg(lib.sets.size());
  if (view != LibraryView::Items) count = QStringLiteral("%1 groups, %2").arg(groupCount).arg(count);
  if (lib.cancelled) count += QStringLiteral(" (the scan was cancelled: Refresh reads the rest)");
  lblCount->setText(count);
}

void LibraryWindow::ShowUnreadable() {
  const Library& lib = *library_;
  std::vector<std::pair<QString, QString>> lines;
  for (const auto& [place, message] : lib.emptyPlaces) lines.emplace_back(FromPath(place), FromMessageText(message));
  for (const LibrarySet& set : lib.sets)
    if (!set.readable) lines.emplace_back(FromMessageText(set.shown), FromMessageText(ReasonLine(set)));
  grdUnreadable->setRowCount(static_cast<int>(lines.size()));
  for (std::size_t i = 0; i < lines.size(); ++i) {
    grdUnreadable->setItem(static_cast<int>(i), 0, new QTableWidgetItem(lines[i].first));
    grdUnreadable->setItem(static_cast<int>(i), 1, new QTableWidgetItem(lines[i].second));
  }
  tabLists->setTabText(1, lines.empty() ? QStringLiteral("&Unreadable")
                                        : QStringLiteral("&Unreadable (%1)").arg(lines.size()));
}

void LibraryWindow::OpenRow(int row) {
  if (row < 0 || row >= model_->rowCount()) return;
  OpenLibraryItem(ws_, documents_, *library_, model_->ItemAt(row));
}

}  // namespace tolvane
