// The International Morse code of the digits and the lower-case letters.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace morse {

struct Code {
  char character;
  std::string_view code;
};

// Digits first, then letters, each in order: a character's row follows from
// the character itself.
// clang-format off
inline constexpr std::array<Code, 36> morse_table{{
    {'0', "-----"}, {'1', ".----"}, {'2', "..---"}, {'3', "...--"}, {'4', "....-"},
    {'5', "....."}, {'6', "-...."}, {'7', "--..."}, {'8', "---.."}, {'9', "----."},
    {'a', ".-"},    {'b', "-..."},  {'c', "-.-."},  {'d', "-.."},   {'e', "."},
    {'f', "..-."},  {'g', "--."},   {'h', "...."},  {'i', ".."},    {'j', ".---"},
    {'k', "-.-"},   {'l', ".-.."},  {'m', "--"},    {'n', "-."},    {'o', "---"},
    {'p', ".--."},  {'q', "--.-"},  {'r', ".-."},   {'s', "..."},   {'t', "-"},
    {'u', "..-"},   {'v', "...-"},  {'w', ".--"},   {'x', "-..-"},  {'y', "-.--"},
    {'z', "--.."},
}};
// clang-format on

inline constexpr std::size_t longest_code = 5;

// The row of a digit or a lower-case letter; nothing for every other byte.
constexpr std::optional<std::size_t> row_of(char character) {
  if (character >= '0' && character <= '9') return static_cast<std::size_t>(character - '0');
  if (character >= 'a' && character <= 'z') return static_cast<std::size_t>(character - 'a') + 10;
  return std::nullopt;
}

// The code of `character`, or nothing when it has none (upper-case letters
// have none). The text is the table's own and lives for the whole run.
constexpr std::optional<std::string_view> char_to_morse(char character) {
  const std::optional<std::size_t> row = row_of(character);
  if (!row) return std::nullopt;
  return morse_table[*row].code;
}

namespace table_checks {

constexpr bool is_code(std::string_view text) {
  return !text.empty() && text.size() <= longest_code &&
         text.find_first_not_of(".-") == std::string_view::npos;
}

constexpr bool rows_follow_their_characters() {
  for (std::size_t row = 0; row < morse_table.size(); ++row) {
    if (row_of(morse_table[row].character) != row) return false;
  }
  return true;
}

constexpr bool digits_have_five_symbols_and_letters_fewer() {
  return std::all_of(morse_table.begin(), morse_table.end(), [](const Code& row) {
    const bool digit = row.character <= '9';
    return is_code(row.code) && (row.code.size() == longest_code) == digit;
  });
}

constexpr bool codes_are_distinct() {
  std::array<std::string_view, morse_table.size()> codes{};
  std::transform(morse_table.begin(), morse_table.end(), codes.begin(),
                 [](const Code& row) { return row.code; });
  std::sort(codes.begin(), codes.end());
  return std::adjacent_find(codes.begin(), codes.end()) == codes.end();
}

static_assert(rows_follow_their_characters());
static_assert(digits_have_five_symbols_and_letters_fewer());
static_assert(codes_are_distinct());

}  // namespace table_checks

}  // namespace morse
