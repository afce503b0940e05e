#include "sets/workspace.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "sets/image_sets.h"

namespace tolvane {

std::int16_t PreferenceNumber(const std::string& text) {
  const char* begin = text.c_str();
  char* end = nullptr;
  double value = std::strtod(begin, &end);
  if (end == begin || !std::isfinite(value)) return 0;
  value = std::nearbyint(value);
  if (value < -32768 || value > 32767) return 0;
  return static_cast<std::int16_t>(value);
}

bool DocumentSlot::AnyModified() const {
  for (int k = 0; k < 5; ++k)
    if (modified[static_cast<std::size_t>(k)] != 0) return true;
  return false;
}

std::string SetPathOf(const DocumentSlot& slot) {
  return slot.image.empty() ? slot.folder + "/" + slot.name : ImageSetPath(slot.image, slot.name);
}

std::string DocumentCaption(const DocumentSlot& slot) {
  return slot.image.empty() ? slot.name : slot.name + " in " + BaseNameOf(slot.image);
}

Workspace::~Workspace() {
  std::error_code ec;
  if (!locations.scratchFolder.empty() && std::filesystem::is_empty(locations.scratchFolder, ec))
    std::filesystem::remove(locations.scratchFolder, ec);
}

int Workspace::AddSlot() {
  slots_.emplace_back();
  stores_.push_back(std::make_unique<SetStores>());
  return SlotCount();
}

int AllocateDocumentSlot(Workspace& ws) {
  int d = 0;
  for (int i = 1; i <= ws.SlotCount(); ++i) {
    if (ws.Slot(i).free) {
      d = i;
      break;
    }
  }
  if (d == 0) d = ws.AddSlot();
  // A reused slot must not show anything of the Set that had it before.
  ws.Slot(d) = DocumentSlot{};
  ws.Slot(d).free = false;
  ws.Stores(d) = SetStores{};
  return d;
}

bool AnyDocumentOpen(const Workspace& ws) {
  for (int d = 1; d <= ws.SlotCount(); ++d)
    if (!ws.Slot(d).free) return true;
  return false;
}

}  // namespace tolvane
