#pragma once
// What the parameters dialogs share: the dialog frame with "&OK" and
// "&Cancel", the name box, the lists of track Programs and callers, labels
// that take a double click, and drop-down lists filled from the core.

#include <QDialog>
#include <QLabel>

#include <functional>
#include <string>
#include <vector>

#include "details/detail_lines.h"

class QComboBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tolvane {

// A label showing a called item; a double click changes the call.
class ClickLabel : public QLabel {
  Q_OBJECT

 public:
  explicit ClickLabel(QWidget* parent = nullptr);

 signals:
  void doubleClicked();

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// A modal dialog titled with the core's caption. "&OK" accepts; "&Cancel",
// Escape and the close box reject, which clears the model's change mark.
class ParamsDialog : public QDialog {
  Q_OBJECT

 public:
  ParamsDialog(const char* objectName, const std::string& caption, QWidget* parent);

  QPushButton* cmdOK;
  QPushButton* cmdCancel;

 protected:
  // The buttons, right-aligned, for the bottom of the dialog.
  QHBoxLayout* ButtonRow();
};

// A name box holding `name`: at most 10 characters, with its tip. Each edit
// goes to `type`, and the box then shows what `shown` gives back.
QLineEdit* MakeNameBox(QWidget* parent, const std::string& name, const std::function<void(const std::string&)>& type,
                       const std::function<std::string()>& shown);
// A list in the fixed-pitch font.
QListWidget* MakeList(QWidget* parent, const char* tip, int visibleLines);
void FillTrackList(QListWidget* list, const std::vector<TrackLine>& lines);
void FillTextList(QListWidget* list, const std::vector<std::string>& texts);
QComboBox* MakeDropDown(QWidget* parent, const std::vector<std::string>& entries, int position);
QGroupBox* MakeFrame(QWidget* parent, const char* caption);
// A caption label and its control side by side in a grid row.
void AddRow(QGridLayout* grid, int row, QLabel* label, QWidget* control);
// A label showing an item call: sunken, in the fixed-pitch font.
ClickLabel* MakeCallLabel(QWidget* parent, const std::string& text);

}  // namespace tolvane
