#include "jobs/memory_job_table.h"

#include <cstring>

namespace qm {

int MemoryJobTable::RowCount() const { return static_cast<int>(rows_.size()); }

bool MemoryJobTable::Contains(int row, int column) const {
  return row >= 0 && row < RowCount() && column >= 0 && column < kColumnCount;
}

void MemoryJobTable::GetItemText(int row, int column, char* buffer, std::size_t size) const {
  if (buffer == nullptr || size == 0) return;
  buffer[0] = '\0';
  if (!Contains(row, column)) return;
  const std::string& text = rows_[row][column];
  const std::size_t length = text.size() < size - 1 ? text.size() : size - 1;
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
}

void MemoryJobTable::SetItemText(int row, int column, const char* text) {
  if (!Contains(row, column)) return;
  rows_[row][column] = text != nullptr ? text : "";
}

void MemoryJobTable::DeleteAllRows() { rows_.clear(); }

void MemoryJobTable::AppendRow(const char* number_text) {
  rows_.emplace_back();
  rows_.back()[kColumnNumber] = number_text != nullptr ? number_text : "";
}

}  // namespace qm
