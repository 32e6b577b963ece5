// The console: the only way the program talks to its user.
//
// Output is unbuffered: every message reaches the system before write_text
// returns, so a prompt without a line feed is on the screen before the next
// read waits. Input is received a line at a time, from a terminal, a file or a
// pipe alike, and a carriage return before a line feed is read as the line
// feed alone. Nothing is ever written to standard error.
#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <type_traits>

#include "console/message.h"

namespace console {

// Sends the pieces of one message to standard output, each line feed as the
// platform's line end. A write that fails is not reported and the run goes on.
void write_pieces(std::span<const std::string_view> pieces);

// Prints `message` with its placeholders replaced by `values`, in order: %c
// takes a char, %s a string.
template <typename... Values>
void write_text(std::type_identity_t<Message<Values...>> message, const Values&... values) {
  write_pieces(pieces_of(message, values...));
}

// The next pending character, waiting for a line when nothing is pending;
// nothing when standard input has ended or failed.
std::optional<char> read_char();

// Throws away the rest of the line received last, its line end included. It
// never waits, and a line typed ahead stays.
void discard_pending_input();

struct Token {
  enum class Status {
    complete,     // the token is in the buffer
    too_long,     // it does not fit the buffer with its terminator; it is left unread
    input_ended,  // standard input ended before the token began
  };
  Status status;
  std::string_view text;  // the token up to its first zero byte, when complete
};

// Reads one word: skips white space across lines, waiting as needed, then takes
// every byte up to the next white space, which stays pending, or to the end of
// input. The buffer holds the token and a zero terminator.
Token read_token(std::span<char> buffer);

// Prepares the standard streams once, before the first operation: a write to
// a closed pipe fails like any other write instead of ending the process, and
// bytes pass unchanged, line ends included, for the console to handle.
void prepare_streams();

}  // namespace console
