#include "tools/artgen/file_formats.h"

#include <stdexcept>

#include "tools/artgen/byte_writer.h"
#include "tools/artgen/dib.h"

namespace qm::art {
namespace {

constexpr uint32_t kIconDirSize = 6, kIconDirEntrySize = 16;

}  // namespace

std::vector<uint8_t> IcoFile(const std::vector<Image>& images) {
  std::vector<std::vector<uint8_t>> blobs;
  for (const Image& image : images) {
    if (image.Width() > 256 || image.Height() > 256) throw std::invalid_argument("icon image too large");
    const std::vector<uint8_t> colour = Dib32Rows(image), mask = TransparencyMaskRows(image);
    ByteWriter blob;
    // An icon's DIB is as high as its colour and mask bitmaps together.
    WriteBitmapInfoHeader(blob, image.Width(), 2 * image.Height(), 32,
                          static_cast<uint32_t>(colour.size() + mask.size()));
    blob.Bytes(colour);
    blob.Bytes(mask);
    blobs.push_back(blob.Take());
  }
  ByteWriter out;
  out.U16(0);  // reserved
  out.U16(1);  // icon
  out.U16(static_cast<uint16_t>(images.size()));
  uint32_t offset = kIconDirSize + kIconDirEntrySize * static_cast<uint32_t>(images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    out.U8(static_cast<uint8_t>(images[i].Width() & 0xFF));  // 256 is written as 0
    out.U8(static_cast<uint8_t>(images[i].Height() & 0xFF));
    out.U8(0);  // no palette
    out.U8(0);
    out.U16(1);   // planes
    out.U16(32);  // bits per pixel
    out.U32(static_cast<uint32_t>(blobs[i].size()));
    out.U32(offset);
    offset += static_cast<uint32_t>(blobs[i].size());
  }
  for (const auto& blob : blobs) out.Bytes(blob);
  return out.Take();
}

std::vector<uint8_t> AviFile(const std::vector<Image>& frames, uint32_t microsecondsPerFrame) {
  if (frames.empty()) throw std::invalid_argument("an animation needs frames");
  const int width = frames[0].Width(), height = frames[0].Height();
  const uint32_t frameBytes = DibStride(width, 24) * height;
  const auto count = static_cast<uint32_t>(frames.size());

  ByteWriter out;
  out.FourCc("RIFF");
  const size_t riff = out.BeginSize();
  out.FourCc("AVI ");

  out.FourCc("LIST");
  const size_t hdrl = out.BeginSize();
  out.FourCc("hdrl");
  out.FourCc("avih");
  out.U32(56);
  out.U32(microsecondsPerFrame);
  out.U32(static_cast<uint32_t>(uint64_t{frameBytes} * 1000000 / microsecondsPerFrame));
  out.U32(0);     // padding granularity
  out.U32(0x10);  // AVIF_HASINDEX
  out.U32(count);
  out.U32(0);  // initial frames
  out.U32(1);  // streams
  out.U32(frameBytes);
  out.U32(static_cast<uint32_t>(width));
  out.U32(static_cast<uint32_t>(height));
  for (int i = 0; i < 4; ++i) out.U32(0);

  out.FourCc("LIST");
  const size_t strl = out.BeginSize();
  out.FourCc("strl");
  out.FourCc("strh");
  out.U32(56);
  out.FourCc("vids");
  out.FourCc("DIB ");
  out.U32(0);  // flags
  out.U16(0);  // priority
  out.U16(0);  // language
  out.U32(0);  // initial frames
  out.U32(microsecondsPerFrame);  // scale / rate = seconds per frame
  out.U32(1000000);
  out.U32(0);  // start
  out.U32(count);
  out.U32(frameBytes);
  out.U32(0xFFFFFFFF);  // default quality
  out.U32(frameBytes);  // sample size
  out.U16(0);
  out.U16(0);
  out.U16(static_cast<uint16_t>(width));
  out.U16(static_cast<uint16_t>(height));
  out.FourCc("strf");
  out.U32(kBitmapInfoHeaderSize);
  WriteBitmapInfoHeader(out, width, height, 24, frameBytes);
  out.FinishSize(strl);
  out.FinishSize(hdrl);

  out.FourCc("LIST");
  const size_t movi = out.BeginSize();
  const size_t moviStart = out.Size();
  out.FourCc("movi");
  std::vector<uint32_t> offsets;
  for (const Image& frame : frames) {
    if (frame.Width() != width || frame.Height() != height) throw std::invalid_argument("frame sizes differ");
    offsets.push_back(static_cast<uint32_t>(out.Size() - moviStart));
    out.FourCc("00db");
    out.U32(frameBytes);
    out.Bytes(Dib24Rows(frame));
  }
  out.FinishSize(movi);

  out.FourCc("idx1");
  out.U32(16 * count);
  for (uint32_t offset : offsets) {
    out.FourCc("00db");
    out.U32(0x10);  // AVIIF_KEYFRAME
    out.U32(offset);
    out.U32(frameBytes);
  }
  out.FinishSize(riff);
  return out.Take();
}

std::vector<uint8_t> BmpFile(const Image& image) {
  const std::vector<uint8_t> rows = Dib24Rows(image);
  constexpr uint32_t kFileHeaderSize = 14;
  ByteWriter out;
  out.FourCc("BM");
  out.U32(static_cast<uint32_t>(kFileHeaderSize + kBitmapInfoHeaderSize + rows.size()));
  out.U16(0);
  out.U16(0);
  out.U32(kFileHeaderSize + kBitmapInfoHeaderSize);
  WriteBitmapInfoHeader(out, image.Width(), image.Height(), 24, static_cast<uint32_t>(rows.size()));
  out.Bytes(rows);
  return out.Take();
}

}  // namespace qm::art
