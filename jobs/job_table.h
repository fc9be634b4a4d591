#pragma once
#include <cstddef>

namespace qm {

// Columns of the job table; every cell is a code page 932 text.
enum JobColumn : int {
  kColumnNumber = 0,
  kColumnName = 1,
  kColumnStartTime = 2,
  kColumnRemaining = 3,
  kColumnState = 4,
  kColumnCount = 5,
};

// The job table is reached only through these operations. The list view of
// the main dialog is one implementation, an in-memory table another.
class JobTable {
 public:
  virtual ~JobTable() = default;

  virtual int RowCount() const = 0;
  // Copies the cell's text, cut to size - 1 bytes; a row or column outside
  // the table yields the empty text.
  virtual void GetItemText(int row, int column, char* buffer, std::size_t size) const = 0;
  // Replaces one cell; a row or column outside the table changes nothing.
  virtual void SetItemText(int row, int column, const char* text) = 0;

  // Only the folder scan changes the set of rows.
  virtual void DeleteAllRows() = 0;
  // Appends a row at index RowCount() with column 0 set to number_text.
  virtual void AppendRow(const char* number_text) = 0;
};

}  // namespace qm
