#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "app/path_rules.h"
#include "tests/native/printable_text.h"

namespace {

// ゃ is 82 E1: its second byte lies in the lead-byte range, so only a walk
// from the start tells that the backslash after it is a real separator.
struct DirectoryCase {
  const char* path;
  const char* directory;
};

void PrintTo(const DirectoryCase& c, std::ostream* out) { *out << qm_test::PrintableText(c.path); }

class PathDirectory : public testing::TestWithParam<DirectoryCase> {};

TEST_P(PathDirectory, EndsAfterTheLastRealBackslash) {
  EXPECT_EQ(std::string(qm::GetPathDirectory(GetParam().path)), GetParam().directory)
      << (GetParam().path ? GetParam().path : "(null)");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PathDirectory,
    testing::Values(
        DirectoryCase{nullptr, ".\\"}, DirectoryCase{"", ".\\"}, DirectoryCase{"prog.exe", ".\\"},
        DirectoryCase{"C:/bin/prog.exe", ".\\"}, DirectoryCase{"C:\\bin\\prog.exe", "C:\\bin\\"},
        DirectoryCase{"\\\\server\\share\\prog.exe", "\\\\server\\share\\"},
        DirectoryCase{"C:\\表", "C:\\"}, DirectoryCase{"C:\\ソ表", "C:\\"},
        DirectoryCase{"C:\\bin\\表", "C:\\bin\\"}, DirectoryCase{"C:\\表\\prog.exe", "C:\\表\\"},
        DirectoryCase{"C:\\binゃ\\prog.exe", "C:\\binゃ\\"}, DirectoryCase{"\\prog.exe", "\\"}));

TEST(PathDirectory, RefusesAPathTooLongForItsBuffer) {
  // Cutting it would give the directory of its first 259 bytes, another one.
  const std::string fits = "C:\\" + std::string(250, 'd') + "\\a.exe";
  ASSERT_EQ(fits.size(), 259u);
  EXPECT_EQ(std::string(qm::GetPathDirectory(fits.c_str())), fits.substr(0, 254));
  const std::string too_long = fits + "x";
  EXPECT_EQ(std::string(qm::GetPathDirectory(too_long.c_str())), "");
}

std::vector<std::string> Tokens(const char* path) {
  std::vector<std::string> tokens;
  char token[qm::kPathBufferSize];
  const char* rest = path;
  while ((rest = qm::GetPathToken(rest, token)) != nullptr) {
    tokens.push_back(token);
    if (tokens.size() > 10) break;
  }
  return tokens;
}

struct TokenCase {
  const char* path;
  std::vector<std::string> tokens;
};

void PrintTo(const TokenCase& c, std::ostream* out) { *out << qm_test::PrintableText(c.path); }

class PathToken : public testing::TestWithParam<TokenCase> {};

TEST_P(PathToken, SplitsAtRealSeparatorsOutsideQuotes) {
  EXPECT_EQ(Tokens(GetParam().path), GetParam().tokens) << GetParam().path;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PathToken,
    testing::Values(TokenCase{"C:\\ProgramData\\Tallowgate\\Quillmere",
                              {"C", "ProgramData", "Tallowgate", "Quillmere"}},
                    TokenCase{"\\\\server\\share\\dir", {"server", "share", "dir"}},
                    TokenCase{"C:\\データ表\\Quillmere", {"C", "データ表", "Quillmere"}},
                    TokenCase{"C:\\表\\ソ", {"C", "表", "ソ"}},
                    TokenCase{"C:\\dirゃ\\x", {"C", "dirゃ", "x"}},
                    TokenCase{"C:\\\"a:b\\c\"\\d", {"C", "a:b\\c", "d"}},
                    TokenCase{"C:\\a/b", {"C", "a/b"}}, TokenCase{"", {}},
                    TokenCase{"\\\\::\\", {}}));

TEST(PathToken, EmptySourceGivesAnEmptyToken) {
  char token[qm::kPathBufferSize] = "stale";
  EXPECT_EQ(qm::GetPathToken("", token), nullptr);
  EXPECT_STREQ(token, "");
}

}  // namespace
