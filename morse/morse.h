// Morse code: the translations between characters and International Morse
// code, and the dialogue of each translation mode.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "morse/code_table.h"
#include "morse/decoding.h"

namespace morse {

// A word in Morse code: the code of each character followed by "/". A word
// with a character that has no code is not translated in part: `text` is then
// empty and `character_without_code` names the first such character.
struct WordInMorse {
  std::string text;
  std::optional<char> character_without_code;
};

WordInMorse word_to_morse(std::string_view word);

// Room for a token of 4095 bytes and its terminator; the dialogues that read
// a token tell a user whose token is longer that 4095 is the most.
inline constexpr std::size_t token_buffer_size = 4096;

// How a mode's dialogue ended: with its answer, or without one because
// standard input ended first.
enum class Outcome { finished, input_ended };

// Each dialogue prints its prompt, reads what it translates and prints one
// message. The character mode throws away the rest of the mode letter's line
// after its prompt, or drops just the next character.
Outcome run_character_mode_discarding(std::span<char> token_buffer);
Outcome run_character_mode_dropping(std::span<char> token_buffer);
Outcome run_decoding_mode(std::span<char> token_buffer);
Outcome run_word_mode(std::span<char> token_buffer);

}  // namespace morse
