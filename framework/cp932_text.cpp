#include "framework/cp932_text.h"

#include <windows.h>

namespace qm {
namespace {

std::wstring ToWide(const char* text, int length) {
  if (length <= 0) return std::wstring();
  const int needed = MultiByteToWideChar(kJapaneseCodePage, 0, text, length, nullptr, 0);
  if (needed <= 0) return std::wstring();
  std::wstring wide(static_cast<std::size_t>(needed), L'\0');
  MultiByteToWideChar(kJapaneseCodePage, 0, text, length, &wide[0], needed);
  return wide;
}

std::string ToCp932(const wchar_t* text, int length) {
  if (length <= 0) return std::string();
  const int needed =
      WideCharToMultiByte(kJapaneseCodePage, 0, text, length, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return std::string();
  std::string narrow(static_cast<std::size_t>(needed), '\0');
  WideCharToMultiByte(kJapaneseCodePage, 0, text, length, &narrow[0], needed, nullptr, nullptr);
  return narrow;
}

}  // namespace

std::wstring WideFromCp932(const char* text) {
  return text ? ToWide(text, lstrlenA(text)) : std::wstring();
}

std::wstring WideFromCp932(const std::string& text) {
  return ToWide(text.data(), static_cast<int>(text.size()));
}

std::string Cp932FromWide(const wchar_t* text) {
  return text ? ToCp932(text, lstrlenW(text)) : std::string();
}

std::string Cp932FromWide(const std::wstring& text) {
  return ToCp932(text.data(), static_cast<int>(text.size()));
}

}  // namespace qm
