#include "jobs/buffered_line_reader.h"

namespace qm {

bool BufferedLineReader::Refill() {
  if (exhausted_) return false;
  filled_ = ReadChunk(chunk_, sizeof chunk_);
  position_ = 0;
  if (filled_ == 0) exhausted_ = true;
  return filled_ != 0;
}

bool BufferedLineReader::ReadLine(char* buffer, std::size_t size) {
  if (buffer == nullptr || size == 0) return false;
  std::size_t length = 0;
  while (length + 1 < size) {
    if (position_ == filled_ && !Refill()) break;
    const char byte = chunk_[position_++];
    buffer[length++] = byte;
    if (byte == '\n') break;
  }
  buffer[length] = '\0';
  return length != 0;
}

}  // namespace qm
