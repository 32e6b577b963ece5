#include "morse/decoding.h"

#include <algorithm>
#include <string>

#include "gtest/gtest.h"

namespace morse {
namespace {

using namespace std::string_literals;

// The character whose code is `text` in the code table, or NO_CHARACTER.
char character_with_code(std::string_view text) {
  const auto* row = std::find_if(morse_table.begin(), morse_table.end(),
                                 [&](const Code& code) { return code.code == text; });
  return row == morse_table.end() ? NO_CHARACTER : row->character;
}

// All texts of one to five symbols.
std::vector<std::string> all_symbol_texts() {
  std::vector<std::string> texts{""};
  std::vector<std::string> all;
  for (std::size_t length = 1; length <= longest_code; ++length) {
    std::vector<std::string> longer;
    for (const std::string& text : texts) {
      longer.push_back(text + '.');
      longer.push_back(text + '-');
    }
    texts = longer;
    all.insert(all.end(), texts.begin(), texts.end());
  }
  return all;
}

TEST(MorseToChar, DecodesExactlyTheTableCodes) {
  const std::vector<std::string> texts = all_symbol_texts();
  ASSERT_EQ(texts.size(), 62U);
  int decoded = 0;
  for (const std::string& text : texts) {
    EXPECT_EQ(morse_to_char(text), character_with_code(text)) << text;
    decoded += morse_to_char(text) != NO_CHARACTER ? 1 : 0;
  }
  EXPECT_EQ(decoded, 36);
}

TEST(MorseToChar, OnlyTheFirstFiveSymbolsCount) {
  for (const std::string& text : all_symbol_texts()) {
    if (text.size() < longest_code) continue;
    for (const char* tail : {".", "-", "-.-.-.", "x"}) {
      EXPECT_EQ(morse_to_char(text + tail), morse_to_char(text)) << text + tail;
    }
  }
  EXPECT_EQ(morse_to_char("......"), '5');
  EXPECT_EQ(morse_to_char(".-.-.-"), NO_CHARACTER);
}

TEST(MorseToChar, StopsAtTheFirstByteThatIsNoSymbol) {
  for (const std::string& text : all_symbol_texts()) {
    for (const std::string& tail : {"x"s, "/"s, " "s, "\0-"s, "\xff."s}) {
      EXPECT_EQ(morse_to_char(text + tail), morse_to_char(text)) << text + tail;
    }
  }
  EXPECT_EQ(morse_to_char(".-x"), 'a');
  EXPECT_EQ(morse_to_char(".../"), 's');
}

TEST(MorseToChar, TextsThatBeginWithNoSymbolHaveNoCharacter) {
  for (const std::string text : {"", "x", "/...", "5", " .", "\xff", "e"}) {
    EXPECT_EQ(morse_to_char(text), NO_CHARACTER) << text;
  }
}

TEST(MorseToChar, ValuesWithoutACharacterAtTheirCount) {
  EXPECT_EQ(morse_to_char("---."), NO_CHARACTER);   // value 7, count 4
  EXPECT_EQ(morse_to_char(".-.-"), NO_CHARACTER);   // value 10
  EXPECT_EQ(morse_to_char("-...-"), NO_CHARACTER);  // value 17
}

}  // namespace
}  // namespace morse
