#pragma once
// DiskImages through mtools: mdir, mattrib, mcopy and mformat run as programs
// with the image named by `-i IMAGE` and its root folder as "::". Their
// configuration is our own file (MTOOLSRC), and HOME is our own folder, so
// that nothing of the user's configuration can redirect a drive or change how
// names are written.

#include <chrono>
#include <string>

#include "sets/disk_images.h"

namespace tolvane {

class MtoolsImages : public DiskImages {
 public:
  // `searchPath` is the PATH the programs are looked up on (the process's own
  // when empty); each call ends at `limit`.
  explicit MtoolsImages(std::string searchPath = {}, std::chrono::milliseconds limit = std::chrono::seconds(20));
  ~MtoolsImages() override;
  MtoolsImages(const MtoolsImages&) = delete;
  MtoolsImages& operator=(const MtoolsImages&) = delete;

  ImageFault List(const std::string& image, ImageListing& listing) override;
  ImageFault Read(const std::string& image, const std::vector<std::string>& names,
                  std::vector<Bytes>& contents) override;
  ImageFault Write(const std::string& image, const std::vector<std::pair<std::string, Bytes>>& files,
                   std::size_t& failedAt) override;
  ImageFault Format(const std::string& image, int kilobytes, const std::string& label) override;

 private:
  struct Outcome;
  Outcome Run(const std::string& program, const std::vector<std::string>& arguments);
  // A fresh empty folder inside our own.
  std::string FreshFolder();

  std::string searchPath_;
  std::chrono::milliseconds limit_;
  std::string folder_;  // our own folder: configuration file, files in passing
  int fresh_ = 0;
};

// Parses the listing mdir prints of a root folder; false when it is not one.
bool ParseDirectoryListing(const std::string& text, ImageListing& listing);
// The size in bytes the boot sector gives the file system (sector size times
// sector count); 0 when it gives none. mtools itself judges the rest.
std::uint64_t FileSystemSize(const Bytes& bootSector);

}  // namespace tolvane
