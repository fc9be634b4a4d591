#include "ui/win/yes_no_question.h"

#include "framework/cp932_text.h"

namespace qm {

int AskYesNo(HWND owner, const char* text) {
  return ::MessageBoxW(owner, WideFromCp932(text).c_str(), WideFromCp932("クイルミア").c_str(),
                       MB_YESNO);
}

}  // namespace qm
