#pragma once
#include <windows.h>

#include <functional>

namespace qm_test {

// The first top-level window of the process that accept() takes, or null.
HWND FindProcessWindow(DWORD process_id, const std::function<bool(HWND)>& accept);

// A visible top-level window of the process with the class and title (either
// may be null for any), or null. Other test programs run at the same time
// show windows with the same titles, so the process decides.
HWND FindProcessWindow(DWORD process_id, const wchar_t* class_name, const wchar_t* title);

}  // namespace qm_test
