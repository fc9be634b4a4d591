#include "app/job_name.h"

#include <cstring>

#include "app/path_rules.h"

namespace qm {

bool IsValidJobName(const char* name) {
  if (name == nullptr || name[0] == '\0') return false;
  const std::size_t length = std::strlen(name);
  for (std::size_t i = 0; i < length; ++i) {
    const unsigned char byte = static_cast<unsigned char>(name[i]);
    if (IsLeadByte(byte)) {
      if (i + 1 == length) return false;
      ++i;
      continue;
    }
    if (byte < 0x20 || std::strchr("\\/:*?\"<>|", byte) != nullptr) return false;
  }
  const char last = name[length - 1];
  // A trailing second byte cannot be a dot or a space, so this is exact.
  return last != '.' && last != ' ';
}

}  // namespace qm
