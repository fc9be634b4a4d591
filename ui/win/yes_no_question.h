#pragma once
#include <windows.h>

namespace qm {

// The program's only way of asking: a Yes/No box without an icon, owned by
// the window, captioned "クイルミア"; the text is code page 932. Returns the
// box's answer (IDYES, IDNO, or 0 when it could not be shown).
int AskYesNo(HWND owner, const char* text);

}  // namespace qm
