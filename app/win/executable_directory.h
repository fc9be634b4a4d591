#pragma once

namespace qm {

// The running program's directory with its trailing backslash, where the
// companions are found; ".\\" when the module name has no backslash, "" when
// it cannot be had in code page 932 within a path buffer.
const char* GetExecutableDirectory();

}  // namespace qm
