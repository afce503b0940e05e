#include "mtools_images.h"

#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "process_runner.h"
#include "sets/set_files.h"
#include "storage/text.h"

namespace fs = std::filesystem;

namespace tolvane {

namespace {

// Flags that decide how names are written and whether damage is noticed:
// set here, so that no other configuration changes them.
const char* const kConfiguration =
    "# Tolvane's own mtools settings\n"
    "mtools_skip_check=0\n"
    "mtools_lower_case=0\n"
    "mtools_no_vfat=0\n";

bool ContainsAny(const std::string& text, std::initializer_list<const char*> parts) {
  for (const char* part : parts)
    if (text.find(part) != std::string::npos) return true;
  return false;
}

// The digits of a figure printed with blanks between its thousands.
std::uint64_t DigitsOf(const std::string& text) {
  std::uint64_t value = 0;
  for (char c : text)
    if (std::isdigit(static_cast<unsigned char>(c)) != 0) value = value * 10 + static_cast<std::uint64_t>(c - '0');
  return value;
}

}  // namespace

struct MtoolsImages::Outcome {
  ImageFault fault = ImageFault::None;
  std::string out;
};

MtoolsImages::MtoolsImages(std::string searchPath, std::chrono::milliseconds limit)
    : searchPath_(std::move(searchPath)), limit_(limit) {
  if (searchPath_.empty()) {
    const char* path = std::getenv("PATH");
    searchPath_ = path != nullptr ? path : "/usr/bin:/bin";
  }
  std::error_code ec;
  std::string pattern = (fs::temp_directory_path(ec) / "tolvane-mtools-XXXXXX").string();
  if (::mkdtemp(pattern.data()) != nullptr) folder_ = pattern;
  std::ofstream(folder_ + "/mtoolsrc") << kConfiguration;
}

MtoolsImages::~MtoolsImages() {
  std::error_code ec;
  if (!folder_.empty()) fs::remove_all(folder_, ec);
}

std::string MtoolsImages::FreshFolder() {
  const std::string folder = folder_ + "/files" + std::to_string(++fresh_);
  std::error_code ec;
  fs::remove_all(folder, ec);
  fs::create_directories(folder, ec);
  return folder;
}

MtoolsImages::Outcome MtoolsImages::Run(const std::string& program, const std::vector<std::string>& arguments) {
  Outcome outcome;
  if (folder_.empty()) {
    outcome.fault = ImageFault::Failed;
    return outcome;
  }
  std::vector<std::string> environment{"PATH=" + searchPath_, "HOME=" + folder_, "MTOOLSRC=" + folder_ + "/mtoolsrc",
                                       "LC_ALL=C"};
  // The times written into the image are local times, as DOS keeps them.
  if (const char* zone = std::getenv("TZ")) environment.push_back(std::string("TZ=") + zone);
  ProcessResult run = RunProgram(program, arguments, environment, limit_);
  outcome.out = std::move(run.out);
  if (run.Succeeded()) return outcome;
  const std::string& err = run.err;
  if (run.notFound)
    outcome.fault = ImageFault::ToolMissing;
  else if (!run.started || run.timedOut)
    outcome.fault = ImageFault::Failed;
  else if (ContainsAny(err, {"Disk full", "No free", "directory full", "No directory slots"}))
    outcome.fault = ImageFault::Full;
  else if (ContainsAny(err, {"Permission denied", "Read-only file system"}))
    outcome.fault = ImageFault::ReadOnly;
  else if (ContainsAny(err, {"non DOS media", "could not read boot sector", "No such file"}))
    outcome.fault = ImageFault::NotAnImage;
  else
    outcome.fault = ImageFault::Damaged;
  return outcome;
}

ImageFault MtoolsImages::List(const std::string& image, ImageListing& listing) {
  std::error_code ec;
  const auto size = fs::file_size(image, ec);
  if (ec) return ImageFault::NotAnImage;
  // mtools reads what lies past the end of a truncated image as zeros: the
  // size the boot sector gives is checked first.
  Bytes boot(512);
  std::ifstream in(image, std::ios::binary);
  in.read(reinterpret_cast<char*>(boot.data()), static_cast<std::streamsize>(boot.size()));
  if (in.gcount() != static_cast<std::streamsize>(boot.size())) return ImageFault::NotAnImage;
  const std::uint64_t needed = FileSystemSize(boot);
  if (needed != 0 && size < needed) return ImageFault::Damaged;
  Outcome dir = Run("mdir", {"-a", "-i", image, "::/"});
  if (dir.fault != ImageFault::None) return dir.fault;
  return ParseDirectoryListing(dir.out, listing) ? ImageFault::None : ImageFault::Damaged;
}

ImageFault MtoolsImages::Read(const std::string& image, const std::vector<std::string>& names,
                              std::vector<Bytes>& contents) {
  contents.assign(names.size(), {});
  if (names.empty()) return ImageFault::None;
  const std::string folder = FreshFolder();
  // All in one run: the names are those of the listing, distinct even
  // ignoring case, so they cannot meet in our folder.
  std::vector<std::string> arguments{"-n", "-o", "-i", image};
  for (const auto& name : names) arguments.push_back("::/" + name);
  arguments.push_back(folder + "/");
  Outcome copy = Run("mcopy", arguments);
  if (copy.fault != ImageFault::None) return copy.fault;
  for (std::size_t i = 0; i < names.size(); ++i)
    if (!ReadWholeFile(folder + "/" + names[i], contents[i])) return ImageFault::Failed;
  std::error_code ec;
  fs::remove_all(folder, ec);
  return ImageFault::None;
}

ImageFault MtoolsImages::Write(const std::string& image, const std::vector<std::pair<std::string, Bytes>>& files,
                               std::size_t& failedAt) {
  // A file marked read-only in the image is not replaced, as in a folder;
  // mattrib names each file that exists with its attributes before it.
  std::vector<std::string> attributes{"-i", image};
  for (const auto& file : files) attributes.push_back("::/" + file.first);
  const Outcome marked = Run("mattrib", attributes);
  if (marked.fault == ImageFault::ToolMissing) return marked.fault;
  std::istringstream lines(marked.out);
  for (std::string line; std::getline(lines, line);) {
    const auto name = line.find("::/");
    if (name == std::string::npos || line.substr(0, name).find('R') == std::string::npos) continue;
    for (failedAt = 0; failedAt < files.size(); ++failedAt)
      if (EqualsIgnoreAsciiCase(line.substr(name + 3), files[failedAt].first)) return ImageFault::ReadOnly;
  }
  const std::string folder = FreshFolder();
  for (failedAt = 0; failedAt < files.size(); ++failedAt) {
    const std::string local = folder + "/" + std::to_string(failedAt);
    if (!WriteWholeFile(local, files[failedAt].second)) return ImageFault::Failed;
    // -D o: a file of that name is replaced where it stands in the folder.
    Outcome copy = Run("mcopy", {"-D", "o", "-i", image, local, "::/" + files[failedAt].first});
    if (copy.fault != ImageFault::None) return copy.fault;
  }
  std::error_code ec;
  fs::remove_all(folder, ec);
  return ImageFault::None;
}

ImageFault MtoolsImages::Format(const std::string& image, int kilobytes, const std::string& label) {
  std::error_code ec;
  if (fs::exists(fs::symlink_status(image, ec))) return ImageFault::Failed;
  std::vector<std::string> arguments{"-C", "-i", image, "-f", std::to_string(kilobytes)};
  if (!label.empty()) {
    arguments.push_back("-v");
    arguments.push_back(label);
  }
  arguments.push_back("::");
  Outcome made = Run("mformat", arguments);
  if (made.fault != ImageFault::None) fs::remove(image, ec);
  return made.fault;
}

bool ParseDirectoryListing(const std::string& text, ImageListing& listing) {
  listing = {};
  std::istringstream lines(text);
  std::string line;
  bool inFolder = false, freeFound = false;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("Directory for ", 0) == 0) {
      inFolder = true;
      continue;
    }
    if (!inFolder || line.empty()) continue;
    if (line.find("bytes free") != std::string::npos) {
      listing.freeBytes = DigitsOf(line.substr(0, line.find("bytes free")));
      freeFound = true;
      continue;
    }
    // Entries start at the first column; totals and "No files" do not.
    if (line[0] == ' ' || line == "No files" || line.size() < 13) continue;
    ImageFile file;
    const std::string base = TrimBlanks(line.substr(0, 8));
    const std::string extension = TrimBlanks(line.substr(9, 3));
    file.shortName = extension.empty() ? base : base + "." + extension;
    std::istringstream fields(line.substr(12));
    std::string size, date, time;
    fields >> size >> date >> time;
    if (time.size() < 4 || time.find(':') == std::string::npos) return false;
    file.folder = size == "<DIR>";
    if (!file.folder) file.size = DigitsOf(size);
    std::string rest;
    std::getline(fields, rest);
    file.longName = TrimBlanks(rest);
    listing.files.push_back(std::move(file));
  }
  return inFolder && freeFound;
}

std::uint64_t FileSystemSize(const Bytes& bootSector) {
  if (bootSector.size() < 36) return 0;
  const auto u16 = [&](std::size_t at) { return std::uint64_t{bootSector[at]} | std::uint64_t{bootSector[at + 1]} << 8; };
  const std::uint64_t sectorSize = u16(11);
  // No FAT boot sector: mtools says so itself.
  if (sectorSize != 512 && sectorSize != 1024 && sectorSize != 2048 && sectorSize != 4096) return 0;
  std::uint64_t sectors = u16(19);
  if (sectors == 0) sectors = u16(32) | u16(34) << 16;
  return sectorSize * sectors;
}

}  // namespace tolvane
