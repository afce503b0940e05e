#pragma once
// What the core asks of the FAT file system inside a floppy disk image. The
// editor and the command line answer through mtools (src/images); the core
// itself never starts a program.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "storage/bytes.h"

namespace tolvane {

// Why a request on an image failed.
enum class ImageFault { None, NotAnImage, Damaged, Full, ReadOnly, ToolMissing, Failed };

// One entry of an image's root folder.
struct ImageFile {
  std::string shortName;  // "MYSET.ARR": the 8.3 name the instrument reads
  std::string longName;   // the long name written beside it, or empty
  std::uint64_t size = 0;
  bool folder = false;
  // The name to write the file back under, so that a long name stays.
  const std::string& NameToWrite() const { return longName.empty() ? shortName : longName; }
};

struct ImageListing {
  std::vector<ImageFile> files;  // in directory order
  std::uint64_t freeBytes = 0;
};

class DiskImages {
 public:
  virtual ~DiskImages() = default;
  // The root folder of the image and its free space. A file that holds no
  // whole FAT file system (too short for what its boot sector says) fails.
  virtual ImageFault List(const std::string& image, ImageListing& listing) = 0;
  // The whole content of each named file of the root folder.
  virtual ImageFault Read(const std::string& image, const std::vector<std::string>& names,
                          std::vector<Bytes>& contents) = 0;
  // Writes the files one after the other, each replacing a file of its name
  // in place; a file marked read-only in the image is not replaced (ReadOnly).
  // On failure `failedAt` is the index of the file that failed; the image may
  // then hold part of the files.
  virtual ImageFault Write(const std::string& image, const std::vector<std::pair<std::string, Bytes>>& files,
                           std::size_t& failedAt) = 0;
  // Makes a new empty image of 1440 or 720 kilobytes at `image`, which must
  // not exist.
  virtual ImageFault Format(const std::string& image, int kilobytes, const std::string& label) = 0;
};

}  // namespace tolvane
