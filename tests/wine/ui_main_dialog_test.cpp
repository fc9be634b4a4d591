#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "framework/cp932_text.h"
#include "res/resource.h"
#include "tests/wine/ui_dialog_fixture.h"

namespace qm_test {
namespace {

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = L"";
  ::GetClassNameW(window, name, 64);
  return name;
}

LONG StyleOf(HWND window) { return static_cast<LONG>(::GetWindowLongPtrW(window, GWL_STYLE)); }
LONG ExStyleOf(HWND window) { return static_cast<LONG>(::GetWindowLongPtrW(window, GWL_EXSTYLE)); }

TEST_F(MainDialogTest, ControlsStandInTemplateOrderWithTheirClassesAndStyles) {
  struct {
    int id;
    const wchar_t* class_name;
    LONG style;
    const wchar_t* text;
  } expected[] = {
      {IDC_JOB_LIST, L"SysListView32", 0x50818805, L""},
      {-1, L"Static", 0x50820201, L"No"},
      {IDC_JOB_NO_EDIT, L"Edit", 0x50802881, L""},
      {-1, L"Static", 0x50820200, L"\u3000\u5B9F\u884C\u3059\u308B\u51E6\u7406\u306E\u4F5C\u696D\u540D"},
      {IDC_JOB_NAME_EDIT, L"Edit", 0x50810080, L""},
      {-1, L"Static", 0x50820201, L"\u958B\u59CB\u6642\u523B"},
      {IDC_HOUR_EDIT, L"Edit", 0x50812081, L""},
      {IDC_TIME_COLON, L"Static", 0x50020201, L"\uFF1A"},
      {IDC_MINUTE_EDIT, L"Edit", 0x50812081, L""},
      {IDC_ARM_BUTTON, L"Button", 0x50010000, L"\u958B\u59CB"},
      {IDC_DISARM_BUTTON, L"Button", 0x50010000, L"\u505C\u6B62"},
      {IDC_ANIMATION, L"SysAnimate32", 0x50010000, L""},
      {IDC_ADD_BUTTON, L"Button", 0x5001000B, L"\u4F5C\u696D\u306E\u8FFD\u52A0"},
      {IDC_RENAME_BUTTON, L"Button", 0x5001000B, L"\u4F5C\u696D\u540D\u306E\u66F4\u65B0"},
      {IDC_RUN_BUTTON, L"Button", 0x5001000B, L"\u4F5C\u696D\u306E\u5B9F\u884C"},
      {IDC_DETAILS_BUTTON, L"Button", 0x5001000B, L"\u4F5C\u696D\u306E\u8A73\u7D30"},
      {IDC_TRAY_BUTTON, L"Button", 0x5001200B, L"\u30BF\u30B9\u30AF\u30C8\u30EC\u30A4"},
      {IDC_EXIT_BUTTON, L"Button", 0x5001000B, L"\u7D42\u4E86"},
      {-1, L"Button", 0x50000007, L""},
  };
  // Visibility and enabling change during initialisation; they are checked on their own.
  const LONG kStateBits = WS_VISIBLE | WS_DISABLED;
  HWND child = ::GetWindow(dialog_->m_hWnd, GW_CHILD);
  for (const auto& control : expected) {
    while (child != nullptr && ::GetDlgCtrlID(child) == static_cast<int>(IDC_STATUS_BAR)) {
      child = ::GetWindow(child, GW_HWNDNEXT);
    }
    ASSERT_NE(child, nullptr) << control.id;
    EXPECT_EQ(::GetDlgCtrlID(child), control.id);
    EXPECT_EQ(_wcsicmp(ClassOf(child).c_str(), control.class_name), 0) << control.id;
    // The dialog manager may draw a control's border as a sunken client edge instead.
    EXPECT_EQ(StyleOf(child) & ~(kStateBits | WS_BORDER), control.style & ~(kStateBits | WS_BORDER))
        << control.id << std::hex << " style " << StyleOf(child);
    if (control.style & WS_BORDER) {
      EXPECT_TRUE((StyleOf(child) & WS_BORDER) || (ExStyleOf(child) & WS_EX_CLIENTEDGE)) << control.id;
    }
    wchar_t text[64] = L"";
    ::GetWindowTextW(child, text, 64);
    if (control.id != IDC_JOB_LIST && control.id != IDC_ANIMATION) {
      EXPECT_STREQ(text, control.text) << control.id;
    }
    child = ::GetWindow(child, GW_HWNDNEXT);
  }
  EXPECT_EQ(ExStyleOf(Item(IDC_JOB_LIST)) & 0x00000201, 0x00000201);
  EXPECT_EQ(ExStyleOf(Item(IDC_RUN_BUTTON)) & 0x00020200, 0x00020200);
  EXPECT_EQ(ExStyleOf(dialog_->m_hWnd) & WS_EX_TOPMOST, WS_EX_TOPMOST);
  wchar_t caption[64] = L"";
  ::GetWindowTextW(dialog_->m_hWnd, caption, 64);
  EXPECT_EQ(qm::Cp932FromWide(caption), "業務自動運用支援システム　【クイルミア】");
}

TEST_F(MainDialogTest, AfterInitialisationEditsAreDisabledAndSelectionButtonsHidden) {
  for (int id : {IDC_JOB_NO_EDIT, IDC_JOB_NAME_EDIT, IDC_HOUR_EDIT, IDC_MINUTE_EDIT}) {
    EXPECT_FALSE(::IsWindowEnabled(Item(id))) << id;
    EXPECT_EQ(::GetWindowTextLengthW(Item(id)), 0) << id;
  }
  for (int id : {IDC_RENAME_BUTTON, IDC_RUN_BUTTON, IDC_DETAILS_BUTTON}) {
    EXPECT_FALSE(::IsWindowVisible(Item(id))) << id;
  }
  for (int id : {IDC_ADD_BUTTON, IDC_TRAY_BUTTON, IDC_EXIT_BUTTON, IDC_ARM_BUTTON,
                 IDC_DISARM_BUTTON, IDC_JOB_LIST, IDC_ANIMATION}) {
    EXPECT_TRUE(::IsWindowVisible(Item(id))) << id;
    EXPECT_TRUE(::IsWindowEnabled(Item(id))) << id;
  }
  EXPECT_EQ(::GetFocus(), Item(IDC_JOB_LIST));
}

TEST_F(MainDialogTest, EditsTakeTheirTextLimits) {
  EXPECT_EQ(::SendMessageW(Item(IDC_JOB_NAME_EDIT), EM_GETLIMITTEXT, 0, 0), 260);
  EXPECT_EQ(::SendMessageW(Item(IDC_HOUR_EDIT), EM_GETLIMITTEXT, 0, 0), 3);
  EXPECT_EQ(::SendMessageW(Item(IDC_MINUTE_EDIT), EM_GETLIMITTEXT, 0, 0), 2);
}

TEST_F(MainDialogTest, TableIsFilledByScanThenScheduleThenRemainingTimes) {
  ASSERT_EQ(dialog_->m_JobList.GetItemCount(), 3);
  for (int row = 0; row < 3; ++row) EXPECT_EQ(Cell(row, 0), std::to_string(row + 1));
  const int armed = RowOf("jobB");
  const int disarmed = RowOf("ジョブA");
  const int unscheduled = RowOf("jobC");
  ASSERT_GE(armed, 0);
  ASSERT_GE(disarmed, 0);
  ASSERT_GE(unscheduled, 0);
  // The remaining time needs the loaded start time and state: 09:00 to 09:30.
  EXPECT_EQ(Cell(armed, 2), "09:30");
  EXPECT_EQ(Cell(armed, 3), "00:30");
  EXPECT_EQ(Cell(armed, 4), "開始");
  EXPECT_EQ(Cell(disarmed, 2), "10:00");
  EXPECT_EQ(Cell(disarmed, 3), "");
  EXPECT_EQ(Cell(disarmed, 4), "停止");
  for (int column = 2; column <= 4; ++column) EXPECT_EQ(Cell(unscheduled, column), "");
}

TEST_F(MainDialogTest, ListHasFiveColumnsSizedFromItsOuterWidthAndItsExtraStyles) {
  RECT outer;
  ::GetWindowRect(Item(IDC_JOB_LIST), &outer);
  const float width = static_cast<float>(outer.right - outer.left);
  const float fractions[] = {0.06f, 0.55f, 0.13f, 0.13f, 0.10f};
  for (int column = 0; column < 5; ++column) {
    const float product = width * fractions[column];
    EXPECT_EQ(dialog_->m_JobList.GetColumnWidth(column), static_cast<int>(product)) << column;
  }
  HWND header = reinterpret_cast<HWND>(::SendMessageW(Item(IDC_JOB_LIST), LVM_GETHEADER, 0, 0));
  EXPECT_EQ(::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 5);
  const DWORD extended = dialog_->m_JobList.GetExtendedStyle();
  EXPECT_EQ(extended & (LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT),
            static_cast<DWORD>(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT));
}

TEST_F(MainDialogTest, StatusBarTakesTheBottomWithBannerAndAThirdWideClockPane) {
  HWND bar = Item(IDC_STATUS_BAR);
  ASSERT_NE(bar, nullptr);
  RECT window, client, bar_rect;
  ::GetWindowRect(dialog_->m_hWnd, &window);
  ::GetClientRect(dialog_->m_hWnd, &client);
  ::GetWindowRect(bar, &bar_rect);
  ::MapWindowPoints(nullptr, dialog_->m_hWnd, reinterpret_cast<POINT*>(&bar_rect), 2);
  EXPECT_EQ(bar_rect.bottom, client.bottom);
  EXPECT_EQ(bar_rect.left, 0);
  EXPECT_EQ(bar_rect.right, client.right);

  ASSERT_EQ(::SendMessageW(bar, SB_GETPARTS, 0, 0), 2);
  int edges[2] = {};
  ::SendMessageW(bar, SB_GETPARTS, 2, reinterpret_cast<LPARAM>(edges));
  RECT bar_client;
  ::GetClientRect(bar, &bar_client);
  const int clock_width = (window.right - window.left) / 3;
  EXPECT_EQ(edges[1] - edges[0], clock_width);
  EXPECT_EQ(edges[0], bar_client.right - clock_width);

  wchar_t banner[128] = L"";
  ::SendMessageW(bar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(banner));
  EXPECT_EQ(qm::Cp932FromWide(banner), "　Tallowgate　https://www.example.com/quillmere/");
  EXPECT_EQ(LOWORD(::SendMessageW(bar, SB_GETTEXTLENGTHW, 1, 0)), 0);
}

TEST_F(MainDialogTest, ControlColoursFollowKindAndControl) {
  HWND no_label = ::GetWindow(Item(IDC_JOB_LIST), GW_HWNDNEXT);
  HWND group_box = ::GetWindow(Item(IDC_EXIT_BUTTON), GW_HWNDNEXT);
  struct {
    const char* what;
    UINT message;
    HWND control;
    HBRUSH brush;
    COLORREF text;
  } cases[] = {
      {"label", WM_CTLCOLORSTATIC, no_label, g_BlackBrush, RGB(0, 255, 0)},
      {"group box", WM_CTLCOLORSTATIC, group_box, g_BlackBrush, RGB(0, 255, 0)},
      {"disabled edit", WM_CTLCOLORSTATIC, Item(IDC_JOB_NAME_EDIT), g_WhiteBrush, RGB(0, 0, 0)},
      {"read-only number edit", WM_CTLCOLORSTATIC, Item(IDC_JOB_NO_EDIT), g_WhiteBrush, RGB(0, 0, 0)},
      {"colon", WM_CTLCOLORSTATIC, Item(IDC_TIME_COLON), g_WhiteBrush, RGB(0, 0, 0)},
      {"writable edit", WM_CTLCOLOREDIT, Item(IDC_HOUR_EDIT), g_WhiteBrush, RGB(0, 0, 0)},
  };
  HDC dc = ::CreateCompatibleDC(nullptr);
  for (const auto& c : cases) {
    ::SetTextColor(dc, RGB(1, 2, 3));
    ::SetBkMode(dc, OPAQUE);
    const LRESULT brush = ::SendMessageW(dialog_->m_hWnd, c.message, reinterpret_cast<WPARAM>(dc),
                                         reinterpret_cast<LPARAM>(c.control));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), c.brush) << c.what;
    EXPECT_EQ(::GetTextColor(dc), c.text) << c.what;
    EXPECT_EQ(::GetBkMode(dc), TRANSPARENT) << c.what;
  }
  // The dialog's background is white; its text colour is left alone.
  ::SetTextColor(dc, RGB(1, 2, 3));
  EXPECT_EQ(reinterpret_cast<HBRUSH>(::SendMessageW(dialog_->m_hWnd, WM_CTLCOLORDLG,
                                                    reinterpret_cast<WPARAM>(dc),
                                                    reinterpret_cast<LPARAM>(dialog_->m_hWnd))),
            static_cast<HBRUSH>(g_WhiteBrush));
  EXPECT_EQ(::GetTextColor(dc), RGB(1, 2, 3));
  // Other kinds keep what the dialog manager gives them.
  const LRESULT button = ::SendMessageW(dialog_->m_hWnd, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc),
                                        reinterpret_cast<LPARAM>(Item(IDC_ARM_BUTTON)));
  EXPECT_NE(reinterpret_cast<HBRUSH>(button), static_cast<HBRUSH>(g_WhiteBrush));
  EXPECT_NE(reinterpret_cast<HBRUSH>(button), static_cast<HBRUSH>(g_BlackBrush));
  ::DeleteDC(dc);
}

TEST_F(MainDialogTest, DragIconIsTheApplicationIcon) {
  ASSERT_NE(dialog_->m_hIcon, nullptr);
  EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageW(dialog_->m_hWnd, WM_QUERYDRAGICON, 0, 0)),
            dialog_->m_hIcon);
  EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageW(dialog_->m_hWnd, WM_GETICON, ICON_BIG, 0)),
            dialog_->m_hIcon);
}

TEST_F(MainDialogTest, TimerDispatchKillsTheTimerThatFiredAndRepeatingCasesRearm) {
  HWND dialog = dialog_->m_hWnd;
  struct {
    UINT_PTR id;
    bool rearmed;
  } cases[] = {{999, true}, {888, true}, {777, false}, {666, false}, {555, false}, {123, false}};
  for (const auto& c : cases) {
    ::SetTimer(dialog, c.id, 100000, nullptr);
    ::SendMessageW(dialog, WM_TIMER, c.id, 0);
    // KillTimer succeeds only on a timer that is still armed.
    EXPECT_EQ(::KillTimer(dialog, c.id) != FALSE, c.rearmed) << c.id;
  }
  ::SetTimer(dialog, 999, 1000, nullptr);
  ::SetTimer(dialog, 888, 60000, nullptr);
}

TEST_F(MainDialogTest, RefreshAndClockTicksWriteTheTableAndTheClockPane) {
  const int armed = RowOf("jobB");
  dialog_->m_JobList.SetItemText(armed, 3, "");
  ::SendMessageW(dialog_->m_hWnd, WM_TIMER, 888, 0);
  EXPECT_EQ(Cell(armed, 3), "00:30");

  ::SendMessageW(dialog_->m_hWnd, WM_TIMER, 999, 0);
  wchar_t clock[128] = L"";
  ::SendMessageW(Item(IDC_STATUS_BAR), SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(clock));
  EXPECT_EQ(qm::Cp932FromWide(clock), " 2024/05/01 水 09:00:15");
}

TEST_F(MainDialogTest, CommandButtonsRebindToEachNewDialog) {
  EXPECT_EQ(g_AddButton.m_hWnd, Item(IDC_ADD_BUTTON));
  dialog_->DestroyWindow();
  PumpMessages();
  EXPECT_EQ(g_AddButton.m_hWnd, nullptr);
  EXPECT_EQ(dialog_->m_JobList.m_hWnd, nullptr);
  ASSERT_TRUE(dialog_->Create());
  PumpMessages();
  EXPECT_EQ(g_AddButton.m_hWnd, Item(IDC_ADD_BUTTON));
  EXPECT_EQ(g_ExitButton.m_hWnd, Item(IDC_EXIT_BUTTON));
  EXPECT_EQ(dialog_->m_JobList.GetItemCount(), 3);
}

}  // namespace
}  // namespace qm_test
