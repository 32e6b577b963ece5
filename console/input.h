// Input received a line at a time from one file descriptor.
//
// A read may bring more than one line, from a file or a pipe. Only the rest of
// the first line counts as pending; the lines after it wait in the buffer as a
// line typed ahead waits in a terminal. A line longer than the buffer arrives
// in pieces, and then the piece received last is what is pending.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>

#include "console/console.h"

namespace console {

// The longest line a terminal delivers, its line end included.
inline constexpr std::size_t line_capacity = 4096;

struct Input {
  int descriptor;
  std::array<char, line_capacity> received{};
  std::size_t next = 0;  // the first byte not yet read
  std::size_t end = 0;   // one past the last byte received
  bool ended = false;    // the input has ended or failed: nothing more comes
};

std::optional<char> read_char(Input& input);
void discard_pending_input(Input& input);
Token read_token(Input& input, std::span<char> buffer);

// The bytes 9 to 13 and 32; bytes 128 to 255 never are white space.
constexpr bool is_white_space(char byte) { return byte == ' ' || (byte >= '\t' && byte <= '\r'); }

// The program's standard input.
Input& standard_input();

}  // namespace console
