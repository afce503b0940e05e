// Any bytes, as a disk image listed and read through mtools and as the text
// mdir prints: the listing gives Set names of the 8.3 form, and reading the
// files of a Set gives one content for each name asked for.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "mtools_images.h"
#include "sets/image_sets.h"
#include "storage/tables.h"

namespace {

void CheckSetNames(const tolvane::ImageListing& listing) {
  for (const std::string& name : tolvane::SetsInListing(listing))
    if (name.empty() || name.size() > 8 || name.find('.') != std::string::npos) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tolvane;
  ImageListing parsed;
  if (ParseDirectoryListing(std::string(reinterpret_cast<const char*>(data), size), parsed)) CheckSetNames(parsed);

  static MtoolsImages images;
  static const std::string image =
      (std::filesystem::temp_directory_path() / ("tolvane-fuzz-" + std::to_string(::getpid()) + ".img")).string();
  std::ofstream(image, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                 static_cast<std::streamsize>(size));
  ImageListing listing;
  if (images.List(image, listing) == ImageFault::None) {
    CheckSetNames(listing);
    std::vector<std::string> names;
    for (const ImageFile& file : listing.files)
      if (!file.folder) names.push_back(file.shortName);
    std::vector<Bytes> contents;
    if (images.Read(image, names, contents) == ImageFault::None && contents.size() != names.size()) std::abort();
  }
  std::remove(image.c_str());
  return 0;
}
