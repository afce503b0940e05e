#pragma once
// Sets inside floppy disk images. A Set there is named IMAGE::NAME: the
// image file's path, two colons, and the base name its five files share in
// the image's root folder. The image is read and written through the
// workspace's DiskImages; every write goes to a copy beside the image that
// replaces it only once it has been read back.

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "sets/disk_images.h"
#include "sets/set_files.h"
#include "storage/tables.h"

namespace tolvane {

struct ImageSetName {
  std::string image;
  std::string name;
};

// IMAGE::NAME split in two; nothing for a Set in a folder.
std::optional<ImageSetName> SplitImageSetPath(const std::string& path);
std::string ImageSetPath(const std::string& image, const std::string& name);
// A file named *.IMG or *.IMA, whatever the case.
bool IsDiskImageFile(const std::string& path);
// A name an 8.3 file name can begin with: 1 to 8 letters, digits or
// ! # $ % & ' ( ) - @ ^ _ ` { } ~.
bool IsImageSetName(const std::string& name);

// The Sets of a listing: every base name, in upper case and in name order,
// with at least one of the five files.
std::vector<std::string> SetsInListing(const ImageListing& listing);
// The image's listing; false after the message that says why not.
bool ListImage(Workspace& ws, const std::string& image, ImageListing& listing);
// The open dialog's choice of a Set in an image: the Sets are listed for the
// user to pick one. Empty when there is none or the user cancels.
std::string ChooseSetInImage(Workspace& ws, const std::string& image);

// The opening steps for a Set in an image: offers to create its missing
// files from the template (written into the image), then reads the five
// files whole and checks their headers, with OpenKindFile's messages.
// `listing` is the image's, as it is afterwards; OpenImageKindFiles takes it
// when given, else lists the image itself.
bool CreateMissingImageFiles(Workspace& ws, const ImageSetName& set, ImageListing& listing);
bool OpenImageKindFiles(Workspace& ws, const ImageSetName& set,
                        std::array<std::optional<KindFile>, kSetFileKinds>& files,
                        const ImageListing* listed = nullptr);

// The detail line of the save error for a fault.
std::string ImageFaultDetail(ImageFault fault);
// Writes the files into the image safely: into a copy beside it (a new
// formatted image when there is none yet), read back and compared, the other
// files checked unchanged, then renamed over the image with its permission
// bits, owner and links kept. On failure the image keeps every byte and
// `failedAt` names the file at fault.
ImageFault ReplaceFilesInImage(Workspace& ws, const std::string& image,
                               const std::vector<std::pair<std::string, Bytes>>& files, std::size_t& failedAt);
// Saving the Set of slot d into its image: the modified kinds, or all of them.
bool SaveSetInImage(Workspace& ws, int d, bool allKinds);
// True when the Set at setPath has a Style file (in a folder or an image).
bool SetExistsAt(Workspace& ws, const std::string& setPath);
// The bytes of file kind k of the Set at setPath, wherever it lives.
bool ReadSetFileBytes(Workspace& ws, const std::string& setPath, int kind, Bytes& bytes);
// File > New Disk Image...: an empty image of 1440 or 720 kilobytes with the
// given volume label; an existing file is replaced only once the new image
// is whole. False after its message.
bool MakeDiskImage(Workspace& ws, const std::string& image, int kilobytes, const std::string& label);

}  // namespace tolvane
