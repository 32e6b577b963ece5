// Checks properties of the translations on arbitrary bytes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "morse/morse.h"

namespace {

bool is_table_code(std::string_view text) {
  return std::any_of(morse::morse_table.begin(), morse::morse_table.end(),
                     [text](const morse::Code& row) { return row.code == text; });
}

// The character decoded has the scanned symbols as its code; NO_CHARACTER
// means that no character has.
void check_decoding(std::string_view text) {
  const std::string_view symbols =
      text.substr(0, std::min(morse::longest_code, text.find_first_not_of(".-")));
  const char character = morse::morse_to_char(text);
  if (character == morse::NO_CHARACTER) {
    require(!is_table_code(symbols), "a code decoded to no character\n");
  } else {
    require(morse::char_to_morse(character) == symbols, "decoded to the wrong character\n");
  }
}

void check_round_trip(char character) {
  if (const auto code = morse::char_to_morse(character)) {
    require(morse::morse_to_char(*code) == character, "a code did not decode to its character\n");
  }
}

// The translation splits on "/" into codes that decode to the word, or names
// the word's first character without a code.
void check_word(std::string_view word) {
  const morse::WordInMorse translation = morse::word_to_morse(word);
  const auto* first_without_code = std::find_if(
      word.begin(), word.end(), [](char character) { return !morse::char_to_morse(character); });
  if (first_without_code != word.end()) {
    require(translation.character_without_code == *first_without_code,
            "the wrong character was named\n");
    require(translation.text.empty(), "a word was translated in part\n");
    return;
  }
  require(!translation.character_without_code, "a character was named without cause\n");
  std::string_view rest = translation.text;
  for (const char character : word) {
    const std::size_t slash = rest.find('/');
    require(slash != std::string_view::npos, "a code is missing its slash\n");
    require(morse::morse_to_char(rest.substr(0, slash)) == character,
            "a code decoded to another character\n");
    rest.remove_prefix(slash + 1);
  }
  require(rest.empty(), "the translation has more codes than the word has characters\n");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);  // NOLINT
  check_decoding(text);
  if (!text.empty()) check_round_trip(text.front());
  check_word(text);
  return 0;
}
