// Dialogues at a console: what a pipe cannot show.
#include <csignal>
#include <string>

#include "gtest/gtest.h"
#include "tests/program.h"
#include "tests/texts.h"

namespace pipotka_test {
namespace {

// The prompt is on the screen before the program waits: nothing has been typed yet.
TEST(Terminal, ShowsThePromptBeforeWaiting) {
  Terminal terminal;
  EXPECT_EQ(terminal.read_until("ENTER: "), on_screen(greeting));
  terminal.type("k\n");
  EXPECT_EQ(terminal.read_to_end(), "k\r\n");
  EXPECT_EQ(terminal.wait(), 0);
}

TEST(Terminal, CharacterModeWaitsForANewLineAfterDiscarding) {
  Terminal terminal;
  terminal.read_until("ENTER: ");
  terminal.type("Mg\n");
  EXPECT_EQ(terminal.read_until("[g]: "), on_screen("Mg\n" + character_prompt));
  terminal.type("e\n");
  EXPECT_EQ(terminal.read_to_end(), on_screen("e\n" + code_of('e', ".")));
  EXPECT_EQ(terminal.wait(), 0);
}

TEST(Terminal, OperandOnTheModeLetterLineIsTakenAtOnce) {
  for (const auto& [line, answer] :
       {std::pair{"m g\n", character_prompt + code_of('g', "--.")},
        std::pair{"Z --..\n", decoding_prompt + decoded("--..", 'z')},
        std::pair{"p sos\n", word_prompt + translated("sos", ".../---/.../")}}) {
    Terminal terminal;
    terminal.read_until("ENTER: ");
    terminal.type(line);
    EXPECT_EQ(terminal.read_to_end(), on_screen(line + answer));
    EXPECT_EQ(terminal.wait(), 0);
  }
}

TEST(Terminal, TokenPromptWaitsAcrossEmptyLines) {
  Terminal terminal;
  terminal.read_until("ENTER: ");
  terminal.type("Z\n");
  terminal.read_until("[--..]: ");
  terminal.type("\n\n");
  terminal.read_until("\r\n\r\n");
  terminal.type("...\n");
  EXPECT_EQ(terminal.read_to_end(), on_screen("...\n" + decoded("...", 's')));
  EXPECT_EQ(terminal.wait(), 0);
}

TEST(Terminal, InterruptEndsTheRunAndKeepsWhatWasShown) {
  Terminal terminal;
  terminal.read_until("ENTER: ");
  terminal.type("P\n");
  terminal.read_until("[slovo]: ");
  terminal.type("\x03");
  EXPECT_EQ(terminal.read_to_end(), "^C");
  EXPECT_EQ(terminal.wait(), 128 + SIGINT);
}

TEST(Terminal, EndOfFileKeyEndsTheRunAtAWholeLine) {
  Terminal terminal;
  terminal.read_until("ENTER: ");
  terminal.type("\x04");
  EXPECT_EQ(terminal.read_to_end(), "\r\n");
  EXPECT_EQ(terminal.wait(), 1);
}

}  // namespace
}  // namespace pipotka_test
