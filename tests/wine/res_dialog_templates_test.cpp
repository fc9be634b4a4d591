// The dialog templates carry exactly the layout of the three dialogs: every
// control's id, class, text, style, extended style and position.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/wine/res_dialog_template.h"

namespace {

using qm::test::DialogItem;
using qm::test::DialogTemplate;
using qm::test::LoadDialogTemplate;

constexpr uint32_t kUnnamed = 0xFFFFFFFF;  // id -1

struct ExpectedItem {
  uint32_t id;
  const wchar_t* className;
  const wchar_t* text;  // nullptr: the text is icon ordinal IDR_MAINFRAME
  uint32_t style, exStyle;
  int x, y, cx, cy;
};

struct ExpectedDialog {
  int id;
  const wchar_t* title;
  uint32_t style, exStyle;
  int cx, cy;
  int pointSize, weight, italic, charset;
  const wchar_t* typeface;
  std::vector<ExpectedItem> items;
};

const std::vector<ExpectedDialog>& Dialogs() {
  static const std::vector<ExpectedDialog> dialogs = {
      {IDD_QUILLMERECONTROL_DIALOG, L"業務自動運用支援システム　【クイルミア】", 0x90CA00CA, 0x00040028, 314, 310,
       9, 0, 0, 1, L"MS Shell Dlg",
       {
           {IDC_JOB_LIST, L"SysListView32", L"", 0x50818805, 0x00000201, 2, 1, 309, 239},
           {kUnnamed, L"Static", L"No", 0x50820201, 0, 7, 247, 16, 11},
           {IDC_JOB_NO_EDIT, L"Edit", L"", 0x50802881, 0, 7, 259, 16, 12},
           {kUnnamed, L"Static", L"\u3000実行する処理の作業名", 0x50820200, 0, 25, 247, 175, 11},
           {IDC_JOB_NAME_EDIT, L"Edit", L"", 0x50810080, 0, 25, 259, 175, 12},
           {kUnnamed, L"Static", L"開始時刻", 0x50820201, 0, 203, 247, 40, 11},
           {IDC_HOUR_EDIT, L"Edit", L"", 0x50812081, 0, 203, 259, 18, 12},
           {IDC_TIME_COLON, L"Static", L"\uFF1A", 0x50020201, 0, 221, 259, 8, 11},
           {IDC_MINUTE_EDIT, L"Edit", L"", 0x50812081, 0, 227, 259, 16, 12},
           {IDC_ARM_BUTTON, L"Button", L"開始", 0x50010000, 0, 245, 247, 23, 23},
           {IDC_DISARM_BUTTON, L"Button", L"停止", 0x50010000, 0, 270, 247, 23, 23},
           {IDC_ANIMATION, L"SysAnimate32", L"", 0x50010000, 0, 295, 251, 18, 17},
           {IDC_ADD_BUTTON, L"Button", L"作業の追加", 0x5001000B, 0, 6, 278, 54, 18},
           {IDC_RENAME_BUTTON, L"Button", L"作業名の更新", 0x5001000B, 0, 64, 278, 54, 18},
           {IDC_RUN_BUTTON, L"Button", L"作業の実行", 0x5001000B, 0x00020200, 121, 277, 60, 21},
           {IDC_DETAILS_BUTTON, L"Button", L"作業の詳細", 0x5001000B, 0, 184, 278, 56, 18},
           {IDC_TRAY_BUTTON, L"Button", L"タスクトレイ", 0x5001200B, 0, 251, 278, 37, 18},
           {IDC_EXIT_BUTTON, L"Button", L"終了", 0x5001000B, 0, 288, 278, 23, 18},
           {kUnnamed, L"Button", L"", 0x50000007, 0, 2, 239, 309, 36},
       }},
      {IDD_ABOUTBOX, L"Quillmereについて", 0x80C800C0, 0, 170, 62, 9, 0, 0, 1, L"MS UI Gothic",
       {
           {kUnnamed, L"Static", nullptr, 0x50000003, 0, 14, 14, 20, 20},
           {kUnnamed, L"Static", L"Quillmere、バージョン 2.0", 0x50020080, 0, 42, 14, 114, 8},
           {kUnnamed, L"Static", L"(C) 2026 Tallowgate", 0x50020000, 0, 42, 26, 114, 8},
           {kUnnamed, L"Static", L"https://www.example.com/quillmere/", 0x50020000, 0, 11, 42, 152, 9},
           {IDOK, L"Button", L"OK", 0x50030001, 0, 147, 9, 23, 23},
       }},
      {IDD_POPUP_MESSAGE, L"", 0x80080040, 0, 276, 56, 12, 400, 0, 128, L"ＭＳ 明朝",
       {
           {IDC_POPUP_JOB_LINE, L"Edit", L"", 0x50810084, 0, 0, 0, 225, 12},
           {kUnnamed, L"Static", L"\u3000あと１分で予定した作業が自動実行されます。", 0x50020200, 0, 0, 13, 225, 10},
           {kUnnamed, L"Static", L"\u3000キーボードとマウスの操作を止めてお待ちください。", 0x50020200, 0, 0, 23, 225, 10},
           {kUnnamed, L"Static", L"\u3000※作業を停止する場合は「実行停止」ボタンをクリックします。", 0x50020200, 0, 0, 33,
            276, 10},
           {IDC_POPUP_PROGRESS, L"msctls_progress32", L"", 0x50000001, 0x00000200, 0, 47, 276, 8},
           {IDC_POPUP_STOP_BUTTON, L"Button", L"実行停止", 0x5001000B, 0, 225, 0, 51, 32},
       }},
  };
  return dialogs;
}

// Window classes are matched without regard to case, and the resource
// compiler stores the names of the common controls in capitals.
bool SameClass(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

std::wstring Describe(uint32_t id) { return id == kUnnamed ? L"-1" : std::to_wstring(id); }

TEST(DialogTemplates, MatchTheLayoutTables) {
  for (const ExpectedDialog& want : Dialogs()) {
    SCOPED_TRACE("template " + std::to_string(want.id));
    const auto got = LoadDialogTemplate(GetModuleHandleW(nullptr), want.id);
    ASSERT_TRUE(got) << "missing or not an extended template";
    EXPECT_EQ(got->title, want.title);
    EXPECT_EQ(got->style, want.style);
    EXPECT_EQ(got->exStyle, want.exStyle);
    EXPECT_EQ(got->x, 0);
    EXPECT_EQ(got->y, 0);
    EXPECT_EQ(got->cx, want.cx);
    EXPECT_EQ(got->cy, want.cy);
    EXPECT_EQ(got->pointSize, want.pointSize);
    EXPECT_EQ(got->weight, want.weight);
    EXPECT_EQ(got->italic, want.italic);
    EXPECT_EQ(got->charset, want.charset);
    EXPECT_EQ(got->typeface, want.typeface);
    ASSERT_EQ(got->items.size(), want.items.size());
    for (size_t i = 0; i < want.items.size(); ++i) {
      const ExpectedItem& w = want.items[i];
      const DialogItem& g = got->items[i];
      SCOPED_TRACE(L"control " + std::to_wstring(i + 1) + L", id " + Describe(w.id));
      EXPECT_EQ(g.id, w.id);
      EXPECT_TRUE(SameClass(g.className, w.className)) << "class " << testing::PrintToString(g.className);
      if (w.text) {
        EXPECT_EQ(g.text.ordinal, -1);
        EXPECT_EQ(g.text.name, w.text);
      } else {
        EXPECT_EQ(g.text.ordinal, IDR_MAINFRAME);
      }
      EXPECT_EQ(g.style, w.style);
      EXPECT_EQ(g.exStyle, w.exStyle);
      EXPECT_EQ(g.x, w.x);
      EXPECT_EQ(g.y, w.y);
      EXPECT_EQ(g.cx, w.cx);
      EXPECT_EQ(g.cy, w.cy);
    }
  }
}

INT_PTR CALLBACK QuietDialogProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

// The templates create real dialogs: every control's class is registered
// (under its proper name), ids and texts arrive, and the About box finds its icon.
TEST(DialogTemplates, CreateTheirControls) {
  const INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_LISTVIEW_CLASSES | ICC_ANIMATE_CLASS | ICC_PROGRESS_CLASS};
  ASSERT_TRUE(InitCommonControlsEx(&classes));
  for (const ExpectedDialog& want : Dialogs()) {
    SCOPED_TRACE("template " + std::to_string(want.id));
    HWND dialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(want.id), nullptr,
                                     QuietDialogProc, 0);
    ASSERT_TRUE(dialog) << "error " << GetLastError();
    wchar_t text[256] = {};
    GetWindowTextW(dialog, text, 256);
    EXPECT_STREQ(text, want.title);
    size_t index = 0;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT), ++index) {
      ASSERT_LT(index, want.items.size());
      const ExpectedItem& w = want.items[index];
      SCOPED_TRACE(L"control " + std::to_wstring(index + 1));
      wchar_t className[64] = {};
      GetClassNameW(child, className, 64);
      EXPECT_STREQ(className, w.className);
      EXPECT_EQ(static_cast<uint32_t>(GetWindowLongPtrW(child, GWLP_ID)), w.id);
      if (w.text) {
        GetWindowTextW(child, text, 256);
        EXPECT_STREQ(text, w.text);
      } else {
        EXPECT_TRUE(SendMessageW(child, STM_GETICON, 0, 0)) << "icon 128 not found";
      }
    }
    EXPECT_EQ(index, want.items.size());
    DestroyWindow(dialog);
  }
}

}  // namespace
