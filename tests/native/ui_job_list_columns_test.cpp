#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "ui/job_list_columns.h"

namespace {

std::vector<int> WidthsFor(int outer_width) {
  std::vector<int> widths;
  for (const qm::JobListColumn* column = qm::kJobListColumns; column->heading; ++column) {
    widths.push_back(qm::ColumnWidth(outer_width, column->width_fraction));
  }
  return widths;
}

TEST(JobListColumns, WidthsAreSinglePrecisionFractionsTruncated) {
  struct {
    int outer_width;
    std::vector<int> expected;
  } cases[] = {
      // A double product would give 29, 64, 64 here.
      {500, {30, 275, 65, 65, 50}},
      // Exact decimal arithmetic would give 117 for the two time columns.
      {900, {54, 495, 116, 116, 90}},
      {627, {37, 344, 81, 81, 62}},
      {0, {0, 0, 0, 0, 0}},
  };
  for (const auto& c : cases) EXPECT_EQ(WidthsFor(c.outer_width), c.expected) << c.outer_width;
}

TEST(JobListColumns, FiveHeadingsThenTheEnd) {
  const char* headings[] = {"No", "実行する処理の作業名称", "実行時間", "残り時間", "状態"};
  for (int i = 0; i < 5; ++i) EXPECT_STREQ(qm::kJobListColumns[i].heading, headings[i]);
  EXPECT_EQ(qm::kJobListColumns[5].heading, nullptr);
  EXPECT_EQ(qm::kJobListColumns[1].alignment, qm::ColumnAlignment::kLeft);
  EXPECT_EQ(qm::kJobListColumns[0].alignment, qm::ColumnAlignment::kCenter);
}

}  // namespace
