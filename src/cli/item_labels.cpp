#include "item_labels.h"

#include "arrangements/arrangement_data.h"
#include "programs/program_numbers.h"
#include "storage/tables.h"
#include "styles/style_accessors.h"

namespace tolvane {

int NumberOfLabel(int kind, const std::string& label) {
  for (int bank = 0; bank < BankCount(kind); ++bank)
    for (int index = 0; index <= BankHighestIndex(kind, bank); ++index) {
      if (ItemLabel(kind, bank, index) != label) continue;
      if (kind == kArrangement) return ArrangementNumber(bank, index);
      if (kind == kStyle) return StyleNumber(bank, index);
      return ProgramNumber(bank, index);
    }
  return -1;
}

}  // namespace tolvane
