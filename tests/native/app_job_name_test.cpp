#include <gtest/gtest.h>

#include <ostream>

#include "app/job_name.h"
#include "tests/native/printable_text.h"

namespace {

struct NameCase {
  const char* name;
  bool valid;
};

void PrintTo(const NameCase& c, std::ostream* out) { *out << qm_test::PrintableText(c.name); }

class JobName : public testing::TestWithParam<NameCase> {};

TEST_P(JobName, AcceptsOnlyWhatCanNameItsOwnFolder) {
  EXPECT_EQ(qm::IsValidJobName(GetParam().name), GetParam().valid)
      << (GetParam().name ? GetParam().name : "(null)");
}

// 表 and ソ end in 5C and are whole characters, not backslashes; a lone
// lead byte at the end is a cut character.
INSTANTIATE_TEST_SUITE_P(
    Cases, JobName,
    testing::Values(NameCase{"朝の処理", true}, NameCase{"月次 集計", true},
                    NameCase{"表計算ソフト", true}, NameCase{"job-1_(a)", true},
                    NameCase{"", false}, NameCase{nullptr, false}, NameCase{"a\\b", false},
                    NameCase{"a/b", false}, NameCase{"a:b", false}, NameCase{"a*b", false},
                    NameCase{"a?b", false}, NameCase{"a\"b", false}, NameCase{"a<b", false},
                    NameCase{"a>b", false}, NameCase{"a|b", false}, NameCase{"a\tb", false},
                    NameCase{"name.", false}, NameCase{"name ", false}, NameCase{"..", false},
                    NameCase{"abc\x95", false}));

}  // namespace
