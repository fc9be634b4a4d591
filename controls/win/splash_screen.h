#pragma once
#include <windows.h>

#include <string>

#include "framework/simple_controls.h"
#include "framework/wnd.h"

// Style flags of the splash window.
constexpr DWORD SPLASH_DROP_SHADOW = 0x04;
constexpr DWORD SPLASH_CENTRE_SCREEN = 0x08;
constexpr DWORD SPLASH_CENTRE_OWNER = 0x10;
constexpr DWORD SPLASH_HIDE_ON_INPUT = 0x20;

// A borderless, topmost picture window with a progress bar near its bottom
// edge; it never takes the focus and has no taskbar button.
class CSplashScreenEx : public CWnd {
 public:
  static constexpr wchar_t kClassName[] = L"SplashScreenExClass";

  CSplashScreenEx();
  ~CSplashScreenEx() override;

  // Registers the window class (without the drop shadow when that fails)
  // and creates the hidden window and its bar; false when no window exists.
  BOOL CreateSplash(CWnd* owner, const char* text, DWORD display_time_ms, DWORD style);
  // Loads a bitmap resource of the module and places the window for it;
  // on failure size and position stay as they were.
  BOOL SetSplashBitmap(UINT resource_id);
  // Runs a key or mouse button press through the window: with
  // SPLASH_HIDE_ON_INPUT it fades the window out and reports it handled.
  BOOL PreTranslateMessage(MSG* message);

  CProgressCtrl m_Progress;
  int m_nBitmapWidth = 0;
  int m_nBitmapHeight = 0;
  int m_nxPos = 0;
  int m_nyPos = 0;
  DWORD m_dwDisplayTime = 0;

 protected:
  bool OnWndMsg(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) override;

 private:
  static LRESULT CALLBACK SplashWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  BOOL RegisterSplashClass();
  void PlaceSplash();
  void DrawSplash(HDC dc);
  void FadeOut();

  CWnd* m_pOwner = nullptr;
  HBITMAP m_Bitmap = nullptr;
  HFONT m_Font = nullptr;
  DWORD m_dwStyle = 0;
  std::string m_Text;
  RECT m_TextRect = {0, 0, 0, 0};
  UINT m_uTextFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  COLORREF m_TextColor = RGB(0, 0, 0);
  bool m_bClassRegistered = false;
};

// The start-up splash: bitmap 133 fades in over the screen's centre, its bar
// runs, and it fades out and is destroyed before this returns. A window that
// cannot be made leaves nothing to see and start-up goes on.
void ShowSplashScreen(CWnd* main_window);
