// The word mode: a word in, the Morse code of its characters out.
#include <optional>
#include <string_view>

#include "console/console.h"
#include "morse/dialogue.h"
#include "morse/morse.h"

namespace morse {

WordInMorse word_to_morse(std::string_view word) {
  WordInMorse translation;
  translation.text.reserve(word.size() * (longest_code + 1));
  for (const char character : word) {
    const std::optional<std::string_view> code = char_to_morse(character);
    if (!code) return {{}, character};
    translation.text.append(*code).push_back('/');
  }
  return translation;
}

Outcome run_word_mode(std::span<char> token_buffer) {
  console::write_text("\nZadej slovo a stiskni ENTER [slovo]: ");
  const console::Token token = console::read_token(token_buffer);
  if (token.status != console::Token::Status::complete) return end_without_token(token.status);
  const WordInMorse translation = word_to_morse(token.text);
  if (translation.character_without_code) {
    console::write_text(no_code_message, *translation.character_without_code);
  } else {
    console::write_text("Slovo %s ma preklad \"%s\".\n\n", token.text,
                        std::string_view(translation.text));
  }
  return Outcome::finished;
}

}  // namespace morse
