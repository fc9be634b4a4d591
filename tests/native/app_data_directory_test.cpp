#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "app/data_directory_walk.h"
#include "tests/native/printable_text.h"

namespace {

struct ComposeCase {
  const char* program_data;
  const char* data_directory;  // "" when refused
};

void PrintTo(const ComposeCase& c, std::ostream* out) {
  *out << qm_test::PrintableText(c.program_data);
}

class DataDirectoryComposition : public testing::TestWithParam<ComposeCase> {};

TEST_P(DataDirectoryComposition, AddsOneBackslashOnlyWhereNeeded) {
  char out[qm::kPathBufferSize] = "stale";
  const bool composed = qm::ComposeDataDirectory(GetParam().program_data, out);
  EXPECT_EQ(composed, GetParam().data_directory[0] != '\0');
  EXPECT_STREQ(out, GetParam().data_directory);
}

// 表 ends in 5C: its second byte is no backslash, so one is still added.
INSTANTIATE_TEST_SUITE_P(
    Cases, DataDirectoryComposition,
    testing::Values(ComposeCase{"C:\\ProgramData", "C:\\ProgramData\\Tallowgate\\Quillmere"},
                    ComposeCase{"C:\\ProgramData\\", "C:\\ProgramData\\Tallowgate\\Quillmere"},
                    ComposeCase{"C:\\", "C:\\Tallowgate\\Quillmere"},
                    ComposeCase{"C:\\データ表", "C:\\データ表\\Tallowgate\\Quillmere"},
                    ComposeCase{"C:\\表\\", "C:\\表\\Tallowgate\\Quillmere"}, ComposeCase{"", ""},
                    ComposeCase{nullptr, ""}));

TEST(DataDirectoryComposition, RefusesAResultTooLongForAPathBuffer) {
  const std::string suffix = "\\Tallowgate\\Quillmere";
  const std::string longest = "C:\\" + std::string(259 - suffix.size() - 3, 'p');
  char out[qm::kPathBufferSize];
  ASSERT_TRUE(qm::ComposeDataDirectory(longest.c_str(), out));
  EXPECT_EQ(std::string(out).size(), 259u);
  EXPECT_FALSE(qm::ComposeDataDirectory((longest + "p").c_str(), out));
  EXPECT_STREQ(out, "");
}

// A disk of folders: what exists, which creations fail, what was done.
class FakeDisk : public qm::DirectoryFileSystem {
 public:
  std::set<std::string> existing;
  std::set<std::string> drives{"C:"};
  std::set<std::string> refused_creations;
  std::vector<std::string> created;
  std::vector<std::string> granted;

  bool Exists(const char* path) override { return existing.count(path) != 0; }
  bool DriveExists(const char* drive) override { return drives.count(drive) != 0; }
  bool MakeDirectory(const char* path) override {
    if (refused_creations.count(path) != 0 || existing.count(path) != 0) return false;
    existing.insert(path);
    created.push_back(path);
    return true;
  }
  bool GrantEveryoneAccess(const char* path) override {
    granted.push_back(path);
    return true;
  }
};

struct WalkCase {
  const char* name;
  const char* path;
  std::vector<std::string> existing;
  std::vector<std::string> refused;
  qm::WalkOutcome outcome;
  std::vector<std::string> created;
  bool granted;
};

void PrintTo(const WalkCase& c, std::ostream* out) { *out << c.name; }

class CreationWalk : public testing::TestWithParam<WalkCase> {};

TEST_P(CreationWalk, CreatesWhatIsMissingAndGrantsOnlyAfterCreating) {
  const WalkCase& c = GetParam();
  FakeDisk disk;
  disk.existing.insert(c.existing.begin(), c.existing.end());
  disk.refused_creations.insert(c.refused.begin(), c.refused.end());

  EXPECT_EQ(qm::EnsureDataDirectory(c.path, disk), c.outcome);
  EXPECT_EQ(disk.created, c.created);
  EXPECT_EQ(disk.granted,
            c.granted ? std::vector<std::string>{c.path} : std::vector<std::string>{});
}

const char kData[] = "C:\\ProgramData\\Tallowgate\\Quillmere";

INSTANTIATE_TEST_SUITE_P(
    Cases, CreationWalk,
    testing::Values(
        WalkCase{"Present", kData, {kData}, {}, qm::WalkOutcome::kAlreadyPresent, {}, false},
        WalkCase{"ProductMissing",
                 kData,
                 {"C:\\ProgramData", "C:\\ProgramData\\Tallowgate"},
                 {},
                 qm::WalkOutcome::kCreated,
                 {kData},
                 true},
        WalkCase{"MakerMissing",
                 kData,
                 {"C:\\ProgramData"},
                 {},
                 qm::WalkOutcome::kCreated,
                 {"C:\\ProgramData\\Tallowgate", kData},
                 true},
        WalkCase{"DriveMissing",
                 "Q:\\ProgramData\\Tallowgate\\Quillmere",
                 {},
                 {},
                 qm::WalkOutcome::kStopped,
                 {},
                 false},
        WalkCase{"CreationFails",
                 kData,
                 {"C:\\ProgramData"},
                 {"C:\\ProgramData\\Tallowgate"},
                 qm::WalkOutcome::kStopped,
                 {},
                 false},
        WalkCase{"NetworkPath",
                 "\\\\server\\share\\Tallowgate\\Quillmere",
                 {"\\\\server\\share"},
                 {},
                 qm::WalkOutcome::kCreated,
                 {"\\\\server\\share\\Tallowgate", "\\\\server\\share\\Tallowgate\\Quillmere"},
                 true},
        WalkCase{
            "DoubleByteComponent",
            "C:\\データ表\\Tallowgate\\Quillmere",
            {},
            {},
            qm::WalkOutcome::kCreated,
            {"C:\\データ表", "C:\\データ表\\Tallowgate", "C:\\データ表\\Tallowgate\\Quillmere"},
            true}),
    [](const testing::TestParamInfo<WalkCase>& info) { return std::string(info.param.name); });

}  // namespace
