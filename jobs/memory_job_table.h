#pragma once
#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "jobs/job_table.h"

namespace qm {

// The job table held as plain texts, for the portable core and its tests.
class MemoryJobTable : public JobTable {
 public:
  int RowCount() const override;
  void GetItemText(int row, int column, char* buffer, std::size_t size) const override;
  void SetItemText(int row, int column, const char* text) override;
  void DeleteAllRows() override;
  void AppendRow(const char* number_text) override;

 private:
  using Row = std::array<std::string, kColumnCount>;
  bool Contains(int row, int column) const;

  std::vector<Row> rows_;
};

}  // namespace qm
