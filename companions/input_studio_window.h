#pragma once
#include <windows.h>

namespace qm {

// Creates the recorder's window; with a job name it opens that job and
// shows its files. The window is made visible even when the starter asked
// for a hidden show state. Returns nullptr on failure.
HWND CreateInputStudioWindow(HINSTANCE instance, const char* job_name, int show_command);

}  // namespace qm
