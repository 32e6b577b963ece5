#include "frontend/run.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "console/console.h"
#include "morse/morse.h"

namespace frontend {
namespace {

constexpr std::string_view version = "1.0.2 beta";

// The banner, the menu and the prompt for the mode letter.
constexpr std::string_view greeting =
    "\t\t\tVita Vas Pipotka %s\n"
    "\nVyberte si smer prevodu:\n"
    "\tZadejte Z pro zjisteni znaku z morzeova retezce\n"
    "\tZadejte M pro zjisteni morzeova retezce ze znaku.\n"
    "\tZadejte P pro prelozeni slova do morzeovky.\n"
    "\tZadejte L pro prelozeni slova z morzeovky.\n"
    "\tZadejte K pro ukonceni.\n\n"
    "Zvol si rezim a stiskni ENTER: ";

using ModeAction = morse::Outcome (*)(std::span<char> token_buffer);

morse::Outcome end_the_run(std::span<char> /*token_buffer*/) { return morse::Outcome::finished; }

morse::Outcome explain_the_missing_mode(std::span<char> /*token_buffer*/) {
  console::write_text("Prominte, ale v tehle betaverzi nejde vrevadet ve zvolenem smeru :).\n\n");
  return morse::Outcome::finished;
}

struct Mode {
  char letter;
  ModeAction action;
};

// The letters are taken exactly as typed: no case folding, no trimming.
constexpr std::array mode_table{
    Mode{'M', morse::run_character_mode_discarding},
    Mode{'m', morse::run_character_mode_dropping},
    Mode{'Z', morse::run_decoding_mode},
    Mode{'z', morse::run_decoding_mode},
    Mode{'P', morse::run_word_mode},
    Mode{'p', morse::run_word_mode},
    Mode{'K', end_the_run},
    Mode{'k', end_the_run},
};

constexpr bool every_letter_has_one_row() {
  std::array<char, mode_table.size()> letters{};
  std::transform(mode_table.begin(), mode_table.end(), letters.begin(),
                 [](const Mode& row) { return row.letter; });
  std::sort(letters.begin(), letters.end());
  return std::adjacent_find(letters.begin(), letters.end()) == letters.end();
}
static_assert(every_letter_has_one_row());

// Every letter without a row, L and l among them, gets the explanation.
ModeAction action_for(char letter) {
  const auto* mode = std::find_if(mode_table.begin(), mode_table.end(),
                                  [letter](const Mode& row) { return row.letter == letter; });
  return mode == mode_table.end() ? explain_the_missing_mode : mode->action;
}

}  // namespace

int run() {
  std::array<char, morse::token_buffer_size> token_buffer;
  console::write_text(greeting, version);
  const std::optional<char> letter = console::read_char();
  if (letter && action_for(*letter)(token_buffer) == morse::Outcome::finished) return answered;
  // The output still ends with a whole line.
  console::write_text("\n");
  return input_ended;
}

}  // namespace frontend
