#include <string>

#include "gtest/gtest.h"
#include "morse/morse.h"

namespace morse {
namespace {

TEST(WordToMorse, StringsTheCodesEachClosedByASlash) {
  for (const auto& [word, morse] :
       {std::pair{"sos", ".../---/.../"}, std::pair{"slovo", ".../.-../---/...-/---/"},
        std::pair{"e", "./"}, std::pair{"42", "....-/..---/"}, std::pair{"a1", ".-/.----/"},
        std::pair{"", ""}}) {
    const WordInMorse translation = word_to_morse(word);
    EXPECT_EQ(translation.text, morse) << word;
    EXPECT_EQ(translation.character_without_code, std::nullopt) << word;
  }
}

TEST(WordToMorse, TranslatesLongWordsInFull) {
  EXPECT_EQ(word_to_morse(std::string(16, '0')).text.size(), 96U);
  EXPECT_EQ(word_to_morse(std::string(17, '0')).text.size(), 102U);
  EXPECT_EQ(word_to_morse("abcdefghijklmnopqrs").text,
            ".-/-.../-.-./-.././..-./--./..../../.---/-.-/.-../--/-./---/.--./--.-/.-./.../");
  EXPECT_EQ(word_to_morse(std::string(4095, '0')).text.size(), 4095U * 6);
}

TEST(WordToMorse, NamesTheFirstCharacterWithoutACode) {
  for (int byte = 0; byte < 256; ++byte) {
    const auto character = static_cast<char>(byte);
    if (char_to_morse(character)) continue;
    for (const std::string& word :
         {std::string{character, 'a', 'b'}, std::string{'a', character, 'b'},
          std::string{'a', 'b', character}, std::string{'a', 'b', character, 'C'}}) {
      const WordInMorse translation = word_to_morse(word);
      EXPECT_EQ(translation.character_without_code, character) << "byte " << byte;
      EXPECT_EQ(translation.text, "") << "byte " << byte;
    }
  }
}

}  // namespace
}  // namespace morse
