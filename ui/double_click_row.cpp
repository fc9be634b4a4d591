#include "ui/double_click_row.h"

#include <cstring>

namespace qm {

namespace {
bool RowHoldsName(const JobTable& table, int row, const char* name) {
  char cell[sizeof(ChosenJob::name)];
  table.GetItemText(row, kColumnName, cell, sizeof cell);
  return std::strcmp(cell, name) == 0;
}
}  // namespace

ChosenJob RememberChosenJob(const JobTable& table, int row) {
  ChosenJob job;
  job.row = row;
  if (row >= 0) table.GetItemText(row, kColumnName, job.name, sizeof job.name);
  return job;
}

int ResolveChosenJobRow(const JobTable& table, const ChosenJob& job) {
  if (job.row < 0 || job.name[0] == '\0') return -1;
  if (job.row < table.RowCount() && RowHoldsName(table, job.row, job.name)) return job.row;
  for (int row = 0; row < table.RowCount(); ++row) {
    if (RowHoldsName(table, row, job.name)) return row;
  }
  return -1;
}

}  // namespace qm
