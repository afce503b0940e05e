#pragma once
// The editor started on the DEMO Set, with its document window at hand.

#include <QCheckBox>
#include <QComboBox>
#include <QTabWidget>

#include <gtest/gtest.h>

#include "app_harness.h"
#include "document/bank_grid.h"
#include "document/document_window.h"
#include "document/document_windows.h"

namespace tolvane::test {

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
  static QColor Rgb(int r, int g, int b) { return QColor(r, g, b); }

  AppHarness h;
  DocumentWindow* doc = nullptr;
};

}  // namespace tolvane::test
