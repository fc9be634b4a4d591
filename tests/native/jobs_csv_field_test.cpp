#include <gtest/gtest.h>

#include <string>

#include "jobs/csv_field.h"
#include "jobs_test_tables.h"

namespace {

struct CsvCase {
  const char* line;
  int index;
  bool found;
  std::string item;
};

void PrintTo(const CsvCase& c, std::ostream* out) {
  *out << qm::testing::Escaped(c.line) << " #" << c.index;
}

class CsvField : public ::testing::TestWithParam<CsvCase> {};

TEST_P(CsvField, ReadsTheField) {
  const CsvCase& c = GetParam();
  char item[512] = "stale";
  EXPECT_EQ(qm::GetCsvItem(c.index, c.line, item, sizeof item), c.found);
  EXPECT_EQ(std::string(item), c.item);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CsvField,
    ::testing::Values(
        CsvCase{"a,\"b,c\",d", 1, true, "a"},
        CsvCase{"a,\"b,c\",d", 2, true, "b,c"},
        CsvCase{"a,\"b,c\",d", 3, true, "d"},
        CsvCase{"\"x\"\"y\"", 1, true, "x\"y"},
        CsvCase{"\"\"\"a\"\"\"", 1, true, "\"a\""},
        CsvCase{"a,,b", 2, true, ""},
        CsvCase{"a,b", 3, false, ""},
        CsvCase{"a,b", 0, false, ""},
        CsvCase{"a,b", -1, false, ""},
        CsvCase{",", 2, true, ""},
        CsvCase{"job1,09:30,開始\r\n", 3, true, "開始"},
        CsvCase{"a,b  \r\n", 2, true, "b"},
        CsvCase{"a,b\r\n  ", 2, true, "b\r\n"},
        CsvCase{"a,b\n\r\r", 2, true, "b"},
        CsvCase{"   lead,x", 1, true, "lead"},
        CsvCase{"\t x \t", 1, true, "\t x \t"},
        CsvCase{"\"", 1, true, ""},
        CsvCase{"a\"b\"c,d", 1, true, "a\"b\"c"},
        CsvCase{"\"a,b", 1, true, "\"a,b"},
        CsvCase{"\"a,b", 2, false, ""},
        CsvCase{"\" a \",x", 1, true, " a "},
        CsvCase{"表,ソ", 2, true, "ソ"}));

TEST(CsvFieldBuffer, CutsTheFieldToOneByteLessThanTheBuffer) {
  const std::string line = "x," + std::string(600, 'y') + ",z";
  char item[512];
  ASSERT_TRUE(qm::GetCsvItem(2, line.c_str(), item, sizeof item));
  EXPECT_EQ(std::string(item), std::string(511, 'y'));

  char small[4];
  ASSERT_TRUE(qm::GetCsvItem(1, "\"a\"\"bcd\"", small, sizeof small));
  EXPECT_EQ(std::string(small), "a\"b");
  char one[1];
  ASSERT_TRUE(qm::GetCsvItem(1, "abc", one, sizeof one));
  EXPECT_EQ(std::string(one), "");
}

TEST(CsvFieldMisuse, EndsTheProcessWithStatusOne) {
  char item[16];
  EXPECT_EXIT(qm::GetCsvItem(1, nullptr, item, sizeof item), ::testing::ExitedWithCode(1), "GetCsvItem");
  EXPECT_EXIT(qm::GetCsvItem(1, "", item, sizeof item), ::testing::ExitedWithCode(1), "GetCsvItem");
  EXPECT_EXIT(qm::GetCsvItem(1, "a", nullptr, 16), ::testing::ExitedWithCode(1), "GetCsvItem");
  EXPECT_EXIT(qm::GetCsvItem(1, "a", item, 0), ::testing::ExitedWithCode(1), "GetCsvItem");
}

}  // namespace
