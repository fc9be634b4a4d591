#pragma once
#include <cstddef>

namespace qm {

// Fixed buffer sizes shared by every subsystem; a text holds one byte less.
constexpr std::size_t kPathBufferSize = 260;
constexpr std::size_t kCellBufferSize = 512;
constexpr std::size_t kCommandLineBufferSize = 1024;
constexpr std::size_t kScheduleLineBufferSize = 1024;

}  // namespace qm
