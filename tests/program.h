// Runs the built program as users and shells do, and records what it did.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace pipotka_test {

enum class Input { pipe, closed, directory };
enum class Output { pipe, closed, full };

struct Streams {
  Input input = Input::pipe;
  Output output = Output::pipe;
  // With a pipe for output: the reader closes it after this many bytes, and
  // only then writes the input.
  std::size_t output_read_limit = std::string::npos;
};

struct Ending {
  std::string output;         // everything written to standard output
  std::string errors;         // everything written to standard error
  int status = -1;            // the exit status, or 128 + the signal that ended it
  std::size_t input_taken{};  // bytes of the input that reached the program's pipe
};

// Three environment variables point the runs at another build:
// - PIPOTKA_TEST_PROGRAM: the program to run instead of the one built here;
// - PIPOTKA_TEST_WRAPPER: words that come before the program's path, such as
//   "valgrind -q --error-exitcode=99" or "wine";
// - PIPOTKA_TEST_LINE_END: "crlf" for a program that ends its lines with a
//   carriage return and a line feed, as on Windows (see as_written).
//
// Runs the program with `input` written to its standard input, which is then
// closed. Fails the test, and kills the program, if it takes over ten seconds.
Ending run_pipotka(std::string_view input, Streams streams = {});

// The program on a new pseudo-terminal, as a user at a console has it. The
// terminal keeps its usual settings: it echoes what is typed, ends each output
// line with a carriage return and a line feed, and turns Ctrl+C into an
// interrupt.
class Terminal {
 public:
  Terminal();
  ~Terminal();
  Terminal(const Terminal&) = delete;
  Terminal& operator=(const Terminal&) = delete;

  void type(std::string_view keys) const;
  // All that appears on the screen until it ends with `ending`.
  std::string read_until(std::string_view ending);
  // All that appears until the program closes the terminal.
  std::string read_to_end();
  // Waits for the program to end: its exit status, or 128 + the signal.
  int wait();

 private:
  // Appends what the terminal shows next; false once it is closed, or after ten seconds of nothing.
  bool read_more(std::string& screen);

  int controller_ = -1;
  pid_t child_ = -1;
};

// `text` as the program under test writes it: with PIPOTKA_TEST_LINE_END set to
// crlf, each line feed as a carriage return and a line feed.
std::string as_written(std::string_view text);

// `text` as a terminal shows it: each line feed as a carriage return and a line feed.
std::string on_screen(std::string_view text);

}  // namespace pipotka_test
