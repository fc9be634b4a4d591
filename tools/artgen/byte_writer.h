// Little-endian byte output for the RIFF and DIB based file formats.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace qm::art {

class ByteWriter {
 public:
  void U8(uint8_t v) { bytes_.push_back(v); }
  void U16(uint16_t v) {
    U8(static_cast<uint8_t>(v));
    U8(static_cast<uint8_t>(v >> 8));
  }
  void U32(uint32_t v) {
    U16(static_cast<uint16_t>(v));
    U16(static_cast<uint16_t>(v >> 16));
  }
  void I32(int32_t v) { U32(static_cast<uint32_t>(v)); }
  void FourCc(std::string_view code) {
    for (char c : code) U8(static_cast<uint8_t>(c));
  }
  void Bytes(const std::vector<uint8_t>& bytes) { bytes_.insert(bytes_.end(), bytes.begin(), bytes.end()); }

  // Reserves a 32-bit size field; FinishSize fills it with the bytes written since.
  size_t BeginSize() {
    const size_t at = bytes_.size();
    U32(0);
    return at;
  }
  void FinishSize(size_t at) {
    const auto size = static_cast<uint32_t>(bytes_.size() - at - 4);
    for (int i = 0; i < 4; ++i) bytes_[at + i] = static_cast<uint8_t>(size >> (8 * i));
  }

  size_t Size() const { return bytes_.size(); }
  std::vector<uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<uint8_t> bytes_;
};

}  // namespace qm::art
