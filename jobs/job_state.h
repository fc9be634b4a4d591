#pragma once

namespace qm {

// The state text of an armed job; every test compares the whole text.
inline constexpr char kArmedState[] = "開始";
inline constexpr char kDisarmedState[] = "停止";

// True only for exactly "開始": a state read from the schedule file is taken
// unchanged, and any other text counts as not armed.
bool IsArmedState(const char* state);

}  // namespace qm
