// The text files shipped beside the program.

#include "set_makers.h"
#include "storage/tables.h"

namespace tolvane::tools {

std::string MakePresetNamesText() {
  std::string text =
      "Preset names of the instrument's factory items, read by Tolvane at start-up.\r\n"
      "The names below are neutral placeholders (the item's label). The list that\r\n"
      "comes with the instrument can replace this file: keep the line naming the\r\n"
      "instrument, then 48 Style names, 128 Program names (banks A and B), 64\r\n"
      "Program names (bank C) and 6 drum-kit names, one a line; lines beginning\r\n"
      "with \"/\" are headings (a comma would end them).\r\n"
      "Korg-i3\r\n";
  auto list = [&](const char* heading, const char* prefix, int kind, int bank, int count) {
    text += std::string("/ ") + heading + "\r\n";
    for (int i = 0; i < count; ++i) text += std::string(prefix) + ItemLabel(kind, bank, i) + "\r\n";
  };
  text += "/ Preset Styles\r\n";
  for (int i = 0; i < 48; ++i) text += "Style " + ItemLabel(kStyle, 0, i) + "\r\n";
  list("Preset Programs of banks A and B", "Prog ", kProgram, 0, 64);
  for (int i = 0; i < 64; ++i) text += "Prog " + ItemLabel(kProgram, 1, i) + "\r\n";
  list("Preset Programs of bank C", "Prog ", kProgram, 2, 64);
  list("Preset drum kits", "Drums ", kProgram, 4, 6);
  return text;
}

std::string MakeTipsText() {
  return "Drag an item onto another cell to move it; drop it into another Set's window to copy it.\n"
         "Items that other items call are drawn in red; turn this off in Options when grids fill slowly.\n"
         "Before an item that others call is overwritten, Tolvane asks where those calls should go.\n"
         "An Arrangement pasted into another Set finds its Style and Programs there by name.\n"
         "Edit > Undo takes back the last edit of the kind shown on the current tab.\n"
         "Erase Bank cannot be undone: save your Set first.\n"
         "The Styles tab shows how many events each Block has left; a Style too big for a Block is refused.\n"
         "Tick Twin View to see two Program or Arrangement banks at once.\n"
         "The event-memory figures on the Backing Seq and Songs tabs show what is left for recording.\n"
         "Edit > Import replaces all items of the current tab's kind with those of another Set.\n"
         "Open several Sets at once and use Window > Tile to see them side by side.\n"
         "Always work on copies of your disks' files, never on the originals.\n";
}

}  // namespace tolvane::tools
