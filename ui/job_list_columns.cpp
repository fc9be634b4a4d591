#include "ui/job_list_columns.h"

namespace qm {

const JobListColumn kJobListColumns[] = {
    {"No", ColumnAlignment::kCenter, 0.06f},
    {"実行する処理の作業名称", ColumnAlignment::kLeft, 0.55f},
    {"実行時間", ColumnAlignment::kCenter, 0.13f},
    {"残り時間", ColumnAlignment::kCenter, 0.13f},
    {"状態", ColumnAlignment::kCenter, 0.10f},
    {nullptr, ColumnAlignment::kLeft, 0.0f},
};

int ColumnWidth(int list_outer_width, float fraction) {
  // Kept in single precision: a double product truncates some widths one
  // pixel lower (500 × 0.13f gives 64 in double, 65 in float).
  const float width = static_cast<float>(list_outer_width) * fraction;
  return static_cast<int>(width);
}

}  // namespace qm
