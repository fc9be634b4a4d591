#include <gtest/gtest.h>

#include <string>

namespace {

// Our sources are UTF-8; the build must turn the system's texts into code page 932 bytes.
TEST(TextLiterals, AreCodePage932Bytes) {
  EXPECT_EQ(std::string("開始"), std::string("\x8A\x4A\x8E\x6E"));
  EXPECT_EQ(std::string("停止"), std::string("\x92\xE2\x8E\x7E"));
  EXPECT_EQ(std::string("表"), std::string("\x95\x5C"));
  EXPECT_EQ(std::string("ソ"), std::string("\x83\x5C"));
}

}  // namespace
