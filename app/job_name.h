#pragma once

namespace qm {

// Whether name can be a job's folder name: not empty, no character that a
// file name may not hold (a double-byte character's second byte is never
// taken for one), no control byte, no cut double-byte character, and no
// trailing dot or space, which the file system would drop and so name
// another folder.
bool IsValidJobName(const char* name);

}  // namespace qm
