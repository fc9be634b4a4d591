#include "tools/artgen/dib.h"

namespace qm::art {

uint32_t DibStride(int width, int bitsPerPixel) {
  return static_cast<uint32_t>((width * bitsPerPixel + 31) / 32 * 4);
}

void WriteBitmapInfoHeader(ByteWriter& out, int width, int height, int bitsPerPixel, uint32_t imageBytes) {
  out.U32(kBitmapInfoHeaderSize);
  out.I32(width);
  out.I32(height);  // positive: bottom-up
  out.U16(1);       // planes
  out.U16(static_cast<uint16_t>(bitsPerPixel));
  out.U32(0);  // BI_RGB
  out.U32(imageBytes);
  out.I32(2835);  // 72 dpi
  out.I32(2835);
  out.U32(0);
  out.U32(0);
}

std::vector<uint8_t> Dib24Rows(const Image& image) {
  const uint32_t stride = DibStride(image.Width(), 24);
  std::vector<uint8_t> rows(stride * image.Height(), 0);
  for (int y = 0; y < image.Height(); ++y) {
    uint8_t* row = &rows[stride * (image.Height() - 1 - y)];
    for (int x = 0; x < image.Width(); ++x) {
      const Pixel& p = image.At(x, y);
      const float white = 1 - p.a;
      row[3 * x + 0] = ToByte(p.b * p.a + white);
      row[3 * x + 1] = ToByte(p.g * p.a + white);
      row[3 * x + 2] = ToByte(p.r * p.a + white);
    }
  }
  return rows;
}

std::vector<uint8_t> Dib32Rows(const Image& image) {
  std::vector<uint8_t> rows;
  rows.reserve(static_cast<size_t>(image.Width()) * image.Height() * 4);
  for (int y = image.Height() - 1; y >= 0; --y) {
    for (int x = 0; x < image.Width(); ++x) {
      const Pixel& p = image.At(x, y);
      const uint8_t alpha = ToByte(p.a);
      rows.push_back(alpha ? ToByte(p.b) : 0);
      rows.push_back(alpha ? ToByte(p.g) : 0);
      rows.push_back(alpha ? ToByte(p.r) : 0);
      rows.push_back(alpha);
    }
  }
  return rows;
}

std::vector<uint8_t> TransparencyMaskRows(const Image& image) {
  const uint32_t stride = DibStride(image.Width(), 1);
  std::vector<uint8_t> rows(stride * image.Height(), 0);
  for (int y = 0; y < image.Height(); ++y) {
    uint8_t* row = &rows[stride * (image.Height() - 1 - y)];
    for (int x = 0; x < image.Width(); ++x) {
      if (ToByte(image.At(x, y).a) == 0) row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
    }
  }
  return rows;
}

}  // namespace qm::art
