// The icon, animation, bitmap, string, manifest and version resources load
// the way the program uses them.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <string_view>

#include "res/resource.h"

namespace {

HINSTANCE Module() { return GetModuleHandleW(nullptr); }

std::string_view ResourceBytes(const wchar_t* type, int id) {
  HRSRC info = FindResourceW(Module(), MAKEINTRESOURCEW(id), type);
  if (!info) return {};
  const void* data = LockResource(LoadResource(Module(), info));
  return {static_cast<const char*>(data), SizeofResource(Module(), info)};
}

#pragma pack(push, 2)
struct GroupIconEntry {
  BYTE width, height, colours, reserved;
  WORD planes, bitCount;
  DWORD bytes;
  WORD iconId;
};
#pragma pack(pop)

TEST(Resources, IconHasEachSizeIn32BitColour) {
  const std::string_view group = ResourceBytes(RT_GROUP_ICON, IDR_MAINFRAME);
  ASSERT_GE(group.size(), 6u);
  const auto count = *reinterpret_cast<const WORD*>(group.data() + 4);
  ASSERT_EQ(group.size(), 6u + count * sizeof(GroupIconEntry));
  const auto* entries = reinterpret_cast<const GroupIconEntry*>(group.data() + 6);
  for (int size : {256, 128, 64, 48, 32, 24, 16}) {
    SCOPED_TRACE(size);
    const GroupIconEntry* entry = nullptr;
    for (int i = 0; i < count; ++i)
      if ((entries[i].width ? entries[i].width : 256) == size) entry = &entries[i];
    ASSERT_TRUE(entry) << "no image of this size";
    EXPECT_EQ(entry->bitCount, 32);
    const std::string_view image = ResourceBytes(RT_ICON, entry->iconId);
    ASSERT_GE(image.size(), sizeof(BITMAPINFOHEADER));
    const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(image.data());
    EXPECT_EQ(header->biWidth, size);
    EXPECT_EQ(header->biBitCount, 32);

    HICON icon = static_cast<HICON>(LoadImageW(Module(), MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON, size, size, 0));
    ASSERT_TRUE(icon);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP colour{};
    ASSERT_TRUE(GetObjectW(info.hbmColor, sizeof(colour), &colour));
    EXPECT_EQ(colour.bmWidth, size);
    EXPECT_EQ(colour.bmHeight, size);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
  }
  EXPECT_TRUE(LoadIconW(Module(), MAKEINTRESOURCEW(IDR_MAINFRAME))) << "as the tray icon loads it";
}

// An animation control like the main dialog's (none of the ACS_ styles).
class AnimationControl : public testing::Test {
 protected:
  void SetUp() override {
    const INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_ANIMATE_CLASS};
    ASSERT_TRUE(InitCommonControlsEx(&classes));
    parent_ = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, Module(), nullptr);
    ASSERT_TRUE(parent_);
    control_ = CreateWindowExW(0, ANIMATE_CLASSW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 27, 28, parent_,
                               reinterpret_cast<HMENU>(IDC_ANIMATION), Module(), nullptr);
    ASSERT_TRUE(control_);
  }
  void TearDown() override {
    if (parent_) DestroyWindow(parent_);
  }
  LRESULT Open(int id) {
    return SendMessageW(control_, ACM_OPENW, reinterpret_cast<WPARAM>(Module()), reinterpret_cast<LPARAM>(MAKEINTRESOURCEW(id)));
  }

  HWND parent_ = nullptr;
  HWND control_ = nullptr;
};

TEST_F(AnimationControl, OpensAndPlaysResource130) {
  ASSERT_TRUE(Open(IDR_TURNING_ANIMATION));
  EXPECT_TRUE(SendMessageW(control_, ACM_PLAY, static_cast<WPARAM>(-1), MAKELPARAM(0, 0xFFFF)));
  EXPECT_TRUE(SendMessageW(control_, ACM_STOP, 0, 0));
  EXPECT_FALSE(Open(IDB_SPLASH)) << "no AVI resource of that id: the check can fail";
}

TEST(Resources, SplashBitmapIs255By255) {
  for (UINT flags : {0u, static_cast<UINT>(LR_CREATEDIBSECTION)}) {
    SCOPED_TRACE(flags);
    HBITMAP bitmap = static_cast<HBITMAP>(LoadImageW(Module(), MAKEINTRESOURCEW(IDB_SPLASH), IMAGE_BITMAP, 0, 0, flags));
    ASSERT_TRUE(bitmap);
    BITMAP info{};
    ASSERT_TRUE(GetObjectW(bitmap, sizeof(info), &info));
    EXPECT_EQ(info.bmWidth, 255);
    EXPECT_EQ(info.bmHeight, 255);
    if (flags) {
      EXPECT_EQ(info.bmBitsPixel, 24);
    }
    DeleteObject(bitmap);
  }
}

TEST(Resources, AboutMenuString) {
  wchar_t text[64] = {};
  ASSERT_GT(LoadStringW(Module(), IDS_ABOUTBOX, text, 64), 0);
  EXPECT_STREQ(text, L"Quillmereについて(&A)...");
}

TEST(Resources, ManifestRunsAsInvokerDpiAwareWithClassicControls) {
  const std::string manifest(ResourceBytes(MAKEINTRESOURCEW(24) /* RT_MANIFEST */, 1));
  ASSERT_FALSE(manifest.empty());
  EXPECT_NE(manifest.find(R"(level="asInvoker")"), std::string::npos);
  EXPECT_NE(manifest.find(R"(WindowsSettings">true</dpiAware>)"), std::string::npos);
  EXPECT_NE(manifest.find("<supportedOS"), std::string::npos);
  EXPECT_EQ(manifest.find("Common-Controls"), std::string::npos) << "no version 6 of the common controls";
  EXPECT_EQ(manifest.find("<dependency"), std::string::npos);
}

TEST(Resources, VersionNamesMakerAndProductInBothBlocks) {
  wchar_t path[MAX_PATH];
  ASSERT_TRUE(GetModuleFileNameW(nullptr, path, MAX_PATH));
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path, &ignored);
  ASSERT_GT(size, 0u);
  std::string block(size, '\0');
  ASSERT_TRUE(GetFileVersionInfoW(path, 0, size, block.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00020000u);
  for (const wchar_t* language : {L"041104b0", L"000004b0"}) {
    for (auto [name, value] : {std::pair{L"CompanyName", L"Tallowgate"}, std::pair{L"ProductName", L"Quillmere"},
                               std::pair{L"ProductVersion", L"2.0"}}) {
      const std::wstring query = std::wstring(L"\\StringFileInfo\\") + language + L"\\" + name;
      SCOPED_TRACE(query);
      wchar_t* text = nullptr;
      ASSERT_TRUE(VerQueryValueW(block.data(), query.c_str(), reinterpret_cast<void**>(&text), &length));
      EXPECT_STREQ(text, value);
    }
  }
}

}  // namespace
