#include "controls/win/splash_screen.h"

#include <commctrl.h>

#include "controls/splash_geometry.h"
#include "framework/cp932_text.h"
#include "framework/win_app.h"
#include "res/resource.h"

namespace {

constexpr UINT kSplashClassStyle = CS_DBLCLKS | CS_SAVEBITS;
constexpr DWORD kSplashExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
constexpr DWORD kProgressStyle = WS_CHILD | WS_VISIBLE | PBS_SMOOTH;
constexpr UINT kPlacementFlags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
constexpr DWORD kFadeInMs = 500;
constexpr DWORD kFadeOutMs = 200;
constexpr DWORD kStartupDisplayTimeMs = 2000;
constexpr int kProgressRange = 40;
constexpr DWORD kProgressStepSleepMs = 5;
constexpr int kProgressFinalPosition = 10;

HINSTANCE ModuleInstance() {
  HINSTANCE instance = AfxGetInstanceHandle();
  return instance != nullptr ? instance : ::GetModuleHandleW(nullptr);
}

HFONT CopyOfDefaultGuiFont() {
  LOGFONTW font = {};
  if (::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font) == 0) return nullptr;
  return ::CreateFontIndirectW(&font);
}

bool IsInputThatHides(UINT message) {
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
      return true;
  }
  return false;
}

}  // namespace

CSplashScreenEx::CSplashScreenEx() : m_Font(CopyOfDefaultGuiFont()) {}

CSplashScreenEx::~CSplashScreenEx() {
  if (m_Progress.m_hWnd != nullptr && ::IsWindow(m_Progress.m_hWnd)) {
    ::DestroyWindow(m_Progress.m_hWnd);
  }
  m_Progress.Detach();
  if (m_hWnd != nullptr && ::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
  if (m_Font != nullptr) ::DeleteObject(m_Font);
  if (m_Bitmap != nullptr) ::DeleteObject(m_Bitmap);
  // Registered by this object, so the next splash registers it afresh with
  // its own style.
  if (m_bClassRegistered) ::UnregisterClassW(kClassName, ModuleInstance());
}

BOOL CSplashScreenEx::RegisterSplashClass() {
  WNDCLASSW window_class = {};
  window_class.style = kSplashClassStyle;
  if (m_dwStyle & SPLASH_DROP_SHADOW) window_class.style |= CS_DROPSHADOW;
  window_class.lpfnWndProc = &CSplashScreenEx::SplashWindowProc;
  window_class.hInstance = ModuleInstance();
  window_class.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = ::GetSysColorBrush(COLOR_WINDOW);
  window_class.lpszClassName = kClassName;
  if (::RegisterClassW(&window_class) == 0) {
    window_class.style &= ~static_cast<UINT>(CS_DROPSHADOW);
    if (::RegisterClassW(&window_class) == 0) return FALSE;
  }
  m_bClassRegistered = true;
  return TRUE;
}

BOOL CSplashScreenEx::CreateSplash(CWnd* owner, const char* text, DWORD display_time_ms,
                                   DWORD style) {
  m_pOwner = owner;
  m_Text = text != nullptr ? text : "";
  m_dwDisplayTime = display_time_ms;
  m_dwStyle = style;
  if (!RegisterSplashClass()) return FALSE;

  HWND owner_window = owner != nullptr ? owner->m_hWnd : nullptr;
  HWND window = ::CreateWindowExW(kSplashExStyle, kClassName, nullptr, WS_POPUP, 0, 0, 0, 0,
                                  owner_window, nullptr, ModuleInstance(), this);
  if (window == nullptr) return FALSE;

  HWND bar = ::CreateWindowExW(0, PROGRESS_CLASSW, nullptr, kProgressStyle, 0, 0, 0, 0, window,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_SPLASH_PROGRESS)),
                               ModuleInstance(), nullptr);
  if (bar != nullptr) {
    m_Progress.Attach(bar);
    m_Progress.SetRange(0, kProgressRange);
    m_Progress.SetStep(1);
    m_Progress.SetPos(0);
  }
  return TRUE;
}

BOOL CSplashScreenEx::SetSplashBitmap(UINT resource_id) {
  if (m_Bitmap != nullptr) {
    ::DeleteObject(m_Bitmap);
    m_Bitmap = nullptr;
  }
  m_Bitmap = static_cast<HBITMAP>(::LoadImageW(ModuleInstance(), MAKEINTRESOURCEW(resource_id),
                                               IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
  if (m_Bitmap == nullptr) return FALSE;
  PlaceSplash();
  return TRUE;
}

void CSplashScreenEx::PlaceSplash() {
  BITMAP info = {};
  ::GetObjectW(m_Bitmap, sizeof info, &info);
  m_nBitmapWidth = info.bmWidth;
  m_nBitmapHeight = info.bmHeight;
  m_TextRect = {0, 0, m_nBitmapWidth, m_nBitmapHeight};
  if (m_dwStyle & SPLASH_CENTRE_SCREEN) {
    const qm::SplashPoint corner =
        qm::CentreInArea(::GetSystemMetrics(SM_CXFULLSCREEN), ::GetSystemMetrics(SM_CYFULLSCREEN),
                         m_nBitmapWidth, m_nBitmapHeight);
    m_nxPos = corner.x;
    m_nyPos = corner.y;
  } else if ((m_dwStyle & SPLASH_CENTRE_OWNER) && m_pOwner != nullptr &&
             m_pOwner->m_hWnd != nullptr) {
    RECT owner;
    m_pOwner->GetWindowRect(&owner);
    const qm::SplashPoint corner = qm::CentreOverRect(owner.left, owner.top, owner.right,
                                                      owner.bottom, m_nBitmapWidth, m_nBitmapHeight);
    m_nxPos = corner.x;
    m_nyPos = corner.y;
  }
}

void CSplashScreenEx::DrawSplash(HDC dc) {
  HDC memory = ::CreateCompatibleDC(dc);
  if (memory == nullptr) return;
  HGDIOBJ previous_bitmap = ::SelectObject(memory, m_Bitmap);
  ::BitBlt(dc, 0, 0, m_nBitmapWidth, m_nBitmapHeight, memory, 0, 0, SRCCOPY);
  ::SelectObject(memory, previous_bitmap);
  HGDIOBJ previous_font = ::SelectObject(dc, m_Font);
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, m_TextColor);
  const std::wstring text = qm::WideFromCp932(m_Text);
  RECT rect = m_TextRect;
  ::DrawTextW(dc, text.c_str(), -1, &rect, m_uTextFormat);
  ::SelectObject(dc, previous_font);
  ::DeleteDC(memory);
}

void CSplashScreenEx::FadeOut() { ::AnimateWindow(m_hWnd, kFadeOutMs, AW_BLEND | AW_HIDE); }

BOOL CSplashScreenEx::PreTranslateMessage(MSG* message) {
  if ((m_dwStyle & SPLASH_HIDE_ON_INPUT) && IsInputThatHides(message->message)) {
    FadeOut();
    return TRUE;
  }
  return FALSE;
}

bool CSplashScreenEx::OnWndMsg(UINT message, WPARAM wparam, LPARAM, LRESULT* result) {
  switch (message) {
    case WM_ERASEBKGND:
      *result = TRUE;
      return true;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = ::BeginPaint(m_hWnd, &paint);
      DrawSplash(dc);
      ::EndPaint(m_hWnd, &paint);
      *result = 0;
      return true;
    }
    case WM_PRINTCLIENT:
      DrawSplash(reinterpret_cast<HDC>(wparam));
      *result = 1;
      return true;
    case WM_TIMER:
      FadeOut();
      *result = 0;
      return true;
  }
  return false;
}

LRESULT CALLBACK CSplashScreenEx::SplashWindowProc(HWND window, UINT message, WPARAM wparam,
                                                   LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
    static_cast<CSplashScreenEx*>(create->lpCreateParams)->BindPermanent(window);
  }
  auto* object = static_cast<CSplashScreenEx*>(FromHandlePermanent(window));
  if (object == nullptr) return ::DefWindowProcW(window, message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    object->UnbindPermanent();
    return ::DefWindowProcW(window, message, wparam, lparam);
  }
  return object->WindowProc(message, wparam, lparam);
}

void ShowSplashScreen(CWnd* main_window) {
  CSplashScreenEx splash;
  splash.CreateSplash(main_window, "", kStartupDisplayTimeMs,
                      SPLASH_DROP_SHADOW | SPLASH_CENTRE_SCREEN);
  splash.SetSplashBitmap(IDB_SPLASH);
  const qm::SplashRect bar = qm::SplashProgressBarRect(splash.m_nBitmapWidth, splash.m_nBitmapHeight);
  ::SetWindowPos(splash.m_Progress.m_hWnd, nullptr, bar.x, bar.y, bar.width, bar.height,
                 kPlacementFlags);
  ::SetWindowPos(splash.m_hWnd, nullptr, splash.m_nxPos, splash.m_nyPos, splash.m_nBitmapWidth,
                 splash.m_nBitmapHeight, kPlacementFlags);
  ::AnimateWindow(splash.m_hWnd, kFadeInMs, AW_BLEND);
  // Without a window the timer would be the thread's, firing for good.
  if (splash.m_dwDisplayTime != 0 && splash.m_hWnd != nullptr) {
    splash.SetTimer(0, splash.m_dwDisplayTime);
  }
  for (int position = 0; position < kProgressRange; ++position) {
    splash.m_Progress.SetPos(position);
    ::Sleep(kProgressStepSleepMs);
  }
  splash.m_Progress.SetPos(kProgressFinalPosition);
  ::AnimateWindow(splash.m_hWnd, kFadeOutMs, AW_BLEND | AW_HIDE);
}
