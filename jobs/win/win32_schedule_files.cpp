#include "jobs/win/win32_schedule_files.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <utility>

#include "framework/cp932_text.h"
#include "jobs/buffered_line_reader.h"

namespace qm {
namespace {

class HandleLineReader : public BufferedLineReader {
 public:
  explicit HandleLineReader(HANDLE file) : file_(file) {}
  HandleLineReader(const HandleLineReader&) = delete;
  HandleLineReader& operator=(const HandleLineReader&) = delete;
  ~HandleLineReader() override { CloseHandle(file_); }

 protected:
  std::size_t ReadChunk(char* chunk, std::size_t capacity) override {
    DWORD read = 0;
    if (!ReadFile(file_, chunk, static_cast<DWORD>(capacity), &read, nullptr)) return 0;
    return read;
  }

 private:
  HANDLE file_;
};

// Writes collect in memory and go out in large pieces, so writing a line
// field by field costs no system call per field.
class HandleTempFile : public ScheduleTempFile {
 public:
  HandleTempFile(HANDLE file, std::wstring path, std::wstring target)
      : file_(file), path_(std::move(path)), target_(std::move(target)) {}
  HandleTempFile(const HandleTempFile&) = delete;
  HandleTempFile& operator=(const HandleTempFile&) = delete;
  ~HandleTempFile() override { CloseHandleOnce(); }

  bool Write(const char* bytes, std::size_t count) override {
    if (file_ == INVALID_HANDLE_VALUE) return false;
    pending_.append(bytes, count);
    return pending_.size() < kPendingLimit || WritePending();
  }

  bool Flush() override {
    return file_ != INVALID_HANDLE_VALUE && WritePending() && FlushFileBuffers(file_);
  }

  bool Close() override {
    if (file_ == INVALID_HANDLE_VALUE) return false;
    const bool written = WritePending();
    return CloseHandleOnce() && written;
  }

  bool Replace() override {
    if (file_ != INVALID_HANDLE_VALUE) return false;
    return MoveFileExW(path_.c_str(), target_.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
  }

  bool Remove() override {
    CloseHandleOnce();
    return DeleteFileW(path_.c_str()) != FALSE;
  }

 private:
  static constexpr std::size_t kPendingLimit = 64 * 1024;

  bool WritePending() {
    std::size_t offset = 0;
    while (offset < pending_.size()) {
      DWORD written = 0;
      const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(pending_.size() - offset, 1u << 20));
      if (!WriteFile(file_, pending_.data() + offset, piece, &written, nullptr) || written == 0) {
        return false;
      }
      offset += written;
    }
    pending_.clear();
    return true;
  }

  bool CloseHandleOnce() {
    if (file_ == INVALID_HANDLE_VALUE) return true;
    const bool closed = CloseHandle(file_) != FALSE;
    file_ = INVALID_HANDLE_VALUE;
    return closed;
  }

  HANDLE file_;
  std::wstring path_;
  std::wstring target_;
  std::string pending_;
};

}  // namespace

std::unique_ptr<ScheduleLineReader> Win32ScheduleFiles::OpenForReading(const char* path) {
  HANDLE file = CreateFileW(WideFromCp932(path).c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<HandleLineReader>(file);
}

std::unique_ptr<ScheduleTempFile> Win32ScheduleFiles::CreateTemporary(const char* path) {
  // The target's own name plus a suffix keeps the file in the same folder,
  // which a one-step replace needs. The data directory is shared by every
  // local account, so each save takes a name no one else can be using.
  const std::wstring target = WideFromCp932(path);
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::wstring temp = target + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" +
                              std::to_wstring(++counter) + L".tmp";
    HANDLE file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) return std::make_unique<HandleTempFile>(file, temp, target);
    if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
  return nullptr;
}

}  // namespace qm
