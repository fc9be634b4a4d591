#include "jobs/folder_scan.h"

#include <cstring>
#include <string>

namespace qm {
namespace {

bool IsCp932LeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// True when the path's last character is a backslash. The second byte of a
// double-byte character such as 表 (95 5C) is no separator, so the bytes are
// walked character by character rather than the last byte looked at alone.
bool EndsWithSeparator(const std::string& path) {
  bool last_is_separator = false;
  for (std::size_t i = 0; i < path.size(); ++i) {
    const unsigned char byte = static_cast<unsigned char>(path[i]);
    last_is_separator = byte == '\\';
    if (IsCp932LeadByte(byte) && i + 1 < path.size()) ++i;
  }
  return last_is_separator;
}

bool IsSelfOrParent(const std::string& name) { return name == "." || name == ".."; }

}  // namespace

void ScanJobFolders(const char* data_directory, JobTable& table, DirectoryLister& lister) {
  table.DeleteAllRows();
  if (data_directory == nullptr || data_directory[0] == '\0') return;

  std::string pattern = data_directory;
  if (!EndsWithSeparator(pattern)) pattern += '\\';
  pattern += "*.*";
  if (!lister.Open(pattern.c_str())) return;

  DirectoryEntry entry;
  while (lister.Next(entry)) {
    if (IsSelfOrParent(entry.name) || !entry.is_directory) continue;
    const int row = table.RowCount();
    table.AppendRow(std::to_string(row + 1).c_str());
    table.SetItemText(row, kColumnName, entry.name.c_str());
  }
  lister.Close();
}

}  // namespace qm
