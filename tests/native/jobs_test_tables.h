#pragma once
#include <cstdio>
#include <string>
#include <vector>

#include "app/buffer_limits.h"
#include "jobs/memory_job_table.h"

namespace qm::testing {

// A table as the scan leaves it: one row per name, numbered from 1.
inline MemoryJobTable TableWithJobs(const std::vector<std::string>& names) {
  MemoryJobTable table;
  for (const std::string& name : names) {
    const int row = table.RowCount();
    table.AppendRow(std::to_string(row + 1).c_str());
    table.SetItemText(row, kColumnName, name.c_str());
  }
  return table;
}

inline std::string Cell(const JobTable& table, int row, int column) {
  char text[kCellBufferSize];
  table.GetItemText(row, column, text, sizeof text);
  return text;
}

// Bytes shown so that test names and messages stay readable ASCII.
inline std::string Escaped(const std::string& bytes) {
  std::string text;
  for (unsigned char byte : bytes) {
    if (byte >= 0x21 && byte < 0x7F && byte != '\\') {
      text += static_cast<char>(byte);
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", byte);
      text += hex;
    }
  }
  return text;
}

}  // namespace qm::testing
