#pragma once
#include <cstdio>
#include <string>

namespace qm_test {

// Test names carry case texts; CTest's test list takes only plain ASCII, so
// every other byte (backslashes, code page 932) is written as its hex code.
inline std::string PrintableText(const char* text) {
  if (text == nullptr) return "null";
  std::string out;
  for (const char* p = text; *p != '\0'; ++p) {
    const unsigned char byte = static_cast<unsigned char>(*p);
    const bool plain = (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') ||
                       (byte >= 'a' && byte <= 'z') || byte == '.' || byte == '-' || byte == '_';
    if (plain) {
      out += static_cast<char>(byte);
    } else {
      char hex[4];
      std::snprintf(hex, sizeof hex, "%02X", byte);
      out += hex;
    }
  }
  return out.empty() ? "empty" : out;
}

}  // namespace qm_test
