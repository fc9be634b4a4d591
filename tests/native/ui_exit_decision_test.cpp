#include <gtest/gtest.h>

#include "ui/exit_decision.h"

namespace {

using qm::ExitOutcome;

enum class Answer { kNotAsked, kYes, kNo };

TEST(ExitDecision, AsksOnlyWhileSchedulingIsActiveAndStaysOnEscapeOrNo) {
  struct Case {
    const char* what;
    bool escape_held;
    bool scheduling_active;
    Answer answer;  // what the user would answer if asked
    bool expect_asked;
    ExitOutcome expected;
  } cases[] = {
      {"idle: saves and ends without asking", false, false, Answer::kYes, false,
       ExitOutcome::kSaveAndEnd},
      {"active, Yes", false, true, Answer::kYes, true, ExitOutcome::kSaveAndEnd},
      {"active, No", false, true, Answer::kNo, true, ExitOutcome::kStay},
      {"Escape held while idle", true, false, Answer::kYes, false, ExitOutcome::kStay},
      {"Escape held while active: not even asked", true, true, Answer::kYes, false,
       ExitOutcome::kStay},
  };
  for (const Case& c : cases) {
    bool asked = false;
    const ExitOutcome outcome = qm::DecideExit(c.escape_held, c.scheduling_active, [&] {
      asked = true;
      return c.answer == Answer::kYes;
    });
    EXPECT_EQ(asked, c.expect_asked) << c.what;
    EXPECT_EQ(outcome, c.expected) << c.what;
  }
}

}  // namespace
