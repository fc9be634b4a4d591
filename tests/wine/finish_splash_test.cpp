// The splash window on its own: what the sequence shows, and that nothing is
// left of it afterwards.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "controls/win/splash_screen.h"
#include "res/resource.h"
#include "tests/wine/finish_support.h"

namespace {

// What a second thread saw of the splash window while the sequence ran on
// the thread under test, which takes no messages meanwhile.
struct Sighting {
  bool seen = false;
  LONG_PTR style = 0;
  LONG_PTR ex_style = 0;
  ULONG_PTR class_style = 0;
  RECT window = {};
  RECT bar = {};  // relative to the window
  bool bar_found = false;
  bool foreground = false;
};

TEST(SplashScreen, ShowsATopmostToolWindowCentredWithItsBarAndLeavesNothingBehind) {
  std::atomic<bool> done{false};
  Sighting sighting;
  std::thread watcher([&] {
    while (!done) {
      HWND splash = finish_test::FindProcessWindow(GetCurrentProcessId(), CSplashScreenEx::kClassName,
                                                   nullptr);
      if (splash != nullptr && !sighting.seen) {
        sighting.style = GetWindowLongPtrW(splash, GWL_STYLE);
        sighting.ex_style = GetWindowLongPtrW(splash, GWL_EXSTYLE);
        sighting.class_style = GetClassLongPtrW(splash, GCL_STYLE);
        GetWindowRect(splash, &sighting.window);
        HWND bar = GetDlgItem(splash, IDC_SPLASH_PROGRESS);
        if (bar != nullptr) {
          sighting.bar_found = true;
          GetWindowRect(bar, &sighting.bar);
          OffsetRect(&sighting.bar, -sighting.window.left, -sighting.window.top);
        }
        sighting.foreground = GetForegroundWindow() == splash;
        sighting.seen = true;
      }
      Sleep(2);
    }
  });
  ShowSplashScreen(nullptr);
  EXPECT_EQ(finish_test::FindProcessWindow(GetCurrentProcessId(), CSplashScreenEx::kClassName, nullptr),
            nullptr)
      << "window left behind";
  Sleep(50);
  done = true;
  watcher.join();

  ASSERT_TRUE(sighting.seen);
  EXPECT_EQ(sighting.style & (WS_POPUP | WS_CAPTION | WS_CHILD), WS_POPUP);
  EXPECT_EQ(sighting.ex_style & 0x88, 0x88) << "topmost tool window";
  EXPECT_EQ(sighting.class_style & 0x0808, 0x0808u);
  EXPECT_FALSE(sighting.foreground) << "the splash took the activation";
  const int x = (GetSystemMetrics(SM_CXFULLSCREEN) - 255) / 2;
  const int y = (GetSystemMetrics(SM_CYFULLSCREEN) - 255) / 2;
  EXPECT_EQ(sighting.window.left, x);
  EXPECT_EQ(sighting.window.top, y);
  EXPECT_EQ(sighting.window.right - sighting.window.left, 255);
  EXPECT_EQ(sighting.window.bottom - sighting.window.top, 255);
  ASSERT_TRUE(sighting.bar_found);
  EXPECT_EQ(sighting.bar.left, 63);
  EXPECT_EQ(sighting.bar.top, 223);
  EXPECT_EQ(sighting.bar.right - sighting.bar.left, 127);
  EXPECT_EQ(sighting.bar.bottom - sighting.bar.top, 15);

  WNDCLASSEXW info{};
  info.cbSize = sizeof info;
  EXPECT_FALSE(GetClassInfoExW(GetModuleHandleW(nullptr), CSplashScreenEx::kClassName, &info))
      << "the class stays registered, and the next splash could not register its own";
}

TEST(SplashScreen, AMissingBitmapLeavesTheWindowEmptyAndInPlace) {
  CSplashScreenEx splash;
  ASSERT_TRUE(splash.CreateSplash(nullptr, "", 0, SPLASH_CENTRE_SCREEN));
  EXPECT_FALSE(splash.SetSplashBitmap(9999));
  EXPECT_EQ(splash.m_nBitmapWidth, 0);
  EXPECT_EQ(splash.m_nxPos, 0);
  EXPECT_TRUE(splash.SetSplashBitmap(IDB_SPLASH));
  EXPECT_EQ(splash.m_nBitmapWidth, 255);
  EXPECT_EQ(splash.m_nBitmapHeight, 255);
}

TEST(SplashScreen, OnlyKeyAndButtonPressesFadeItOutWhenAskedTo) {
  struct Case {
    DWORD style;
    UINT message;
    BOOL handled;
  } cases[] = {
      {SPLASH_HIDE_ON_INPUT, WM_KEYUP, FALSE},        {SPLASH_HIDE_ON_INPUT, WM_LBUTTONUP, FALSE},
      {SPLASH_HIDE_ON_INPUT, WM_LBUTTONDBLCLK, FALSE}, {SPLASH_HIDE_ON_INPUT, WM_MOUSEMOVE, FALSE},
      {SPLASH_HIDE_ON_INPUT, WM_CHAR, FALSE},          {0, WM_KEYDOWN, FALSE},
      {SPLASH_HIDE_ON_INPUT, WM_NCRBUTTONDOWN, TRUE},
  };
  for (const Case& c : cases) {
    CSplashScreenEx splash;
    ASSERT_TRUE(splash.CreateSplash(nullptr, "", 0, c.style));
    splash.SetSplashBitmap(IDB_SPLASH);
    ShowWindow(splash.m_hWnd, SW_SHOWNOACTIVATE);
    MSG message{};
    message.hwnd = splash.m_hWnd;
    message.message = c.message;
    EXPECT_EQ(splash.PreTranslateMessage(&message), c.handled) << std::hex << c.message;
    EXPECT_EQ(IsWindowVisible(splash.m_hWnd) != FALSE, !c.handled) << std::hex << c.message;
  }
}

}  // namespace
