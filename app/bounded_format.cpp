#include "app/bounded_format.h"

#include <cstdarg>
#include <cstdio>

namespace qm {

bool ComposeBounded(char* out, std::size_t size, const char* format, ...) {
  if (out == nullptr || size == 0) return false;
  va_list args;
  va_start(args, format);
  const int needed = std::vsnprintf(out, size, format, args);
  va_end(args);
  if (needed < 0 || static_cast<std::size_t>(needed) >= size) {
    out[0] = '\0';
    return false;
  }
  return true;
}

}  // namespace qm
