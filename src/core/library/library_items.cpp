// The items of one Set as the library lists them, and the small texts the
// library shows.

#include "library/library_items.h"

#include "arrangements/arrangement_data.h"
#include "programs/program_numbers.h"
#include "sets/workspace.h"
#include "storage/tables.h"
#include "storage/text.h"
#include "styles/style_accessors.h"

namespace tolvane {

namespace {

// A stored name as shown: NUL bytes (unused style names) read as blanks,
// blanks trimmed at both ends.
std::string Shown(std::string name) {
  for (char& c : name)
    if (c == '\0') c = ' ';
  return TrimBlanks(name);
}

}  // namespace

void AppendSetItems(const PresetNames& presets, const SetStores& s, std::uint32_t setIndex,
                    std::vector<LibraryItem>& items) {
  // The label is made only for a named item: most places of most Sets are empty.
  auto add = [&](int kind, int number, auto label, const std::string& storedName, int style = -2) {
    std::string name = Shown(storedName);
    if (name.empty()) return;
    LibraryItem& item = items.emplace_back();
    item.kind = kind;
    item.number = number;
    item.label = label();
    item.folded = LowerAscii(name);
    item.name = std::move(name);
    item.set = setIndex;
    if (style != -2) {
      item.styleLabel = StyleLabel(style);
      item.styleName = Shown(StyleName(presets, s.styles, style));
    }
    item.content = HashItem(s, kind, number);
  };
  for (int n = 0; n < kArrangementCount; ++n) {
    const ArrangementRecord& r = s.arrangements.records[static_cast<std::size_t>(n)];
    add(kArrangement, n, [n] { return ArrangementLabel(n); }, r.Name(), r.StyleNumber());
  }
  for (int i = 0; i < kUserStyleCount; ++i)
    add(kStyle, kFirstUserStyleNumber + i, [i] { return UserStyleLabel(i); }, s.styles.headers[static_cast<std::size_t>(i)].Name());
  for (int u = 0; u < kUserItemCount; ++u)
    add(kProgram, UserProgramNumber(u), [u] { return UserProgramLabel(u); }, UserProgramName(s.programs, u));
  for (int i = 0; i < kSequenceItemCount; ++i) {
    const BackingSequenceRecord& r = s.backingSequences.records[static_cast<std::size_t>(i)];
    add(kBackingSequence, i, [i] { return std::to_string(i); }, r.Name(), r.Style());
  }
  for (int i = 0; i < kSequenceItemCount; ++i)
    add(kSong, i, [i] { return std::to_string(i); }, s.songs.records[static_cast<std::size_t>(i)].Name());
}

std::string LibraryKindName(int kind) {
  return kind >= 0 && kind < kSetFileKinds ? std::string(KindName(kind)) : std::string();
}

std::string ReasonLine(const LibrarySet& set) {
  std::string line;
  for (const std::string& message : set.messages) {
    std::string text;
    for (char c : message) text += (c == '\r' || c == '\n') ? ' ' : c;
    const std::string trimmed = TrimBlanks(text);
    if (trimmed.empty()) continue;
    if (!line.empty()) line += ' ';
    // Line ends inside a message leave runs of blanks: one is enough.
    for (char c : trimmed)
      if (c != ' ' || line.empty() || line.back() != ' ') line += c;
  }
  return line;
}

LibraryReading LibraryReadingOf(const Workspace& ws, DiskImages* images) {
  LibraryReading reading;
  reading.presets = ws.presets;
  reading.programFolder = ws.locations.programFolder;
  reading.templatePath = ws.locations.templatePath;
  reading.images = images;
  return reading;
}

}  // namespace tolvane
