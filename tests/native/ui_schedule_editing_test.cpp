#include <gtest/gtest.h>

#include <string>

#include "tests/native/printable_text.h"
#include "ui/schedule_editing.h"

namespace {

TEST(SanitiseJobName, RemovesForbiddenCharactersButNeverASecondByte) {
  struct {
    const char* name;
    const char* expected;
  } cases[] = {
      {"a/b:c", "abc"},
      {"\\/:*?\"<>|", ""},
      {"ソフト", "ソフト"},      // 83 5C: the 0x5C stays
      {"ポ|ー", "ポー"},         // 83 7C stays, the real | goes
      {"表\\示", "表示"},        // 95 5C stays, the real backslash goes
      {"x\\\\y", "xy"},          // two single-byte backslashes
      {"abc.", "abc"},
      {"abc. . ", "abc"},
      {" lead", " lead"},
      {"a.b", "a.b"},
      {"ソ.", "ソ"},
      {"|.", ""},
  };
  for (const auto& c : cases) {
    char name[512];
    std::snprintf(name, sizeof name, "%s", c.name);
    qm::SanitiseJobName(name);
    EXPECT_EQ(std::string(name), c.expected) << qm_test::PrintableText(c.name);
  }
}

TEST(TimeFieldsFromCell, SplitsAtTheFirstColonIntoTwoDigitNumbers) {
  struct {
    const char* cell;
    const char* hour;
    const char* minute;
  } cases[] = {
      {"9:5", "09", "05"}, {"09:30", "09", "30"}, {"123:05", "123", "05"},
      {":", "00", "00"},   {"1:2:3", "01", "02"}, {"0930", "", ""},
      {"", "", ""},        {"x:y", "00", "00"},
  };
  for (const auto& c : cases) {
    const qm::TimeFields fields = qm::TimeFieldsFromCell(c.cell);
    EXPECT_EQ(fields.hour, c.hour) << c.cell;
    EXPECT_EQ(fields.minute, c.minute) << c.cell;
  }
}

TEST(EditFromTimeFields, WritesTheTimeOrClearsTheRowAndEmptiesAMinuteOver59) {
  struct {
    const char* hour;
    const char* minute;
    bool empty_minute;
    const char* start_time;  // nullptr: columns 2 to 4 are emptied
  } cases[] = {
      {"09", "5", false, "09:05"},  {"123", "5", false, "123:05"}, {"9", "59", false, "09:59"},
      {"09", "60", true, nullptr},  {"09", "99", true, nullptr},   {"", "30", false, nullptr},
      {"09", "", false, nullptr},   {"", "", false, nullptr},      {"x", "y", false, "00:00"},
  };
  for (const auto& c : cases) {
    const qm::StartTimeEdit edit = qm::EditFromTimeFields(c.hour, c.minute);
    SCOPED_TRACE(std::string(c.hour) + "|" + c.minute);
    EXPECT_EQ(edit.empty_minute_field, c.empty_minute);
    EXPECT_EQ(edit.write_start_time, c.start_time != nullptr);
    if (c.start_time != nullptr) {
      EXPECT_EQ(edit.start_time, c.start_time);
    }
  }
}

}  // namespace
