#pragma once
#include <cstddef>

#include "jobs/schedule_file.h"

namespace qm {

// fgets over any source of byte chunks, so every reader splits lines alike.
class BufferedLineReader : public ScheduleLineReader {
 public:
  bool ReadLine(char* buffer, std::size_t size) override;

 protected:
  // Up to capacity bytes into chunk; 0 at the end of the source or on error.
  virtual std::size_t ReadChunk(char* chunk, std::size_t capacity) = 0;

 private:
  bool Refill();

  char chunk_[4096];
  std::size_t filled_ = 0;
  std::size_t position_ = 0;
  bool exhausted_ = false;
};

}  // namespace qm
