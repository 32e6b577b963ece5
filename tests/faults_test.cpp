// What users and shells do to a program: closed, odd or endless streams.
#include <string>

#include "gtest/gtest.h"
#include "tests/program.h"
#include "tests/texts.h"

namespace pipotka_test {
namespace {

TEST(Faults, InputThatCannotBeReadEndsTheRunAfterTheGreeting) {
  for (const Input input : {Input::closed, Input::directory}) {
    const Ending ending = run_pipotka("", {.input = input});
    EXPECT_EQ(ending.output, greeting + "\n");
    EXPECT_EQ(ending.status, 1);
    EXPECT_EQ(ending.errors, "");
  }
}

TEST(Faults, OutputThatCannotBeWrittenChangesNothingElse) {
  for (const Output output : {Output::closed, Output::full}) {
    for (const auto& [input, status] : {std::pair{"P\nsos\n", 0}, std::pair{"M\n", 1}}) {
      const Ending ending = run_pipotka(input, {.output = output});
      EXPECT_EQ(ending.status, status) << input;
      EXPECT_EQ(ending.errors, "") << input;
    }
  }
}

TEST(Faults, OutputPipeClosedEarlyChangesNothingElse) {
  const Ending ending = run_pipotka("P\nsos\n", {.output_read_limit = 10});
  EXPECT_EQ(ending.status, 0);
  EXPECT_EQ(ending.errors, "");
}

TEST(Faults, EndlessTokenIsRefusedWithoutReadingItAll) {
  const std::string endless = "P\n" + std::string(std::size_t{1} << 24, 'a');
  const Ending ending = run_pipotka(endless);
  EXPECT_EQ(ending.output, greeting + word_prompt + too_long);
  EXPECT_EQ(ending.status, 0);
  EXPECT_LT(ending.input_taken, endless.size());
}

}  // namespace
}  // namespace pipotka_test
