#include "app/win/executable_directory.h"

#include <windows.h>

#include <string>

#include "app/buffer_limits.h"
#include "app/path_rules.h"
#include "app/win/checked_cp932.h"

namespace qm {
namespace {

// The module name is fetched once; the directory part is cut from it anew.
const char* ModuleFileName() {
  static std::string cache;
  static bool fetched = false;
  if (!fetched) {
    fetched = true;
    wchar_t wide[32768];
    const DWORD length = GetModuleFileNameW(nullptr, wide, ARRAYSIZE(wide));
    std::string narrow;
    if (length > 0 && length < ARRAYSIZE(wide) && Cp932PathFromWide(wide, &narrow) &&
        narrow.size() < kPathBufferSize) {
      cache = narrow;
    }
  }
  return cache.c_str();
}

}  // namespace

const char* GetExecutableDirectory() {
  const char* module = ModuleFileName();
  // An unusable module name must not pass for "no backslash", which would
  // make the companions relative to the current directory.
  return module[0] == '\0' ? "" : GetPathDirectory(module);
}

}  // namespace qm
