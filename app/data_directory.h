#pragma once

namespace qm {

// The data directory, %ProgramData%\Tallowgate\Quillmere, created on demand
// and opened to everyone when created. Returns a buffer that the next call
// overwrites; the empty text when no data directory can be had (then
// nothing is loaded, saved, run or renamed).
const char* GetDataDirectory();

}  // namespace qm
