// The program's entry point, kept in its own object file so that only a
// program with an application object pulls it in.
#include <windows.h>
#include <shellapi.h>

#include <cstdlib>

#include "framework/cp932_text.h"
#include "framework/win_app.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  std::vector<std::string> arguments;
  int count = 0;
  wchar_t** words = __wargv;
  if (words != nullptr) {
    count = __argc;
  } else {
    words = CommandLineToArgvW(GetCommandLineW(), &count);
  }
  for (int i = 0; i < count; ++i) arguments.push_back(qm::Cp932FromWide(words[i]));

  CWinApp* application = AfxGetApp();
  return application ? application->Run(instance, arguments) : 0;
}
