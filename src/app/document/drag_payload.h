#pragma once
// What a dragged item carries: the process it comes from, its Set, kind and
// item. A drop acts only on an item of this same process: the Set numbers
// of another running editor mean nothing here.

#include <cstdint>
#include <optional>
#include <string>

class QMimeData;

namespace tolvane {

struct DragPayload {
  long long process = 0;
  int document = 0;
  int kind = -1;
  int item = -1;
  // A row of the Library: no open Set (document 0) but the Set's path, and
  // the hash of the item's bytes when the Library read it.
  std::string setPath;
  std::uint64_t contentA = 0;
  std::uint64_t contentB = 0;
};

// The mime type of a dragged item.
extern const char* const kItemMimeType;

long long ThisProcess();
QMimeData* MakeDragMime(int document, int kind, int item, long long process = ThisProcess());
// A Library row: item `item` of the Set at `setPath`, as it was read.
QMimeData* MakeLibraryDragMime(const std::string& setPath, int kind, int item, std::uint64_t contentA,
                               std::uint64_t contentB, long long process = ThisProcess());
// The payload of a drag of data kind `kind` (for the accepted or refused
// drag icon), whatever process it comes from; nothing for anything else.
std::optional<DragPayload> PayloadOfKind(const QMimeData* mime, int kind);
// The same, only when the drag started in this process.
std::optional<DragPayload> OwnPayloadOfKind(const QMimeData* mime, int kind);

}  // namespace tolvane
