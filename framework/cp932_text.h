#pragma once
#include <string>

namespace qm {

// The one crossing between our code page 932 texts and the W functions, so
// nothing depends on the system's ANSI code page.
constexpr unsigned kJapaneseCodePage = 932;

std::wstring WideFromCp932(const char* text);
std::wstring WideFromCp932(const std::string& text);
std::string Cp932FromWide(const wchar_t* text);
std::string Cp932FromWide(const std::wstring& text);

}  // namespace qm
