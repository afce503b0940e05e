#pragma once
// Random program data for generated Sets: random bytes in every carried field.

#include <string>

#include "arrangements/global_record.h"
#include "programs/program_data.h"
#include "random_fill.h"

namespace tolvane::test {

// A 10-character name: printable text, or 10 blanks (an empty slot) now and then.
std::string RandomItemName(Rng& rng);
// A valid program number of any bank, preset or user.
std::int16_t RandomProgramNumber(Rng& rng);

// A program file header that passes the header check, the rest random.
ProgramSetData RandomProgramSetData(Rng& rng);
// Random bytes, with the values the Global dialog edits inside their lists.
GlobalRecord RandomGlobalRecord(Rng& rng);

}  // namespace tolvane::test
