// Whole dialogues through pipes: exact input bytes in, exact output bytes and
// exit status out.
#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "morse/code_table.h"
#include "tests/program.h"
#include "tests/texts.h"

namespace pipotka_test {
namespace {

using namespace std::string_literals;

struct Dialogue {
  std::string input;
  std::string answer;  // what follows the greeting
  int status;
};

void PrintTo(const Dialogue& dialogue, std::ostream* out) {
  const std::string input = testing::PrintToString(dialogue.input);
  *out << (input.size() > 40 ? input.substr(0, 36) + "...\"" : input);
}

class DialogueTest : public testing::TestWithParam<Dialogue> {};

TEST_P(DialogueTest, AnswersExactly) {
  const Ending ending = run_pipotka(GetParam().input);
  EXPECT_EQ(ending.output, as_written(greeting + GetParam().answer));
  EXPECT_EQ(ending.status, GetParam().status);
  EXPECT_EQ(ending.errors, "");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Menu, DialogueTest, testing::Values(
    Dialogue{"K\n", "", 0},
    Dialogue{"k\n", "", 0},
    Dialogue{"Kgarbage\nmore\n", "", 0},
    Dialogue{"L\n", fallback, 0},
    Dialogue{"l\n", fallback, 0},
    Dialogue{"\n", fallback, 0},
    Dialogue{" K\n", fallback, 0},
    Dialogue{"\r\n", fallback, 0},
    Dialogue{"", "\n", 1}));

INSTANTIATE_TEST_SUITE_P(CharacterMode, DialogueTest, testing::Values(
    Dialogue{"M\ng\n", character_prompt + code_of('g', "--."), 0},
    Dialogue{"M\nG\n", character_prompt + no_code_for('G'), 0},
    Dialogue{"M\n5\n", character_prompt + code_of('5', "....."), 0},
    Dialogue{"M\ne\n", character_prompt + code_of('e', "."), 0},
    Dialogue{"M\n \n", character_prompt + no_code_for(' '), 0},
    Dialogue{"M\n\n", character_prompt + no_code_for('\n'), 0},
    // The rest of the mode letter's line goes, the next line is translated.
    Dialogue{"Mg\ne\n", character_prompt + code_of('e', "."), 0},
    Dialogue{"M\r\ng\n", character_prompt + code_of('g', "--."), 0},
    // m drops one character only.
    Dialogue{"mg\n", character_prompt + no_code_for('\n'), 0},
    Dialogue{"m g\n", character_prompt + code_of('g', "--."), 0},
    Dialogue{"m\r\ng\n", character_prompt + code_of('g', "--."), 0},
    Dialogue{"m\ngo\n", character_prompt + code_of('g', "--."), 0},
    Dialogue{"M\n", character_prompt + "\n", 1},
    Dialogue{"M", character_prompt + "\n", 1},
    Dialogue{"m\n", character_prompt + "\n", 1}));

INSTANTIATE_TEST_SUITE_P(DecodingMode, DialogueTest, testing::Values(
    Dialogue{"Z\n--..\n", decoding_prompt + decoded("--..", 'z'), 0},
    Dialogue{"z\n--..\n", decoding_prompt + decoded("--..", 'z'), 0},
    Dialogue{"Z --..\n", decoding_prompt + decoded("--..", 'z'), 0},
    Dialogue{"Z\n\n \t\n  .-x tail\n", decoding_prompt + decoded(".-x", 'a'), 0},
    Dialogue{"Z\n......\n", decoding_prompt + decoded("......", '5'), 0},
    Dialogue{"Z\n.../\n", decoding_prompt + decoded(".../", 's'), 0},
    Dialogue{"Z\n.-.-.-\n", decoding_prompt + not_decoded(".-.-.-"), 0},
    Dialogue{"Z\n/...\n", decoding_prompt + not_decoded("/..."), 0},
    Dialogue{"Z\n%s%n\n", decoding_prompt + not_decoded("%s%n"), 0},
    Dialogue{"Z\n\x80\xff\n", decoding_prompt + not_decoded("\x80\xff"), 0},
    Dialogue{"Z\n.-\0--\n"s, decoding_prompt + decoded(".-", 'a'), 0},
    Dialogue{"Z\n--..", decoding_prompt + decoded("--..", 'z'), 0},
    Dialogue{"Z\n" + std::string(4095, '.') + "\n",
             decoding_prompt + decoded(std::string(4095, '.'), '5'), 0},
    Dialogue{"Z\n" + std::string(4096, '.') + "\n", decoding_prompt + too_long, 0},
    Dialogue{"Z\n \n", decoding_prompt + "\n", 1}));

INSTANTIATE_TEST_SUITE_P(WordMode, DialogueTest, testing::Values(
    Dialogue{"P\nsos\n", word_prompt + translated("sos", ".../---/.../"), 0},
    Dialogue{"p\nsos\n", word_prompt + translated("sos", ".../---/.../"), 0},
    Dialogue{"P slovo\n", word_prompt + translated("slovo", ".../.-../---/...-/---/"), 0},
    Dialogue{"P\na1\n", word_prompt + translated("a1", ".-/.----/"), 0},
    Dialogue{"P\nSos\n", word_prompt + no_code_for('S'), 0},
    Dialogue{"P\nab%s\n", word_prompt + no_code_for('%'), 0},
    Dialogue{"P\nt\xe9\x80\n", word_prompt + no_code_for('\xe9'), 0},
    Dialogue{"P\nab\0%\n"s, word_prompt + translated("ab", ".-/-.../"), 0},
    Dialogue{"P\n" + std::string(4095, '7') + "\n",
             word_prompt + translated(std::string(4095, '7'), [] {
               std::string morse;
               for (int i = 0; i < 4095; ++i) morse += "--.../";
               return morse;
             }()),
             0},
    Dialogue{"P\n" + std::string(4096, '7') + "\n", word_prompt + too_long, 0},
    Dialogue{"P\n", word_prompt + "\n", 1}));
// clang-format on

TEST(ModeLetter, EveryByteWithoutAModeGetsTheFallback) {
  const std::string modes = "MmZzPpKk";
  for (int byte = 0; byte < 256; ++byte) {
    const std::string letter(1, static_cast<char>(byte));
    if (modes.find(letter) != std::string::npos) continue;
    const Ending ending = run_pipotka(letter);
    EXPECT_EQ(ending.output, greeting + fallback) << "mode letter " << byte;
    EXPECT_EQ(ending.status, 0) << "mode letter " << byte;
  }
}

TEST(CharacterMode, EveryByteGetsItsCodeOrTheNoCodeMessage) {
  for (int byte = 0; byte < 256; ++byte) {
    const auto character = static_cast<char>(byte);
    std::string answer = no_code_for(character);
    for (const morse::Code& row : morse::morse_table) {
      if (row.character == character) answer = code_of(character, row.code);
    }
    const Ending ending = run_pipotka(std::string{'M', '\n', character});
    EXPECT_EQ(ending.output, greeting + character_prompt + answer) << "character " << byte;
    EXPECT_EQ(ending.status, 0) << "character " << byte;
  }
}

// Ending the input anywhere either ends the run at a prompt, with one line
// feed and status 1, or lets the read in progress end as Enter would.
TEST(EndOfInput, AnywhereEndsTheRunAtAWholeLine) {
  for (const std::string dialogue : {"M\ng\n", "m\ng\n", "Z\n--..\n", "P\nsos\n", "K\n"}) {
    const std::string full_output = run_pipotka(dialogue).output;
    for (std::size_t cut = 0; cut < dialogue.size(); ++cut) {
      const std::string input = dialogue.substr(0, cut);
      const Ending ending = run_pipotka(input);
      if (ending.status == 1) {
        const std::string shown = ending.output.substr(0, ending.output.size() - 1);
        EXPECT_TRUE(full_output.starts_with(shown)) << testing::PrintToString(input);
        EXPECT_TRUE(shown.ends_with(": ")) << testing::PrintToString(input);
        EXPECT_TRUE(ending.output.ends_with('\n')) << testing::PrintToString(input);
      } else {
        EXPECT_EQ(ending.status, 0) << testing::PrintToString(input);
        EXPECT_EQ(ending.output, run_pipotka(input + "\n").output) << testing::PrintToString(input);
      }
      EXPECT_EQ(ending.errors, "");
    }
  }
}

}  // namespace
}  // namespace pipotka_test
