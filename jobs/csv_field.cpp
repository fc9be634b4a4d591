#include "jobs/csv_field.h"

#include <cstdio>
#include <cstdlib>

namespace qm {
namespace {

void ReportToStandardError(const char* message, const char* caption) {
  std::fprintf(stderr, "%s: %s\n", caption, message);
}

CsvMisuseReporter g_misuse_reporter = ReportToStandardError;

[[noreturn]] void EndForMisuse() {
  g_misuse_reporter("引数の指定に誤りがあります", "GetCsvItem");
  std::exit(1);
}

}  // namespace

void SetCsvMisuseReporter(CsvMisuseReporter reporter) {
  g_misuse_reporter = reporter != nullptr ? reporter : ReportToStandardError;
}

bool GetCsvItem(int index, const char* line, char* item, std::size_t item_size) {
  if (line == nullptr || line[0] == '\0' || item == nullptr || item_size == 0) EndForMisuse();
  item[0] = '\0';
  if (index < 1) return false;
  const std::size_t wanted = static_cast<std::size_t>(index);

  // Commas inside double quotes do not separate fields; the scan works on
  // bytes, since none it looks for can be the second byte of a character.
  const char* begin = line;
  const char* end = nullptr;
  bool inside_quotes = false;
  std::size_t commas = 0;
  const char* p = line;
  for (; *p != '\0'; ++p) {
    if (*p == '"') {
      inside_quotes = !inside_quotes;
    } else if (*p == ',' && !inside_quotes) {
      if (++commas == wanted) {
        end = p;
        break;
      }
      begin = p + 1;
    }
  }
  if (end == nullptr) {
    if (wanted != commas + 1) return false;
    end = p;
  }

  // The line end goes before the spaces, so spaces after CR LF stay.
  while (end > begin && (end[-1] == '\r' || end[-1] == '\n')) --end;
  while (begin < end && *begin == ' ') ++begin;
  while (end > begin && end[-1] == ' ') --end;
  if (end > begin && *begin == '"' && end[-1] == '"') {
    ++begin;
    if (end > begin) --end;
  }

  std::size_t length = 0;
  for (const char* q = begin; q < end && length < item_size - 1; ++q) {
    item[length++] = *q;
    if (*q == '"' && q + 1 < end && q[1] == '"') ++q;
  }
  item[length] = '\0';
  return true;
}

}  // namespace qm
