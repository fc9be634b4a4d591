#include <gtest/gtest.h>

#include "framework/cp932_text.h"

namespace {

// The conversion must not depend on the ANSI code page the process runs under.
TEST(Cp932Text, RoundTripsJapaneseWhateverTheAnsiCodePage) {
  const char* texts[] = {"開始", "停止", "表", "ソ", "ポ", "a,b", "", "　実行する処理の作業名"};
  for (const char* text : texts) {
    const std::wstring wide = qm::WideFromCp932(text);
    EXPECT_EQ(qm::Cp932FromWide(wide), text);
  }
  EXPECT_EQ(qm::WideFromCp932("開始"), std::wstring(L"\u958B\u59CB"));
  EXPECT_EQ(qm::WideFromCp932("表"), std::wstring(L"\u8868"));
}

}  // namespace
