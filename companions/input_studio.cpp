// The recorder: with no argument it asks for a job name and creates the job;
// with one it opens that job. It ends when the user closes its window.
#include <windows.h>
// After windows.h, which they need.
#include <commctrl.h>
#include <shellapi.h>

#include <string>

#include "companions/input_studio_window.h"
#include "framework/cp932_text.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_command) {
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  const std::string job_name =
      arguments != nullptr && count >= 2 ? qm::Cp932FromWide(arguments[1]) : std::string();
  if (arguments != nullptr) LocalFree(arguments);

  HWND window =
      qm::CreateInputStudioWindow(instance, count >= 2 ? job_name.c_str() : nullptr, show_command);
  if (window == nullptr) return 1;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (IsDialogMessageW(window, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
