// The decoding mode: a Morse code text in, its character out.
#include <string_view>

#include "console/console.h"
#include "morse/dialogue.h"
#include "morse/morse.h"

namespace morse {

Outcome run_decoding_mode(std::span<char> token_buffer) {
  console::write_text("\nZadej morzeuv retezec a stiskni ENTER [--..]: ");
  const console::Token token = console::read_token(token_buffer);
  if (token.status != console::Token::Status::complete) return end_without_token(token.status);
  const char character = morse_to_char(token.text);
  if (character == NO_CHARACTER) {
    console::write_text("Tento \"%s\" retezec neodpovida zadnemu znaku morzeovy abecedy.\n",
                        token.text);
  } else {
    console::write_text("Znak odpovidajici %s, je \"%c\".\n\n", token.text, character);
  }
  return Outcome::finished;
}

}  // namespace morse
