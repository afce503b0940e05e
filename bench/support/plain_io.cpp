#include "plain_io.h"

#include <filesystem>
#include <fstream>

#include "storage/tables.h"

namespace tolvane::bench {

std::vector<Bytes> ReadSetFilesPlain(const std::string& setPath) {
  std::vector<Bytes> files;
  for (int k = 0; k < kSetFileKinds; ++k) {
    const std::string path = setPath + KindExtension(k);
    std::ifstream in(path, std::ios::binary);
    Bytes& bytes = files.emplace_back(static_cast<std::size_t>(std::filesystem::file_size(path)));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  return files;
}

void WriteSetFilesPlain(const std::string& setPath, const std::vector<Bytes>& files) {
  for (int k = 0; k < kSetFileKinds; ++k) {
    const Bytes& bytes = files.at(static_cast<std::size_t>(k));
    std::ofstream out(setPath + KindExtension(k), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
}

}  // namespace tolvane::bench
