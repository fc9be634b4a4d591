#pragma once
#include <cstddef>

namespace qm {

// Formats into a fixed buffer and refuses, rather than cuts, a result that
// does not fit: a cut path can name another file. On refusal the buffer
// holds the empty text and the result is false.
bool ComposeBounded(char* out, std::size_t size, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 3, 4)))
#endif
    ;

template <std::size_t N, typename... Args>
bool ComposeBounded(char (&out)[N], const char* format, Args... args) {
  return ComposeBounded(static_cast<char*>(out), N, format, args...);
}

}  // namespace qm
