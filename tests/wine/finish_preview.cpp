// Holds the splash window or the About box on the screen for a few seconds,
// for looking at them and taking screenshots:
//   finish_preview.exe splash|about [seconds]
// The About box is shown on its own: under Wine, a window at the top-left
// origin of the main dialog is composed as a black rectangle.
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "controls/win/splash_screen.h"
#include "framework/win_app.h"
#include "res/resource.h"
#include "ui/win/about_dialog.h"

namespace {

void PumpFor(DWORD milliseconds) {
  const DWORD end = ::GetTickCount() + milliseconds;
  while (::GetTickCount() < end) {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&message);
      ::DispatchMessageW(&message);
    }
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const bool about = argc > 1 && std::strcmp(argv[1], "about") == 0;
  const DWORD seconds = argc > 2 ? static_cast<DWORD>(std::atoi(argv[2])) : 5;
  CWinApp application;
  application.m_hInstance = ::GetModuleHandleW(nullptr);
  application.InitInstance();

  if (about) {
    // The box runs its own modal loop; a timer ends the preview.
    ::SetTimer(nullptr, 0, seconds * 1000, [](HWND, UINT, UINT_PTR, DWORD) { ::ExitProcess(0); });
    CAboutDlg box;
    box.DoModal();
    return 0;
  }
  // The start-up sequence's window, stopped with the bar half way.
  CSplashScreenEx splash;
  if (!splash.CreateSplash(nullptr, "", 0, SPLASH_DROP_SHADOW | SPLASH_CENTRE_SCREEN)) return 1;
  splash.SetSplashBitmap(IDB_SPLASH);
  ::SetWindowPos(splash.m_Progress.m_hWnd, nullptr, splash.m_nBitmapWidth / 4,
                 splash.m_nBitmapHeight - 32, splash.m_nBitmapWidth / 2, 15,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
  ::SetWindowPos(splash.m_hWnd, nullptr, splash.m_nxPos, splash.m_nyPos, splash.m_nBitmapWidth,
                 splash.m_nBitmapHeight, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
  ::ShowWindow(splash.m_hWnd, SW_SHOWNOACTIVATE);
  splash.m_Progress.SetPos(20);
  PumpFor(seconds * 1000);
  return 0;
}
