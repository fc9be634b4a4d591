#pragma once
#include "jobs/job_table.h"

namespace qm {

// The job a double click chose, remembered before the question is asked:
// its row and that row's name cell at that moment.
struct ChosenJob {
  int row = -1;
  char name[512] = "";
};

ChosenJob RememberChosenJob(const JobTable& table, int row);

// The row to run once the user has said Yes. The table may have changed
// while the question was open (a minute check, a stopped warning): the
// remembered row if it still holds the name, else the first row holding the
// name, else -1. A chosen job without a name is never run.
int ResolveChosenJobRow(const JobTable& table, const ChosenJob& job);

}  // namespace qm
