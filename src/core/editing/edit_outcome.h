#pragma once
// What an edit did, so that its caller can tell whether Undo may take it back.

namespace tolvane {

struct EditOutcome {
  // The edit was carried out: the Set changed and the undo record holds
  // what takes the change back.
  bool changed = false;
  // The user sent an item's callers elsewhere (also when the edit was then
  // abandoned): no undo record brings them back, so Undo must not be offered.
  bool redirected = false;

  EditOutcome& operator|=(const EditOutcome& other) {
    changed = changed || other.changed;
    redirected = redirected || other.redirected;
    return *this;
  }
};

inline constexpr EditOutcome kChanged{true, false};
inline constexpr EditOutcome kRedirected{false, true};

}  // namespace tolvane
