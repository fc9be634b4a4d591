#pragma once
#include "app/buffer_limits.h"

namespace qm {

// Builds <program_data>\Tallowgate\Quillmere, adding no second backslash
// after a value that ends in one. False, with out empty, for a null or empty
// value or a result that does not fit a path buffer.
bool ComposeDataDirectory(const char* program_data, char (&out)[kPathBufferSize]);

// The file-system operations the creation walk decides between, so that its
// decisions can be followed without a disk.
class DirectoryFileSystem {
 public:
  virtual ~DirectoryFileSystem() = default;
  virtual bool Exists(const char* path) = 0;
  // drive is a letter and a colon, such as "C:".
  virtual bool DriveExists(const char* drive) = 0;
  virtual bool MakeDirectory(const char* path) = 0;
  virtual bool GrantEveryoneAccess(const char* path) = 0;
};

enum class WalkOutcome {
  kAlreadyPresent,  // nothing created, permissions untouched
  kCreated,         // every missing component created, access granted
  kStopped,         // a missing drive or a failed creation ended the walk
};

// Makes sure the data directory exists, creating each missing component in
// turn; the permission change is made only when the walk created it.
WalkOutcome EnsureDataDirectory(const char* path, DirectoryFileSystem& file_system);

}  // namespace qm
