#pragma once
// Utilities > Compare with...: the differences between the Set of a window
// and another Set, one line each, in a read-only text window.

#include <QDialog>

#include <string>
#include <vector>

class QPlainTextEdit;
class QPushButton;

namespace tolvane {

class Workspace;

class CompareWindow : public QDialog {
  Q_OBJECT

 public:
  // The lines of the comparison of Set `nameA` with Set `nameB`.
  CompareWindow(const std::string& nameA, const std::string& nameB, const std::vector<std::string>& lines,
                QWidget* parent = nullptr);

  QPlainTextEdit* txtCompare;
  QPushButton* cmdClose;
};

// The text the window shows: one line per difference, or that the Sets are the same.
std::string CompareText(const std::vector<std::string>& lines);

// Asks for the other Set (an open one, or a Set or disk image on disk),
// compares, and shows the window. Returns it, or nullptr when nothing was
// compared (cancelled, or the other Set could not be read).
CompareWindow* CompareWithCommand(Workspace& ws, int d, QWidget* parent);

}  // namespace tolvane
