#pragma once
// The editor started on the DEMO Set, with its document window at hand, and
// the widgets the tests look at.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app_harness.h"
#include "document/bank_grid.h"
#include "document/document_menus.h"
#include "document/document_window.h"
#include "document/document_windows.h"
#include "shell/main_window.h"
#include "sets/workspace.h"

namespace tolvane::test {

// The colours of the grids' cells.
inline const QColor kCalled(255, 0, 0), kNotCalled(0, 0, 255), kBlack(0, 0, 0);
inline const QColor kPresetCalled(128, 0, 0), kPresetNotCalled(0, 128, 127);

using Position = std::pair<int, int>;  // row, column

struct Cell {
  int row, column;
  std::string text;
  QColor colour;  // not checked when invalid
};

class DemoWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(h.Start());
    doc = h.App().Documents().Window(1);
    ASSERT_NE(doc, nullptr);
  }

  // Shows a tab the way a click on it does.
  void ShowTab(int tab) { doc->tabMode->setCurrentIndex(tab); }
  // Picks a bank the way the bank list does.
  static void PickBank(QComboBox* list, int bank) { list->setCurrentIndex(bank); }
  std::string Text(BankGrid* grid, int row, int column) { return grid->CellText(row, column).toStdString(); }
  static Position Current(BankGrid* grid) { return {grid->currentRow(), grid->currentColumn()}; }
  static std::vector<QColor> Colours(BankGrid* grid, const std::vector<Position>& cells) {
    std::vector<QColor> out;
    for (auto [row, column] : cells) out.push_back(grid->CellColour(row, column));
    return out;
  }
  void ExpectCells(BankGrid* grid, const std::vector<Cell>& cells) {
    for (const Cell& c : cells) {
      EXPECT_EQ(Text(grid, c.row, c.column), c.text) << c.row << "," << c.column;
      if (c.colour.isValid()) {
        EXPECT_EQ(grid->CellColour(c.row, c.column), c.colour) << c.text;
      }
    }
  }
  // Opens the DEMO Set once more through the open dialog, past the warning
  // about its name from each window already open: the new window is `n`.
  DocumentWindow* OpenDemoAgain(int n) {
    h.ui.ChooseFile(h.DemoSet() + ".STY");
    for (int i = 1; i < n; ++i) h.ui.Answer(MsgResult::Ok);
    h.App().Main()->OpenSetWithDialog();
    return h.App().Documents().Window(n);
  }

  AppHarness h;
  DocumentWindow* doc = nullptr;
};

}  // namespace tolvane::test
