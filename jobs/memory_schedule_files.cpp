#include "jobs/memory_schedule_files.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "jobs/buffered_line_reader.h"

namespace qm {
namespace {

class MemoryLineReader : public BufferedLineReader {
 public:
  explicit MemoryLineReader(std::string bytes) : bytes_(std::move(bytes)) {}

 protected:
  std::size_t ReadChunk(char* chunk, std::size_t capacity) override {
    const std::size_t count = std::min(capacity, bytes_.size() - offset_);
    std::memcpy(chunk, bytes_.data() + offset_, count);
    offset_ += count;
    return count;
  }

 private:
  std::string bytes_;
  std::size_t offset_ = 0;
};

class MemoryTempFile : public ScheduleTempFile {
 public:
  MemoryTempFile(std::map<std::string, std::string>& files, std::string path, std::string target)
      : files_(files), path_(std::move(path)), target_(std::move(target)) {}

  bool Write(const char* bytes, std::size_t count) override {
    if (closed_) return false;
    files_[path_].append(bytes, count);
    return true;
  }
  bool Flush() override { return !closed_; }
  bool Close() override {
    if (closed_) return false;
    closed_ = true;
    return true;
  }
  bool Replace() override {
    auto temp = files_.find(path_);
    if (!closed_ || temp == files_.end()) return false;
    files_[target_] = std::move(temp->second);
    files_.erase(path_);
    return true;
  }
  bool Remove() override {
    closed_ = true;
    return files_.erase(path_) == 1;
  }

 private:
  std::map<std::string, std::string>& files_;
  std::string path_;
  std::string target_;
  bool closed_ = false;
};

}  // namespace

std::unique_ptr<ScheduleLineReader> MemoryScheduleFiles::OpenForReading(const char* path) {
  auto file = files.find(path);
  if (file == files.end()) return nullptr;
  return std::make_unique<MemoryLineReader>(file->second);
}

std::unique_ptr<ScheduleTempFile> MemoryScheduleFiles::CreateTemporary(const char* path) {
  std::string temp_path = std::string(path) + ".tmp" + std::to_string(++temporaries_created_);
  files[temp_path];
  return std::make_unique<MemoryTempFile>(files, std::move(temp_path), path);
}

}  // namespace qm
