// Decoding a Morse code text into its character.
//
// The decoder does not search the code table. It weighs the first five
// symbols, a dash at position i counting 2^i and a dot nothing, counts them,
// and selects the character by the pair (value, count) from a table of its own.
// The two tables are proved to agree below.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

#include "morse/code_table.h"

namespace morse {

// What morse_to_char returns when no character has the code.
inline constexpr char NO_CHARACTER = static_cast<char>(255);

// clang-format off
// An empty cell of the selection table.
inline constexpr char nil = NO_CHARACTER;

// One row for each value; its columns are the counts 1 to 5.
inline constexpr std::array<std::array<char, longest_code>, 32> selection_table{{
    /*  0 */ {'e', 'i', 's', 'h', '5'},
    /*  1 */ {'t', 'n', 'd', 'b', '6'},
    /*  2 */ {nil, 'a', 'r', 'l', nil},
    /*  3 */ {nil, 'm', 'g', 'z', '7'},
    /*  4 */ {nil, nil, 'u', 'f', nil},
    /*  5 */ {nil, nil, 'k', 'c', nil},
    /*  6 */ {nil, nil, 'w', 'p', nil},
    /*  7 */ {nil, nil, 'o', nil, '8'},
    /*  8 */ {nil, nil, nil, 'v', nil},
    /*  9 */ {nil, nil, nil, 'x', nil},
    /* 10 */ {nil, nil, nil, nil, nil},
    /* 11 */ {nil, nil, nil, 'q', nil},
    /* 12 */ {nil, nil, nil, nil, nil},
    /* 13 */ {nil, nil, nil, 'y', nil},
    /* 14 */ {nil, nil, nil, 'j', nil},
    /* 15 */ {nil, nil, nil, nil, '9'},
    /* 16 */ {nil, nil, nil, nil, '4'},
    /* 17 */ {nil, nil, nil, nil, nil},
    /* 18 */ {nil, nil, nil, nil, nil},
    /* 19 */ {nil, nil, nil, nil, nil},
    /* 20 */ {nil, nil, nil, nil, nil},
    /* 21 */ {nil, nil, nil, nil, nil},
    /* 22 */ {nil, nil, nil, nil, nil},
    /* 23 */ {nil, nil, nil, nil, nil},
    /* 24 */ {nil, nil, nil, nil, '3'},
    /* 25 */ {nil, nil, nil, nil, nil},
    /* 26 */ {nil, nil, nil, nil, nil},
    /* 27 */ {nil, nil, nil, nil, nil},
    /* 28 */ {nil, nil, nil, nil, '2'},
    /* 29 */ {nil, nil, nil, nil, nil},
    /* 30 */ {nil, nil, nil, nil, '1'},
    /* 31 */ {nil, nil, nil, nil, '0'},
}};
// clang-format on

// The character whose code is the symbols at the start of `text`, up to the
// fifth symbol or the first byte that is no symbol; whatever follows them is
// ignored. NO_CHARACTER when they are no code, or when there are none.
constexpr char morse_to_char(std::string_view text) {
  std::size_t value = 0;
  std::size_t count = 0;
  for (const char symbol : text.substr(0, longest_code)) {
    if (symbol != '.' && symbol != '-') break;
    if (symbol == '-') value += std::size_t{1} << count;
    ++count;
  }
  if (count == 0) return NO_CHARACTER;
  return selection_table[value][count - 1];
}

namespace table_checks {

constexpr bool every_code_decodes_to_its_character() {
  return std::all_of(morse_table.begin(), morse_table.end(),
                     [](const Code& row) { return morse_to_char(row.code) == row.character; });
}

// With every code decoding to its own character, this leaves no cell for any
// other text of one to five symbols.
constexpr bool only_codes_select_a_character() {
  std::size_t filled = 0;
  for (const auto& row : selection_table) {
    for (const char cell : row) filled += cell != NO_CHARACTER ? 1 : 0;
  }
  return filled == morse_table.size();
}

static_assert(every_code_decodes_to_its_character());
static_assert(only_codes_select_a_character());

}  // namespace table_checks

}  // namespace morse
