// Writes the artwork files into a folder: artgen <folder>  (normally res/).
#include <cstdio>
#include <fstream>
#include <string>

#include "tools/artgen/artwork.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
    return 2;
  }
  for (const auto& file : qm::art::MakeArtworkFiles()) {
    const std::string path = std::string(argv[1]) + "/" + file.name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(file.bytes.data()), static_cast<std::streamsize>(file.bytes.size()));
    if (!out.flush()) {
      std::fprintf(stderr, "%s: cannot write %s\n", argv[0], path.c_str());
      return 1;
    }
    std::printf("%s (%zu bytes)\n", path.c_str(), file.bytes.size());
  }
  return 0;
}
