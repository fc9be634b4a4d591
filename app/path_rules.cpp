#include "app/path_rules.h"

#include <cstring>

namespace qm {

bool IsLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool IsRealSeparator(const char* text, unsigned long index) {
  if (index == 0) return true;
  if (!IsLeadByte(static_cast<unsigned char>(text[index - 1]))) return true;
  // The byte before may itself be a second byte; only a walk from the start
  // tells whether index begins a character.
  unsigned long at = 0;
  while (at < index) at += IsLeadByte(static_cast<unsigned char>(text[at])) ? 2 : 1;
  return at == index;
}

const char* GetPathDirectory(const char* path) {
  static char directory[kPathBufferSize];
  if (path == nullptr || path[0] == '\0') return ".\\";
  const std::size_t length = std::strlen(path);
  if (length >= kPathBufferSize) {
    directory[0] = '\0';
    return directory;
  }
  std::memcpy(directory, path, length + 1);
  for (std::size_t i = length; i-- > 0;) {
    if (directory[i] == '\\' && IsRealSeparator(directory, static_cast<unsigned long>(i))) {
      directory[i + 1] = '\0';
      return directory;
    }
  }
  return ".\\";
}

const char* GetPathToken(const char* source, char (&token)[kPathBufferSize]) {
  token[0] = '\0';
  if (source == nullptr || source[0] == '\0') return nullptr;
  bool quoted = false;
  bool started = false;
  std::size_t copied = 0;
  std::size_t i = 0;
  for (; source[i] != '\0' && copied < kPathBufferSize - 1; ++i) {
    const char byte = source[i];
    if (byte == '"') {
      quoted = !quoted;
      if (quoted) started = true;
      continue;
    }
    if (!quoted && (byte == ':' || byte == '\\') &&
        IsRealSeparator(source, static_cast<unsigned long>(i))) {
      if (started) break;
      continue;
    }
    token[copied++] = byte;
    started = true;
  }
  token[copied] = '\0';
  if (copied == 0) return nullptr;
  return source + i;
}

}  // namespace qm
