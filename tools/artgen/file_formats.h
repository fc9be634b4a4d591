// Writers of the three artwork file formats.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/artgen/raster.h"

namespace qm::art {

// An .ico file with one 32-bit image per entry, in the given order.
std::vector<uint8_t> IcoFile(const std::vector<Image>& images);

// An uncompressed 24-bit RIFF AVI (one video stream, every frame a key frame).
std::vector<uint8_t> AviFile(const std::vector<Image>& frames, uint32_t microsecondsPerFrame);

// A 24-bit uncompressed .bmp file.
std::vector<uint8_t> BmpFile(const Image& image);

}  // namespace qm::art
