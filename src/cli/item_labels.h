#pragma once
// Items named as the editor labels them (A11, U23, D88, Dr7, P11, ...).

#include <string>

namespace tolvane {

// The number that a cell labelled `label` carries in the grid of kind 0
// (Arrangements), 1 (Styles) or 2 (Programs), any bank; -1 for none.
int NumberOfLabel(int kind, const std::string& label);

}  // namespace tolvane
