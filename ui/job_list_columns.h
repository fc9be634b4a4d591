#pragma once

namespace qm {

enum class ColumnAlignment { kLeft, kCenter };

// The job table's column headings with the list's layout of each column.
// An entry with a null heading ends the table; code that walks the columns
// stops there.
struct JobListColumn {
  const char* heading;
  ColumnAlignment alignment;
  float width_fraction;  // of the list's outer width
};

extern const JobListColumn kJobListColumns[];

// A column's width in pixels: the outer width in single precision times the
// fraction, truncated toward zero.
int ColumnWidth(int list_outer_width, float fraction);

}  // namespace qm
