// Keeps the computer and the display awake for as long as it runs; the
// scheduler terminates it when no job is armed any more.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  SetThreadExecutionState(ES_CONTINUOUS | ES_SYSTEM_REQUIRED | ES_DISPLAY_REQUIRED);
  for (;;) Sleep(INFINITE);
}
