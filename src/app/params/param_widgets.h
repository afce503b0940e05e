#pragma once
// What the parameters dialogs share: the dialog frame with "&OK" and
// "&Cancel", the name box, the lists of track Programs and callers, labels
// that take a double click, and drop-down lists filled from the core.

#include <QDialog>
#include <QLabel>
#include <QSpinBox>

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

// A label showing a called item; a double click, or Enter or Space while it
// has the focus, changes the call.
class ClickLabel : public QLabel {
  Q_OBJECT

 public:
  explicit ClickLabel(QWidget* parent = nullptr);

 signals:
  void activated();

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

// A number box whose arrows stay within [lowest, highest] but which takes any
// number typed; the dialog's model decides what a number out of that range
// becomes. The number goes to the model when typing ends, not per keystroke,
// so that "6" on the way to "60" is not taken for a tempo.
class NumberBox : public QSpinBox {
  Q_OBJECT

 public:
  NumberBox(int lowest, int highest, QWidget* parent = nullptr);
  void stepBy(int steps) override;

 protected:
  StepEnabled stepEnabled() const override;

 private:
  int lowest_, highest_;
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

// A name box holding `name`: at most 10 characters, with its tip. It refuses
// control characters, typed or pasted. Each edit goes to `type`, and the box
// then shows what `shown` gives back.
QLineEdit* MakeNameBox(QWidget* parent, const std::string& name, const std::function<void(const std::string&)>& type,
                       const std::function<std::string()>& shown);
// A list in the fixed-pitch font.
QListWidget* MakeList(QWidget* parent, const char* tip, int visibleLines);
// Fills `list` with the track lines; the current line stays current.
void FillTrackList(QListWidget* list, const std::vector<TrackLine>& lines);
// A double click on a line of `list`, or Enter on its current line, runs
// `open` with the line's row. Enter there does not close the dialog.
void OnLineChosen(QListWidget* list, const std::function<void(int row)>& open);
void FillTextList(QListWidget* list, const std::vector<std::string>& texts);
QComboBox* MakeDropDown(QWidget* parent, const std::vector<std::string>& entries, int position);
QGroupBox* MakeFrame(QWidget* parent, const char* caption);
// A caption label and its control side by side in a grid row.
void AddRow(QGridLayout* grid, int row, QLabel* label, QWidget* control);
// A label showing an item call: sunken, in the fixed-pitch font.
ClickLabel* MakeCallLabel(QWidget* parent, const std::string& text);

}  // namespace tolvane
