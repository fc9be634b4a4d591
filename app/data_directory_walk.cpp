#include "app/data_directory_walk.h"

#include <cstring>

#include "app/bounded_format.h"
#include "app/path_rules.h"

namespace qm {
namespace {

bool IsAsciiLetter(const char* text) {
  const char c = text[0];
  return text[1] == '\0' && ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'));
}

// Appends to a path buffer, refusing what does not fit.
bool Append(char (&path)[kPathBufferSize], const char* prefix, const char* component) {
  const std::size_t length = std::strlen(path);
  return ComposeBounded(path + length, kPathBufferSize - length, "%s%s", prefix, component);
}

}  // namespace

bool ComposeDataDirectory(const char* program_data, char (&out)[kPathBufferSize]) {
  out[0] = '\0';
  if (program_data == nullptr || program_data[0] == '\0') return false;
  // A value ending in 表 (95 5C) ends in no backslash.
  const std::size_t last = std::strlen(program_data) - 1;
  const bool ends_in_backslash =
      program_data[last] == '\\' && IsRealSeparator(program_data, static_cast<unsigned long>(last));
  return ComposeBounded(out, "%s%sTallowgate\\Quillmere", program_data,
                        ends_in_backslash ? "" : "\\");
}

WalkOutcome EnsureDataDirectory(const char* path, DirectoryFileSystem& file_system) {
  if (file_system.Exists(path)) return WalkOutcome::kAlreadyPresent;

  char partial[kPathBufferSize] = "";
  char component[kPathBufferSize];
  const char* rest = GetPathToken(path, component);
  if (rest == nullptr) return WalkOutcome::kStopped;
  if (IsAsciiLetter(component)) {
    if (!Append(partial, component, ":") || !file_system.DriveExists(partial)) {
      return WalkOutcome::kStopped;
    }
  } else if (!Append(partial, "\\\\", component)) {
    return WalkOutcome::kStopped;
  }

  while ((rest = GetPathToken(rest, component)) != nullptr) {
    if (!Append(partial, "\\", component)) return WalkOutcome::kStopped;
    if (!file_system.Exists(partial) && !file_system.MakeDirectory(partial)) {
      return WalkOutcome::kStopped;
    }
  }
  file_system.GrantEveryoneAccess(path);
  return WalkOutcome::kCreated;
}

}  // namespace qm
