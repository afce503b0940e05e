#pragma once
// What a dragged item carries: the process it comes from, its Set, kind and
// item. A drop acts only on an item of this same process: the Set numbers
// of another running editor mean nothing here.

#include <optional>

class QMimeData;

namespace tolvane {

struct DragPayload {
  long long process = 0;
  int document = 0;
  int kind = -1;
  int item = -1;
};

// The mime type of a dragged item.
extern const char* const kItemMimeType;

long long ThisProcess();
QMimeData* MakeDragMime(int document, int kind, int item, long long process = ThisProcess());
// The payload of a drag of data kind `kind` (for the accepted or refused
// drag icon), whatever process it comes from; nothing for anything else.
std::optional<DragPayload> PayloadOfKind(const QMimeData* mime, int kind);
// The same, only when the drag started in this process.
std::optional<DragPayload> OwnPayloadOfKind(const QMimeData* mime, int kind);

}  // namespace tolvane
