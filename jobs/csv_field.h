#pragma once
#include <cstddef>

namespace qm {

// Copies field number index (from 1) of line into item, cut to item_size - 1
// bytes. True when the field exists, even empty; false, with item empty, when
// the line has no such field. A field enclosed in double quotes keeps its
// commas and loses the enclosing quotes; a doubled quote inside becomes one.
//
// Called without a line, with an empty line or without a buffer (only a
// programming error does that) it reports through the misuse reporter and
// ends the process with exit status 1.
bool GetCsvItem(int index, const char* line, char* item, std::size_t item_size);

// Shows the misuse message to the user. The portable default writes it to
// the standard error stream; the Win32 layer installs a message box.
using CsvMisuseReporter = void (*)(const char* message, const char* caption);
void SetCsvMisuseReporter(CsvMisuseReporter reporter);

}  // namespace qm
