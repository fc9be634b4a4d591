#include "jobs/row_state.h"

int g_nCurRow = -1;
int g_nPrevRow = -1;
int g_nRowCount = 0;
