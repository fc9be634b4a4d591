#pragma once

// The shared row variables of the job table: the current row and the row
// current before the last selection update (-1 for none), and the row count
// that every pass over all rows stores first and re-reads before each step,
// so a nested pass that refreshes it also bounds the pass around it.
extern int g_nCurRow;
extern int g_nPrevRow;
extern int g_nRowCount;
