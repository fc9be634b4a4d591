#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace shell_test {

// The folder of this test program (build/win/tests) and of the real
// programs beside it (build/win/bin), each with a trailing backslash.
std::wstring TestProgramDirectory();
std::wstring ProgramDirectory();

bool Exists(const std::wstring& path);
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);
// The whole file, also while another process has it open; "" when missing.
std::string ReadFileBytes(const std::wstring& path);

// A fresh folder of its own under the temporary folder, removed with its
// contents at the end; unique per process, so both locales can run at once.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::wstring& path() const { return path_; }
  std::wstring Sub(const std::wstring& name) const { return path_ + L"\\" + name; }

 private:
  std::wstring path_;
};

// Wine stores a file name in the Unix locale's encoding, so under LANG=C it
// cannot create one with Japanese characters. Gives japanese where names like
// it can be created in temp, ascii otherwise.
std::wstring FileNameForThisLocale(const TempFolder& temp, const std::wstring& japanese,
                                   const std::wstring& ascii);

// Sets ProgramData for this process and the programs it starts, and puts
// back what was there.
class ScopedProgramData {
 public:
  explicit ScopedProgramData(const wchar_t* value);  // nullptr unsets it
  ~ScopedProgramData();

 private:
  bool had_value_;
  std::wstring old_value_;
};

// A started program's handle, closed and (if still running) ended at the end.
class Child {
 public:
  explicit Child(const std::wstring& command_line);
  ~Child();
  bool started() const { return process_ != nullptr; }
  DWORD id() const { return id_; }
  bool HasEnded() const {
    return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_OBJECT_0;
  }
  // Waits for the program to end on its own; false if it has not within the
  // guard, which only keeps a broken program from hanging the test.
  bool WaitForEnd(DWORD* exit_code = nullptr);

 private:
  HANDLE process_ = nullptr;
  DWORD id_ = 0;
};

// Waits until a process that this test started has ended.
bool WaitForProcessEnd(DWORD id);

// Guard for waits on another program: long enough for a slow start under
// Wine, short enough that a hung program fails the test instead of CTest.
constexpr DWORD kGuardMilliseconds = 20000;

}  // namespace shell_test
