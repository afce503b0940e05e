#pragma once
// Items of one kind changing places. Every change of the places of a kind's
// items goes through Renumber, which takes every number that names such an
// item along: the calls of the Set's items, the calls of the items held for
// the Set (each kind's clipboard and undo record), and the caller places
// that undo records keep. An edit of one kind can thus be undone after edits
// of other kinds without rewiring what those did.

#include <functional>
#include <vector>

#include "editing/transfer_records.h"

namespace tolvane {

class Workspace;

// Places of an item that are not in the Set's list: the kind's records.
inline constexpr int kHeldInClipboard = -2;
inline constexpr int kHeldInUndo = -3;
inline constexpr int kHeldBeforeInsert = -4;  // the clipboard an Insert used up

// Where the item at a place (a user index or a held place) is afterwards;
// none when it is gone.
using PlaceMap = std::function<std::vector<int>(int place)>;

struct Renumbering {
  int kind = 0;
  // The new user index of each old one; a call to an index outside keeps it.
  std::vector<int> numbers;
  // Calls at these places that call user index `kept` keep it: the callers
  // of an item that left, which an Undo must tell from those that followed.
  std::vector<CallSite> keep;
  int kept = -1;
  PlaceMap places;
};

// The user items kind k has: 64 Arrangements, 32 Styles, 66 Programs (with
// the drum kits), 10 Backing Sequences or Songs.
int UserItemCount(int kind);
// The identity over the kind's user indexes, for a Renumbering to change.
std::vector<int> SameNumbers(int kind);

// Applies r to Set d (see above).
void Renumber(Workspace& ws, int d, const Renumbering& r);
// Items of a kind moving between Set d's places and the kind's records
// without a renumbering: the caller places undo records keep follow them.
void FollowItems(Workspace& ws, int d, int kind, const PlaceMap& places);
// Cut of the item at i, its Copy, a Paste into i (of the clipboard, taken
// from this Set or not), the Undo of a cut from i and of a paste into i, and
// every place emptied (Erase Bank, an import).
PlaceMap CutPlaces(int i);
PlaceMap CopyPlaces(int i);
PlaceMap PastePlaces(int i, bool clipboardOfSet);
PlaceMap UndoCutPlaces(int i);
PlaceMap UndoPastePlaces(int i);
PlaceMap ErasedPlaces();
// The places of the calls to user item u of a kind in Set d, in its items
// and in the items held for it.
std::vector<CallSite> CallersOf(Workspace& ws, int d, int kind, int u);
// The places of kind `kind` in sites, moved as `places` says.
std::vector<CallSite> FollowPlaces(const std::vector<CallSite>& sites, int kind, const PlaceMap& places);

// The renumberings of the edits that move items, over the list 0 to last of
// the kind (the places after last stay). Delete and Insert at n: the
// callers of the item removed or pushed out keep their number. A move of
// the item at s onto t: its callers follow it, those of t keep t (the items
// themselves travel by the Copy, Paste and Cut the move is made of, and back
// by the Undo of the cut and the paste). The Undo of each takes `kept`, the
// callers its edit found keeping their number.
Renumbering DeleteRenumbering(int kind, int n, int last);
// clipboardOfSet: the item inserted is the clipboard's, taken from this Set.
Renumbering InsertRenumbering(int kind, int n, int last, bool clipboardOfSet);
Renumbering UndoDeleteRenumbering(int kind, int n, int last, std::vector<CallSite> kept);
Renumbering UndoInsertRenumbering(int kind, int n, int last, bool clipboardGivenBack, std::vector<CallSite> kept);
Renumbering MoveRenumbering(int kind, int s, int t);
Renumbering UndoMoveRenumbering(int kind, int s, int t, std::vector<CallSite> kept);

}  // namespace tolvane
