#include "commands.h"

#include <unistd.h>

#include <filesystem>
#include <iomanip>
#include <ostream>
#include <system_error>

#include "arrangements/arrangement_data.h"
#include "open_for_cli.h"
#include "programs/program_numbers.h"
#include "sets/image_sets.h"
#include "sets/set_files.h"
#include "storage/tables.h"
#include "storage/text.h"
#include "styles/style_accessors.h"

namespace fs = std::filesystem;

namespace tolvane {

namespace {

// An empty text when the files are equal, else where they first differ.
std::string CompareFiles(const Bytes& a, const Bytes& b) {
  if (a == b) return {};
  std::size_t at = 0;
  while (at < a.size() && at < b.size() && a[at] == b[at]) ++at;
  std::string text = "first difference at offset " + std::to_string(at);
  if (a.size() != b.size())
    text += " (" + std::to_string(a.size()) + " bytes read, " + std::to_string(b.size()) + " written)";
  return text;
}

std::string ScratchSetFolder() {
  std::error_code ec;
  fs::path folder = fs::temp_directory_path(ec) / ("tolvane-check-" + std::to_string(::getpid()));
  fs::create_directories(folder, ec);
  return folder.string();
}

void PrintItems(CliContext& cx, int d) {
  const SetStores& s = cx.ws.Stores(d);
  std::ostream& out = cx.out;
  out << "Arrangements:\n";
  for (int n = 0; n < kArrangementCount; ++n) {
    if (IsArrangementEmpty(s.arrangements, n)) continue;
    const int style = s.arrangements.records[static_cast<std::size_t>(n)].StyleNumber();
    out << "  " << ArrangementLabel(n) << ' ' << ArrangementName(s.arrangements, n) << " (" << StyleLabel(style)
        << ")\n";
  }
  out << "Styles: " << int{s.styles.blockCount} << " Blocks\n";
  for (int i = 0; i < kStylesPerBlock * s.styles.blockCount; ++i) {
    if (!IsUserStyleEmpty(s.styles, i))
      out << "  " << UserStyleLabel(i) << ' ' << UserStyleName(s.styles, i) << " : "
          << StyleEventCount(s.styles, i) << " events\n";
    if (i % kStylesPerBlock == kStylesPerBlock - 1)
      out << "  Block " << i / kStylesPerBlock + 1 << ": " << BlockFreeEvents(s.styles, i) << " events free\n";
  }
  out << "Programs:\n";
  for (int u = 0; u < kUserItemCount; ++u)
    if (!IsUserProgramEmpty(s.programs, u))
      out << "  " << UserProgramLabel(u) << ' ' << UserProgramName(s.programs, u) << '\n';
  out << "Backing Sequences:\n";
  for (int i = 0; i < kSequenceItemCount; ++i) {
    const auto& r = s.backingSequences.records[static_cast<std::size_t>(i)];
    if (r.Name() != kBlankName)
      out << "  BSeq " << i << ": " << r.Name() << " :" << std::setw(5)
          << 4 * s.backingSequences.itemSizes[static_cast<std::size_t>(i)] << '\n';
  }
  out << "Songs:\n";
  for (int i = 0; i < kSequenceItemCount; ++i) {
    const auto& r = s.songs.records[static_cast<std::size_t>(i)];
    if (r.Name() != kBlankName)
      out << "  Song " << i << ": " << r.Name() << " :" << std::setw(5)
          << 4 * s.songs.itemSizes[static_cast<std::size_t>(i)] << '\n';
  }
  const EventMemory m = EventMemoryFigures(s.backingSequences, s.songs);
  out << "Events: BackSeqs: " << 4 * m.backSeqs << "  Songs: " << 4 * m.songs << "  Patterns: " << 4 * m.patterns
      << "  Total: " << 4 * m.total << "  Free: " << 4 * m.free << '\n';
}

}  // namespace

int InfoCommand(CliContext& cx, const std::string& set) {
  const int d = OpenForCli(cx, set);
  if (d == 0) return 2;
  const DocumentSlot& slot = cx.ws.Slot(d);
  cx.out << "Set " << slot.name << " in " << (slot.image.empty() ? slot.folder : slot.image) << '\n';
  PrintItems(cx, d);
  UnloadDocument(cx.ws, d);
  return 0;
}

int CheckCommand(CliContext& cx, const std::vector<std::string>& sets) {
  const std::string scratch = ScratchSetFolder();
  int status = 0;
  for (const std::string& set : sets) {
    const int d = OpenForCli(cx, set);
    if (d == 0) {
      status = 2;
      continue;
    }
    const std::string written = scratch + "/" + cx.ws.Slot(d).name;
    std::vector<std::string> differences;
    if (!SaveSet(cx.ws, d, written, true)) {
      status = 2;
      UnloadDocument(cx.ws, d);
      continue;
    }
    const auto inImage = SplitImageSetPath(set);
    for (int k = 0; k < kSetFileKinds; ++k) {
      Bytes original, copy;
      ReadSetFileBytes(cx.ws, set, k, original);
      ReadWholeFile(KindFilePath(written, k), copy);
      std::string where = CompareFiles(original, copy);
      const std::string name = inImage ? UpperAscii(inImage->name) + KindExtension(k) : BaseNameOf(KindFilePath(set, k));
      if (!where.empty()) differences.push_back(name + ": " + where);
    }
    UnloadDocument(cx.ws, d);
    if (differences.empty()) {
      cx.out << set << ": identical\n";
      continue;
    }
    cx.out << set << ": differs\n";
    for (const auto& line : differences) cx.out << "  " << line << '\n';
    if (status == 0) status = 1;
  }
  std::error_code ec;
  fs::remove_all(scratch, ec);
  return status;
}

int ResaveCommand(CliContext& cx, const std::string& set, const std::string& destination) {
  const int d = OpenForCli(cx, set);
  if (d == 0) return 2;
  std::error_code ec;
  const auto inImage = SplitImageSetPath(destination);
  const std::string folder = FolderOf(inImage ? inImage->image : destination);
  if (!fs::is_directory(folder, ec)) {
    cx.err << destination << ": the folder " << folder << " does not exist\n";
    UnloadDocument(cx.ws, d);
    return 2;
  }
  if (inImage && !IsImageSetName(inImage->name)) {
    cx.err << destination << ": a Set in a disk image has a name of 1 to 8 letters, digits or ! # $ % & ' ( ) - @ ^ _ ` { } ~\n";
    UnloadDocument(cx.ws, d);
    return 2;
  }
  cx.ui.prefix = destination + ": ";
  const std::string name = UpperAscii(inImage ? inImage->name : BaseNameOf(destination));
  const bool ok = SaveSet(cx.ws, d, inImage ? ImageSetPath(inImage->image, name) : folder + "/" + name, true);
  UnloadDocument(cx.ws, d);
  return ok ? 0 : 1;
}

}  // namespace tolvane

namespace tolvane {

int ListCommand(CliContext& cx, const std::vector<std::string>& images) {
  int status = 0;
  for (const std::string& image : images) {
    cx.ui.prefix = image + ": ";
    ImageListing listing;
    if (!ListImage(cx.ws, image, listing)) {
      status = 2;
      continue;
    }
    const std::vector<std::string> sets = SetsInListing(listing);
    cx.out << image << ": " << sets.size() << (sets.size() == 1 ? " Set, " : " Sets, ") << listing.freeBytes
           << " bytes free\n";
    for (const std::string& name : sets) {
      const int d = OpenForCli(cx, ImageSetPath(image, name));
      if (d == 0) {
        cx.out << "  " << name << ": cannot be read\n";
        status = 2;
        continue;
      }
      const SetStores& s = cx.ws.Stores(d);
      const EventMemory m = EventMemoryFigures(s.backingSequences, s.songs);
      cx.out << "  " << name << ": " << int{s.styles.blockCount} << " Blocks, " << 4 * m.free
             << " bytes of event memory free\n";
      UnloadDocument(cx.ws, d);
    }
  }
  return status;
}

}  // namespace tolvane
