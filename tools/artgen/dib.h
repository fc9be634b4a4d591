// Device-independent bitmap pieces shared by the icon, animation and bitmap files.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/artgen/byte_writer.h"
#include "tools/artgen/raster.h"

namespace qm::art {

constexpr uint32_t kBitmapInfoHeaderSize = 40;

// Bytes of one pixel row, padded to a multiple of four.
uint32_t DibStride(int width, int bitsPerPixel);

// BITMAPINFOHEADER, uncompressed (BI_RGB).
void WriteBitmapInfoHeader(ByteWriter& out, int width, int height, int bitsPerPixel, uint32_t imageBytes);

// Rows bottom-up, pixels as blue, green, red; transparency is flattened onto white.
std::vector<uint8_t> Dib24Rows(const Image& image);
// Rows bottom-up, pixels as blue, green, red, alpha (straight alpha).
std::vector<uint8_t> Dib32Rows(const Image& image);
// 1-bit mask, rows bottom-up: a set bit where the image is fully transparent.
std::vector<uint8_t> TransparencyMaskRows(const Image& image);

}  // namespace qm::art
