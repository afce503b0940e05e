#pragma once
// The subset report: one tab-separated row per user item of the kind on show,
// with the Style and Programs it calls, for a spreadsheet. Rows end in CR LF;
// fields are not quoted. Tables of several Sets can be put one under the
// other, which is why every row starts with the Set's name.

#include <string>

namespace tolvane {

class Workspace;

// Kinds 0 (Arrangements), 1 (Styles) and 2 (Programs), the tabs of the
// document window, have a table; other kinds have neither header nor rows.
std::string SubsetHeaderRow(int kind);
// The data rows of Set d under the name setName.
std::string SubsetDataRows(const Workspace& ws, int d, int kind, const std::string& setName);
// Header and rows of Set d under its window caption; empty for other kinds.
std::string SubsetReportText(const Workspace& ws, int d, int kind);

}  // namespace tolvane
