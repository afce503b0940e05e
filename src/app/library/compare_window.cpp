#include "library/compare_window.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "library/library_open.h"
#include "library/set_compare.h"
#include "library/set_reading.h"
#include "sets/image_sets.h"
#include "sets/set_caption.h"
#include "sets/set_files.h"
#include "sets/workspace.h"
#include "storage/tables.h"
#include "storage/text.h"
#include "ui/cp1252.h"
#include "ui/look.h"

namespace tolvane {

namespace {

constexpr const char* kTitle = "Compare with";

// The other Set on disk, as File > Open offers it: a Set's file, or a disk
// image and one of its Sets. Empty when cancelled.
std::string ChooseSetOnDisk(Workspace& ws) {
  FileDialogRequest dialog;
  dialog.title = "Select a Set to compare with";
  dialog.initialFolder = ws.prefs.pathNam;
  dialog.filters = SetAndImageFilters();
  dialog.defaultExtension = KindExtension(kArrangement).substr(1);
  dialog.initialName = "*.*";
  dialog.fileMustExist = true;
  const FileDialogResult chosen = ws.ui.ChooseFile(dialog);
  if (chosen.outcome != FileDialogResult::Outcome::Chosen || chosen.path.size() < 4) return {};
  if (IsDiskImageFile(chosen.path)) return ChooseSetInImage(ws, chosen.path);
  const std::string withoutExtension = chosen.path.substr(0, chosen.path.size() - 4);
  return FolderOf(withoutExtension) + "/" + UpperAscii(BaseNameOf(withoutExtension));
}

// The other Set: an open one, or 0 and the path of one on disk.
int ChooseOtherSet(Workspace& ws, int d, std::string& path) {
  std::vector<int> open;
  std::vector<std::string> entries;
  for (int o = 1; o <= ws.SlotCount(); ++o)
    if (o != d && ws.InUse(o)) {
      open.push_back(o);
      entries.push_back(SetNameInMessages(ws, o));
    }
  if (!open.empty()) {
    entries.emplace_back("A Set on disk...");
    const int chosen = ws.ui.ChooseFromList(kTitle, "Compare " + SetNameInMessages(ws, d) + " with:", entries);
    if (chosen < 0 || chosen > static_cast<int>(open.size())) return -1;
    if (chosen < static_cast<int>(open.size())) return open[static_cast<std::size_t>(chosen)];
  }
  path = ChooseSetOnDisk(ws);
  return path.empty() ? -1 : 0;
}

}  // namespace

std::string CompareText(const std::vector<std::string>& lines) {
  if (lines.empty()) return "The Sets are the same.";
  std::string text;
  for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
  return text;
}

CompareWindow::CompareWindow(const std::string& nameA, const std::string& nameB,
                             const std::vector<std::string>& lines, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("FCompare"));
  setWindowTitle(QStringLiteral("Compare %1 with %2").arg(FromMessageText(nameA), FromMessageText(nameB)));
  txtCompare = new QPlainTextEdit(this);
  txtCompare->setObjectName(QStringLiteral("txtCompare"));
  txtCompare->setReadOnly(true);
  txtCompare->setLineWrapMode(QPlainTextEdit::NoWrap);
  txtCompare->setFont(FixedPitchFont());
  // Each line on its own: item names are Windows-1252, Set names UTF-8.
  QStringList shown;
  for (const std::string& line : lines) shown << FromMessageText(line);
  txtCompare->setPlainText(lines.empty() ? FromMessageText(CompareText(lines)) : shown.join(QLatin1Char('\n')));
  const QFontMetrics metrics(txtCompare->font());
  txtCompare->setMinimumSize(metrics.horizontalAdvance(QString(72, QLatin1Char('M'))), metrics.lineSpacing() * 20);
  cmdClose = new QPushButton(QStringLiteral("&Close"), this);
  cmdClose->setObjectName(QStringLiteral("cmdClose"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cmdClose);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(txtCompare, 1);
  layout->addLayout(buttons);
  connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
}

CompareWindow* CompareWithCommand(Workspace& ws, int d, QWidget* parent) {
  if (!ws.InUse(d)) return nullptr;
  std::string path;
  int other = ChooseOtherSet(ws, d, path);
  if (other < 0) return nullptr;
  if (other == 0) {
    // The window's own Set chosen on disk compares its edits with its files.
    const int open = OpenSetAt(ws, path);
    if (open != d) other = open;
  }
  bool read = false;
  if (other == 0) {
    // Read for the comparison only, without a window; its messages are shown.
    BusyPointer busy(ws.ui);
    other = ReadSetIntoFreeSlot(ws, path);
    read = other != 0;
    if (!read) return nullptr;
  }
  const std::string nameA = SetNameInMessages(ws, d);
  std::string nameB = SetNameInMessages(ws, other);
  if (nameB == nameA) nameB += " on disk";
  const std::vector<std::string> lines = CompareSets(ws.Stores(d), ws.Stores(other), nameA, nameB);
  if (read) ReleaseReadSet(ws, other);
  auto* window = new CompareWindow(nameA, nameB, lines, parent);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->show();
  return window;
}

}  // namespace tolvane
