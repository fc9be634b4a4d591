#pragma once
#include <string>

namespace qm {

// Converts a path from the system to code page 932 only when every character
// has its own code there: a replaced or best-fit character (é as e) would
// name another file. False, with out empty, otherwise.
bool Cp932PathFromWide(const wchar_t* text, std::string* out);

}  // namespace qm
