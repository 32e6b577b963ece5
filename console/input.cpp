#include "console/input.h"

#include <algorithm>

#include "console/platform.h"

namespace console {
namespace {

// The next byte without reading it, receiving more input when none is left.
std::optional<char> peek(Input& input) {
  if (input.next == input.end && !input.ended) {
    input.next = 0;
    input.end = receive(input.descriptor, input.received);
    // An end is final: a terminal's end-of-file key must not be read past.
    input.ended = input.end == 0;
  }
  if (input.next == input.end) return std::nullopt;
  return input.received[input.next];
}

}  // namespace

std::optional<char> read_char(Input& input) {
  const std::optional<char> byte = peek(input);
  if (!byte) return std::nullopt;
  ++input.next;
  // The line feed of a carriage return and line feed may come in a later read.
  if (*byte == '\r' && peek(input) == '\n') {
    ++input.next;
    return '\n';
  }
  return byte;
}

void discard_pending_input(Input& input) {
  const auto pending = std::span(input.received).subspan(input.next, input.end - input.next);
  const auto line_feed = std::find(pending.begin(), pending.end(), '\n');
  input.next += static_cast<std::size_t>(line_feed - pending.begin());
  if (line_feed != pending.end()) ++input.next;
}

Token read_token(Input& input, std::span<char> buffer) {
  std::optional<char> byte = peek(input);
  for (; byte && is_white_space(*byte); byte = peek(input)) ++input.next;
  if (!byte) return {Token::Status::input_ended, {}};

  std::size_t length = 0;
  for (; byte && !is_white_space(*byte); byte = peek(input)) {
    if (length + 1 >= buffer.size()) return {Token::Status::too_long, {}};
    buffer[length++] = *byte;
    ++input.next;
  }
  buffer[length] = '\0';
  const auto token = std::string_view(buffer.data(), length);
  return {Token::Status::complete, token.substr(0, token.find('\0'))};
}

Input& standard_input() {
  static Input input{standard_input_descriptor};
  return input;
}

std::optional<char> read_char() { return read_char(standard_input()); }
void discard_pending_input() { discard_pending_input(standard_input()); }
Token read_token(std::span<char> buffer) { return read_token(standard_input(), buffer); }

}  // namespace console
