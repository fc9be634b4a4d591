#include "jobs/win/csv_misuse_message_box.h"

#include <windows.h>

#include "framework/cp932_text.h"
#include "jobs/csv_field.h"

namespace qm {
namespace {

void ShowMisuseMessageBox(const char* message, const char* caption) {
  MessageBoxW(GetFocus(), WideFromCp932(message).c_str(), WideFromCp932(caption).c_str(), MB_OK);
}

}  // namespace

void InstallCsvMisuseMessageBox() { SetCsvMisuseReporter(ShowMisuseMessageBox); }

}  // namespace qm
