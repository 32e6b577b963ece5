#include "morse/code_table.h"

#include <algorithm>

#include "gtest/gtest.h"

namespace morse {
namespace {

TEST(CharToMorse, GivesEveryByteItsRowsCodeOrNone) {
  for (int byte = 0; byte < 256; ++byte) {
    const auto character = static_cast<char>(byte);
    const auto* row = std::find_if(morse_table.begin(), morse_table.end(),
                                   [&](const Code& code) { return code.character == character; });
    const auto expected =
        row == morse_table.end() ? std::nullopt : std::optional<std::string_view>(row->code);
    EXPECT_EQ(char_to_morse(character), expected) << "byte " << byte;
  }
}

TEST(CharToMorse, KnowsTheInternationalCodes) {
  for (const auto& [character, code] :
       {std::pair{'g', "--."}, std::pair{'5', "....."}, std::pair{'e', "."},
        std::pair{'0', "-----"}, std::pair{'z', "--.."}, std::pair{'q', "--.-"}}) {
    EXPECT_EQ(char_to_morse(character), code) << character;
  }
}

TEST(CharToMorse, HasNoCodeForUpperCaseLetters) {
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    EXPECT_EQ(char_to_morse(letter), std::nullopt) << letter;
  }
}

}  // namespace
}  // namespace morse
