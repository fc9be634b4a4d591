#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <string>

#include "app/path_composition.h"
#include "app/program_paths.h"
#include "tests/native/printable_text.h"

namespace {

const char kData[] = "C:\\ProgramData\\Tallowgate\\Quillmere";

// A directory of the given length, so that composed paths land on a boundary.
std::string DirectoryOfLength(std::size_t length) {
  return "C:\\" + std::string(length - 4, 'd') + "\\";
}

TEST(PathComposition, JoinsItsPartsByTheirFormats) {
  char out[qm::kPathBufferSize];
  ASSERT_TRUE(qm::ComposeExecutablePath(out, "C:\\表\\", qm::kPlayerFileName));
  EXPECT_STREQ(out, "C:\\表\\ReplayRunner.exe");
  ASSERT_TRUE(qm::ComposeExecutablePath(out, ".\\", qm::kRecorderFileName));
  EXPECT_STREQ(out, ".\\InputStudio.exe");
  ASSERT_TRUE(qm::ComposeDataPath(out, kData, qm::kScheduleFileName));
  EXPECT_STREQ(out, "C:\\ProgramData\\Tallowgate\\Quillmere\\ExecTime.def");
  ASSERT_TRUE(qm::ComposeJobFilePath(out, kData, "朝の 処理", qm::kRecordFileName));
  EXPECT_STREQ(out, "C:\\ProgramData\\Tallowgate\\Quillmere\\朝の 処理\\KeyRecord.def");
  ASSERT_TRUE(qm::ComposeJobFilePath(out, kData, "", qm::kRepeatFileName));
  EXPECT_STREQ(out, "C:\\ProgramData\\Tallowgate\\Quillmere\\\\KeyRepeat.def");
}

TEST(PathComposition, RefusesWhatDoesNotFitRatherThanCutting) {
  char out[qm::kPathBufferSize];
  const std::string name = qm::kPlayerFileName;
  const std::string exact = DirectoryOfLength(259 - name.size());
  ASSERT_TRUE(qm::ComposeExecutablePath(out, exact.c_str(), qm::kPlayerFileName));
  EXPECT_EQ(std::string(out).size(), 259u);

  const std::string one_more = DirectoryOfLength(260 - name.size());
  std::strcpy(out, "stale");
  EXPECT_FALSE(qm::ComposeExecutablePath(out, one_more.c_str(), qm::kPlayerFileName));
  EXPECT_STREQ(out, "");

  // About 210 bytes of job name are a valid folder name yet overflow the path.
  const std::string job(215, 'j');
  std::strcpy(out, "stale");
  EXPECT_FALSE(qm::ComposeJobFilePath(out, kData, job.c_str(), qm::kRecordFileName));
  EXPECT_STREQ(out, "");
}

TEST(PathComposition, RefusesAnUnavailableDirectory) {
  char out[qm::kPathBufferSize] = "stale";
  EXPECT_FALSE(qm::ComposeExecutablePath(out, "", qm::kPlayerFileName));
  EXPECT_STREQ(out, "");
  EXPECT_FALSE(qm::ComposeDataPath(out, "", qm::kScheduleFileName));
  EXPECT_FALSE(qm::ComposeJobFilePath(out, nullptr, "job", qm::kRecordFileName));
  EXPECT_STREQ(out, "");
}

int g_data_directory_calls = 0;
const char* g_data_directory = "";
const char* CountedDataDirectory() {
  ++g_data_directory_calls;
  return g_data_directory;
}

struct InteractiveCase {
  const char* data_directory;
  const char* schedule_file;
};

void PrintTo(const InteractiveCase& c, std::ostream* out) {
  *out << qm_test::PrintableText(c.data_directory);
}

class InteractivePaths : public testing::TestWithParam<InteractiveCase> {};

TEST_P(InteractivePaths, BuildsTheCompanionsAndTheScheduleFile) {
  g_data_directory_calls = 0;
  g_data_directory = GetParam().data_directory;
  qm::ProgramPaths paths;
  qm::BuildPlayerPath(paths, "C:\\Apps\\Q\\");
  qm::BuildInteractivePaths(paths, "C:\\Apps\\Q\\", &CountedDataDirectory);
  EXPECT_STREQ(paths.player, "C:\\Apps\\Q\\ReplayRunner.exe");
  EXPECT_STREQ(paths.wake_keeper, "C:\\Apps\\Q\\WakeKeeper.exe");
  EXPECT_STREQ(paths.recorder, "C:\\Apps\\Q\\InputStudio.exe");
  EXPECT_STREQ(paths.schedule_file, GetParam().schedule_file);
  EXPECT_EQ(g_data_directory_calls, 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, InteractivePaths,
                         testing::Values(InteractiveCase{kData,
                                                         "C:\\ProgramData\\Tallowgate\\Quillmere"
                                                         "\\ExecTime.def"},
                                         InteractiveCase{"", ""}));

TEST(ProgramPathsTest, AnUnavailableExecutableDirectoryLeavesThePathsEmpty) {
  g_data_directory = kData;
  qm::ProgramPaths paths;
  qm::BuildPlayerPath(paths, "");
  qm::BuildInteractivePaths(paths, "", &CountedDataDirectory);
  EXPECT_STREQ(paths.player, "");
  EXPECT_STREQ(paths.wake_keeper, "");
  EXPECT_STREQ(paths.recorder, "");
  EXPECT_STREQ(paths.schedule_file, "C:\\ProgramData\\Tallowgate\\Quillmere\\ExecTime.def");
}

}  // namespace
