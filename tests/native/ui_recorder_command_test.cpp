#include <gtest/gtest.h>

#include <string>

#include "ui/recorder_command.h"

namespace {

TEST(RecorderCommand, QuotesThePathWithAndWithoutTheJobName) {
  struct Case {
    const char* path;
    const char* job;
    const char* expected;
  } cases[] = {
      {"C:\\Program Files\\Q\\InputStudio.exe", nullptr, "\"C:\\Program Files\\Q\\InputStudio.exe\""},
      {"C:\\Program Files\\Q\\InputStudio.exe", "月次 集計",
       "\"C:\\Program Files\\Q\\InputStudio.exe\" \"月次 集計\""},
      {"C:\\Q\\InputStudio.exe", "", "\"C:\\Q\\InputStudio.exe\" \"\""},
      {"", nullptr, "\"\""},
  };
  for (const Case& c : cases) {
    char line[qm::kCommandLineBufferSize];
    EXPECT_TRUE(qm::ComposeRecorderCommandLine(line, c.path, c.job)) << c.expected;
    EXPECT_STREQ(line, c.expected);
  }
}

TEST(RecorderCommand, RefusesALineThatDoesNotFit) {
  const std::string path(259, 'p');
  // Four quotes and a space: 259 + 759 + 5 = 1023 bytes fill the buffer exactly.
  const std::string fits(759, 'j');
  const std::string too_long(760, 'j');
  char line[qm::kCommandLineBufferSize];
  EXPECT_TRUE(qm::ComposeRecorderCommandLine(line, path.c_str(), fits.c_str()));
  EXPECT_EQ(std::string(line).size(), 1023u);
  EXPECT_FALSE(qm::ComposeRecorderCommandLine(line, path.c_str(), too_long.c_str()));
  EXPECT_STREQ(line, "");
}

}  // namespace
