#include "companions/input_studio_window.h"

#include <cstdio>
#include <string>
#include <vector>

#include "app/data_directory.h"
#include "app/win/checked_cp932.h"
#include "companions/input_studio_ids.h"
#include "companions/job_folder.h"
#include "framework/cp932_text.h"

namespace qm {
namespace {

HFONT g_font = nullptr;

HWND Child(HWND parent, const wchar_t* window_class, const char* text, DWORD style, int id, int x,
           int y, int width, int height, DWORD extended_style = 0) {
  HWND child = CreateWindowExW(
      extended_style, window_class, WideFromCp932(text).c_str(), WS_CHILD | WS_VISIBLE | style, x,
      y, width, height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
      reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(g_font), FALSE);
  return child;
}

void SetStatus(HWND window, const std::string& text) {
  SetDlgItemTextW(window, IDC_INPUT_STUDIO_STATUS, WideFromCp932(text).c_str());
}

std::string JobNameField(HWND window, bool* representable) {
  wchar_t wide[1024] = L"";
  GetDlgItemTextW(window, IDC_INPUT_STUDIO_JOB_NAME, wide, ARRAYSIZE(wide));
  std::string name;
  *representable = Cp932PathFromWide(wide, &name);
  return name;
}

// Fills the file list from the job's folder; false when there is none.
bool ShowJobFiles(HWND window, const std::string& job_name) {
  HWND list = GetDlgItem(window, IDC_INPUT_STUDIO_FILES);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  std::vector<JobFile> files;
  if (!ListJobFiles(GetDataDirectory(), job_name.c_str(), &files)) return false;
  for (const JobFile& file : files) {
    char size[32];
    std::snprintf(size, sizeof(size), "%llu", static_cast<unsigned long long>(file.size));
    const std::string line = file.name + "\t" + size + " バイト";
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideFromCp932(line).c_str()));
  }
  return true;
}

void OpenJob(HWND window, const std::string& job_name) {
  SetWindowTextW(window, WideFromCp932("InputStudio - " + job_name).c_str());
  if (ShowJobFiles(window, job_name)) {
    SetStatus(window, "作業「" + job_name + "」を開きました。");
  } else {
    SetStatus(window, "作業「" + job_name + "」はまだありません。「作成」で作成できます。");
  }
}

void CreateJob(HWND window) {
  bool representable = false;
  const std::string name = JobNameField(window, &representable);
  const JobFolderResult result = representable ? CreateJobFolder(GetDataDirectory(), name.c_str())
                                               : JobFolderResult::kInvalidName;
  switch (result) {
    case JobFolderResult::kCreated:
    case JobFolderResult::kAlreadyPresent:
      SetWindowTextW(window, WideFromCp932("InputStudio - " + name).c_str());
      ShowJobFiles(window, name);
      SetStatus(window, result == JobFolderResult::kCreated
                            ? "作業「" + name + "」を作成しました。"
                            : "作業「" + name + "」は既にあります。ファイルはそのままです。");
      break;
    case JobFolderResult::kInvalidName:
      SetStatus(window, name.empty() && representable
                            ? "作業名を入力してください。"
                            : "作業名に使えない文字があります（\\ / : * ? \" < > | など）。");
      break;
    case JobFolderResult::kTooLong:
      SetStatus(window, "作業名が長すぎます。");
      break;
    case JobFolderResult::kNoDataDirectory:
      SetStatus(window, "データフォルダを使用できません。");
      break;
    case JobFolderResult::kFailed:
      SetStatus(window, "作業フォルダを作成できませんでした。");
      break;
  }
}

void CreateControls(HWND window) {
  Child(window, L"STATIC", "作業名:", SS_LEFT, -1, 12, 16, 64, 20);
  Child(window, L"EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, IDC_INPUT_STUDIO_JOB_NAME, 80, 12, 236,
        24, WS_EX_CLIENTEDGE);
  Child(window, L"BUTTON", "作成", WS_TABSTOP | BS_DEFPUSHBUTTON, IDC_INPUT_STUDIO_CREATE, 324, 12,
        84, 24);
  Child(window, L"STATIC", "作業のファイル:", SS_LEFT, -1, 12, 48, 200, 20);
  HWND list = Child(window, L"LISTBOX", "",
                    WS_TABSTOP | WS_VSCROLL | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT | LBS_NOSEL,
                    IDC_INPUT_STUDIO_FILES, 12, 70, 396, 130, WS_EX_CLIENTEDGE);
  int tab_stop = 120;
  SendMessageW(list, LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tab_stop));
  Child(window, L"STATIC", "作業名を入力して「作成」を押してください。", SS_LEFT,
        IDC_INPUT_STUDIO_STATUS, 12, 208, 396, 40);
  Child(window, L"BUTTON", "閉じる", WS_TABSTOP | BS_PUSHBUTTON, IDC_INPUT_STUDIO_CLOSE, 324, 252,
        84, 24);
}

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM w_param, LPARAM l_param) {
  switch (message) {
    case WM_CREATE:
      CreateControls(window);
      return 0;
    case WM_COMMAND:
      if (LOWORD(w_param) == IDC_INPUT_STUDIO_CREATE) CreateJob(window);
      if (LOWORD(w_param) == IDC_INPUT_STUDIO_CLOSE) DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, w_param, l_param);
  }
}

}  // namespace

HWND CreateInputStudioWindow(HINSTANCE instance, const char* job_name, int show_command) {
  if (g_font == nullptr) {
    g_font = CreateFontW(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                         DEFAULT_PITCH | FF_DONTCARE, L"MS UI Gothic");
  }
  WNDCLASSEXW window_class = {};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = WindowProcedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = INPUT_STUDIO_WINDOW_CLASS;
  RegisterClassExW(&window_class);

  RECT frame = {0, 0, 420, 288};
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  AdjustWindowRectEx(&frame, style, FALSE, 0);
  HWND window = CreateWindowExW(0, INPUT_STUDIO_WINDOW_CLASS, L"InputStudio", style, CW_USEDEFAULT,
                                CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                                nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return nullptr;
  if (job_name != nullptr) {
    SetDlgItemTextW(window, IDC_INPUT_STUDIO_JOB_NAME, WideFromCp932(job_name).c_str());
    OpenJob(window, job_name);
  }

  // The first ShowWindow takes the show state of the starter's start-up
  // information, which is SW_HIDE; the user must see the recorder all the same.
  ShowWindow(window, show_command);
  if (!IsWindowVisible(window)) ShowWindow(window, SW_SHOWNORMAL);
  SetForegroundWindow(window);
  SetFocus(GetDlgItem(window, IDC_INPUT_STUDIO_JOB_NAME));
  return window;
}

}  // namespace qm
