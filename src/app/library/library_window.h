#pragma once
// The Library: every named item of the folders, disk images and Sets the
// user keeps, in one list that a filter narrows as the user types. Rows
// open their Set on the item when double-clicked and are dragged onto open
// Sets like items of another Set. One window for the whole run.

#include <QWidget>

#include <memory>
#include <string>
#include <vector>

#include "library/duplicates.h"
#include "library/library.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTableView;
class QTableWidget;
class QTabWidget;

namespace tolvane {

class DocumentWindows;
class LibraryModel;
class LibraryScanner;
class SettingsStore;
class Workspace;

// What the list shows: every item, or groups of them.
enum class LibraryView { Items, Duplicates, SameNameDifferent };

class LibraryWindow : public QWidget {
  Q_OBJECT

 public:
  LibraryWindow(Workspace& ws, DocumentWindows& documents, SettingsStore& settings, QWidget* parent = nullptr);
  ~LibraryWindow() override;

  // Adds a folder, disk image or Set to the places (remembered) and scans.
  void AddPlace(const std::string& place);
  // Scans the places again; unchanged Sets are taken over from the last scan.
  void Refresh();
  bool Scanning() const;
  // The library of the last scan that ended (empty before).
  const Library& Current() const { return *library_; }
  // Opens the Set of the list's row on the item's tab with the item selected.
  void OpenRow(int row);
  LibraryModel* Model() const { return model_; }

  QListWidget* lstPlaces;
  QPushButton* cmdAddFolder;
  QPushButton* cmdAddImage;
  QPushButton* cmdRemove;
  QPushButton* cmdRefresh;
  QProgressBar* prgScan;
  QLabel* lblScan;
  QPushButton* cmdCancel;
  QLineEdit* txtFilter;
  QComboBox* cboKind;
  QComboBox* cboView;
  QTabWidget* tabLists;
  QTableView* grdItems;
  QTableWidget* grdUnreadable;
  QLabel* lblCount;

 signals:
  // A scan has ended and its library is shown.
  void scanned();

 private:
  void ChooseFolder();
  void ChooseImage();
  void RemovePlace();
  void ScanProgress(int done, int total, const QString& setPath);
  void ScanFinished(std::shared_ptr<const Library> library);
  // The list again after the filter, the kind or the view changed.
  void ShowList();
  void ShowUnreadable();
  void SavePlaces();

  Workspace& ws_;
  DocumentWindows& documents_;
  SettingsStore& settings_;
  std::vector<std::string> places_;
  std::shared_ptr<const Library> library_;
  // The places changed while a scan ran: it is run again when that one ends.
  bool scanAgain_ = false;
  // The groups of the two grouped views, found once per scan.
  std::shared_ptr<const Library> groupsOf_;
  std::vector<ItemGroup> groups_[2];
  LibraryModel* model_;
  LibraryScanner* scanner_;
};

}  // namespace tolvane
