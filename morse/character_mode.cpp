// The character mode: one character in, its Morse code out.
#include <optional>
#include <string_view>

#include "console/console.h"
#include "morse/dialogue.h"
#include "morse/morse.h"

namespace morse {
namespace {

constexpr std::string_view prompt = "\nZadej znak anglicke abecedy a stiskni ENTER [g]: ";

Outcome translate_next_character() {
  const std::optional<char> character = console::read_char();
  if (!character) return Outcome::input_ended;
  if (const std::optional<std::string_view> code = char_to_morse(*character)) {
    console::write_text("Znaku %c odpovida retezec \"%s\".\n\n", *character, *code);
  } else {
    console::write_text(no_code_message, *character);
  }
  return Outcome::finished;
}

}  // namespace

Outcome run_character_mode_discarding(std::span<char> /*token_buffer*/) {
  console::write_text(prompt);
  console::discard_pending_input();
  return translate_next_character();
}

Outcome run_character_mode_dropping(std::span<char> /*token_buffer*/) {
  console::write_text(prompt);
  if (!console::read_char()) return Outcome::input_ended;
  return translate_next_character();
}

}  // namespace morse
