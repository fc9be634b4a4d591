#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which they need.
#include <aclapi.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "app/data_directory.h"
#include "framework/cp932_text.h"
#include "tests/wine/shell_test_support.h"

namespace {

using shell_test::Exists;
using shell_test::ScopedProgramData;
using shell_test::TempFolder;

const wchar_t kTail[] = L"\\Tallowgate\\Quillmere";

std::wstring DataDirectory() { return qm::WideFromCp932(qm::GetDataDirectory()); }

std::vector<BYTE> WellKnownSid(WELL_KNOWN_SID_TYPE type) {
  std::vector<BYTE> sid(SECURITY_MAX_SID_SIZE);
  DWORD size = static_cast<DWORD>(sid.size());
  CreateWellKnownSid(type, nullptr, sid.data(), &size);
  return sid;
}

// The folder's access list as (identifier, flags, mask) entries; false when
// it cannot be read.
struct Entry {
  std::vector<BYTE> sid;
  BYTE type;
  BYTE flags;
  ACCESS_MASK mask;
};

bool ReadDacl(const std::wstring& path, std::vector<Entry>* entries) {
  entries->clear();
  DWORD needed = 0;
  GetFileSecurityW(path.c_str(), DACL_SECURITY_INFORMATION, nullptr, 0, &needed);
  if (needed == 0) return false;
  std::vector<BYTE> buffer(needed);
  if (!GetFileSecurityW(path.c_str(), DACL_SECURITY_INFORMATION, buffer.data(), needed, &needed)) {
    return false;
  }
  BOOL present = FALSE, defaulted = FALSE;
  PACL acl = nullptr;
  if (!GetSecurityDescriptorDacl(buffer.data(), &present, &acl, &defaulted) || !present || !acl) {
    return false;
  }
  for (DWORD i = 0; i < acl->AceCount; ++i) {
    ACCESS_ALLOWED_ACE* ace = nullptr;
    if (!GetAce(acl, i, reinterpret_cast<void**>(&ace))) return false;
    PSID sid = &ace->SidStart;
    const BYTE* bytes = static_cast<const BYTE*>(sid);
    entries->push_back(Entry{std::vector<BYTE>(bytes, bytes + GetLengthSid(sid)),
                             ace->Header.AceType, ace->Header.AceFlags, ace->Mask});
  }
  return true;
}

bool SetSingleEntryDacl(const std::wstring& path, WELL_KNOWN_SID_TYPE who, ACCESS_MASK mask) {
  std::vector<BYTE> sid = WellKnownSid(who);
  alignas(DWORD) BYTE acl_buffer[1024];
  PACL acl = reinterpret_cast<PACL>(acl_buffer);
  SECURITY_DESCRIPTOR descriptor;
  return InitializeAcl(acl, sizeof(acl_buffer), ACL_REVISION) &&
         AddAccessAllowedAceEx(acl, ACL_REVISION, 0, mask, sid.data()) &&
         InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION) &&
         SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE) &&
         SetFileSecurityW(path.c_str(), DACL_SECURITY_INFORMATION, &descriptor);
}

bool HasOnlyEntryFor(const std::wstring& path, WELL_KNOWN_SID_TYPE who) {
  std::vector<Entry> entries;
  const std::vector<BYTE> sid = WellKnownSid(who);
  return ReadDacl(path, &entries) && entries.size() == 1 &&
         EqualSid(const_cast<BYTE*>(entries[0].sid.data()), const_cast<BYTE*>(sid.data()));
}

// Wine keeps access lists only where the Linux file system has extended
// attributes; a permission test needs one that reads back.
bool DaclsReadBack(const TempFolder& temp) {
  const std::wstring probe = temp.Sub(L"probe");
  CreateDirectoryW(probe.c_str(), nullptr);
  return SetSingleEntryDacl(probe, WinBuiltinUsersSid, FILE_GENERIC_READ) &&
         HasOnlyEntryFor(probe, WinBuiltinUsersSid);
}

const char kNoDacls[] =
    "access lists do not read back here (no extended attributes on the file system under the "
    "Wine prefix)";

struct WalkCase {
  const char* name;
  std::vector<std::wstring> present;  // created before, under the ProgramData folder
  const wchar_t* program_data;        // under the temp folder
};

class DataDirectoryWalk : public testing::TestWithParam<WalkCase> {};

TEST_P(DataDirectoryWalk, CreatesTheMissingFolders) {
  TempFolder temp;
  const std::wstring root =
      temp.Sub(shell_test::FileNameForThisLocale(temp, GetParam().program_data, L"pd"));
  CreateDirectoryW(root.c_str(), nullptr);
  std::wstring base = root;
  if (!base.empty() && base.back() == L'\\') base.pop_back();
  for (const std::wstring& folder : GetParam().present) {
    CreateDirectoryW((base + folder).c_str(), nullptr);
  }
  ScopedProgramData program_data(root.c_str());

  EXPECT_EQ(DataDirectory(), base + kTail);
  DWORD attributes = GetFileAttributesW((base + kTail).c_str());
  ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DataDirectoryWalk,
    testing::Values(WalkCase{"MakerMissing", {}, L"pd"},
                    WalkCase{"ProductMissing", {L"\\Tallowgate"}, L"pd"},
                    WalkCase{"TrailingBackslash", {}, L"pd\\"},
                    WalkCase{"JapaneseFolder", {}, L"\u30C7\u30FC\u30BF\u8868"}),
    [](const testing::TestParamInfo<WalkCase>& info) { return std::string(info.param.name); });

TEST(DataDirectory, ExistingFolderIsReturnedUntouched) {
  TempFolder temp;
  const std::wstring data = temp.path() + kTail;
  CreateDirectoryW(temp.Sub(L"Tallowgate").c_str(), nullptr);
  CreateDirectoryW(data.c_str(), nullptr);
  const bool dacls = DaclsReadBack(temp);
  if (dacls) {
    ASSERT_TRUE(SetSingleEntryDacl(data, WinBuiltinUsersSid, FILE_ALL_ACCESS));
  }
  ScopedProgramData program_data(temp.path().c_str());

  EXPECT_EQ(DataDirectory(), data);
  if (!dacls) GTEST_SKIP() << "folder returned; permissions not checked: " << kNoDacls;
  EXPECT_TRUE(HasOnlyEntryFor(data, WinBuiltinUsersSid)) << "its permissions were changed";
}

TEST(DataDirectory, CreatedFolderGivesEveryoneOneInheritableFullAccessEntry) {
  TempFolder temp;
  if (!DaclsReadBack(temp)) GTEST_SKIP() << kNoDacls;
  ScopedProgramData program_data(temp.path().c_str());
  const std::wstring data = DataDirectory();
  ASSERT_EQ(data, temp.path() + kTail);

  std::vector<Entry> entries;
  ASSERT_TRUE(ReadDacl(data, &entries));
  ASSERT_EQ(entries.size(), 1u);
  const std::vector<BYTE> everyone = WellKnownSid(WinWorldSid);
  EXPECT_TRUE(EqualSid(entries[0].sid.data(), const_cast<BYTE*>(everyone.data())));
  EXPECT_EQ(entries[0].type, ACCESS_ALLOWED_ACE_TYPE);
  EXPECT_EQ(entries[0].flags & (OBJECT_INHERIT_ACE | CONTAINER_INHERIT_ACE),
            OBJECT_INHERIT_ACE | CONTAINER_INHERIT_ACE);
  EXPECT_TRUE(entries[0].mask == GENERIC_ALL || entries[0].mask == FILE_ALL_ACCESS)
      << std::hex << entries[0].mask;
}

TEST(DataDirectory, MissingDriveGivesThePathAndCreatesNothing) {
  const DWORD drives = GetLogicalDrives();
  wchar_t letter = 0;
  for (wchar_t candidate = L'Q'; candidate <= L'Y' && letter == 0; ++candidate) {
    if ((drives & (1u << (candidate - L'A'))) == 0) letter = candidate;
  }
  ASSERT_NE(letter, 0) << "no free drive letter to test with";
  const std::wstring root = std::wstring(1, letter) + L":\\ProgramData";
  ScopedProgramData program_data(root.c_str());
  EXPECT_EQ(DataDirectory(), root + kTail);
  EXPECT_FALSE(Exists(root + kTail));
}

std::wstring CommonAppData() {
  wchar_t folder[MAX_PATH];
  if (FAILED(
          SHGetFolderPathW(nullptr, CSIDL_COMMON_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder))) {
    return std::wstring();
  }
  return folder;
}

TEST(DataDirectory, UnsetOrEmptyProgramDataFallsBackToCommonApplicationData) {
  const std::wstring common = CommonAppData();
  ASSERT_FALSE(common.empty());
  const wchar_t* values[] = {nullptr, L""};
  for (const wchar_t* value : values) {
    ScopedProgramData program_data(value);
    std::wstring expected = common;
    if (expected.back() == L'\\') expected.pop_back();
    EXPECT_EQ(DataDirectory(), expected + kTail) << (value ? "empty" : "unset");
    EXPECT_TRUE(Exists(expected + kTail));
  }
}

TEST(DataDirectory, AFolderNameWithoutACodePage932FormIsUnavailable) {
  // é has no code page 932 code; a best-fit "e" would name another folder.
  TempFolder temp;
  const std::wstring root = temp.Sub(L"caf\u00E9");
  CreateDirectoryW(root.c_str(), nullptr);
  ScopedProgramData program_data(root.c_str());
  EXPECT_EQ(DataDirectory(), L"");
  EXPECT_FALSE(Exists(root + L"\\Tallowgate"));
  EXPECT_FALSE(Exists(temp.Sub(L"cafe")));
}

}  // namespace
