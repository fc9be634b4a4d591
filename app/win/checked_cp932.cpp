#include "app/win/checked_cp932.h"

#include <windows.h>

#include "framework/cp932_text.h"

namespace qm {

bool Cp932PathFromWide(const wchar_t* text, std::string* out) {
  out->clear();
  if (text == nullptr || text[0] == L'\0') return true;
  const int length = lstrlenW(text);
  BOOL replaced = FALSE;
  const int needed = WideCharToMultiByte(kJapaneseCodePage, WC_NO_BEST_FIT_CHARS, text, length,
                                         nullptr, 0, nullptr, &replaced);
  if (needed <= 0 || replaced) return false;
  std::string narrow(static_cast<std::size_t>(needed), '\0');
  WideCharToMultiByte(kJapaneseCodePage, WC_NO_BEST_FIT_CHARS, text, length, &narrow[0], needed,
                      nullptr, nullptr);
  *out = narrow;
  return true;
}

}  // namespace qm
