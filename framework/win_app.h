#pragma once
#include <windows.h>

#include <string>
#include <vector>

class CWnd;

// The application object: exactly one global instance of a derived class.
// The entry point runs its InitInstance and, only when that returns TRUE, a
// message loop of its own.
class CWinApp {
 public:
  CWinApp();
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  virtual BOOL InitInstance();
  virtual int ExitInstance();

  HICON LoadIcon(UINT resource_id) const;

  HINSTANCE m_hInstance = nullptr;
  CWnd* m_pMainWnd = nullptr;
  // The command line as the C run-time parsed it, in code page 932;
  // m_argv[0] is the program's name.
  std::vector<std::string> m_argv;

  // Runs the application object's life; the entry point's body.
  int Run(HINSTANCE instance, const std::vector<std::string>& arguments);
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();
