#include "framework/win_app.h"

#include <commctrl.h>

namespace {
CWinApp* g_application = nullptr;
}

CWinApp::CWinApp() { g_application = this; }

CWinApp::~CWinApp() {
  if (g_application == this) g_application = nullptr;
}

BOOL CWinApp::InitInstance() {
  // The classic common controls: list view, progress bar, animation, status bar.
  INITCOMMONCONTROLSEX controls = {sizeof(controls),
                                   ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS |
                                       ICC_ANIMATE_CLASS | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  return TRUE;
}

int CWinApp::ExitInstance() { return 0; }

HICON CWinApp::LoadIcon(UINT resource_id) const {
  return ::LoadIconW(m_hInstance, MAKEINTRESOURCEW(resource_id));
}

int CWinApp::Run(HINSTANCE instance, const std::vector<std::string>& arguments) {
  m_hInstance = instance;
  m_argv = arguments;
  if (InitInstance()) {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  return ExitInstance();
}

CWinApp* AfxGetApp() { return g_application; }

HINSTANCE AfxGetInstanceHandle() {
  return g_application && g_application->m_hInstance ? g_application->m_hInstance
                                                      : GetModuleHandleW(nullptr);
}
