#include "tests/program.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <sstream>
#include <vector>

#include "gtest/gtest.h"

namespace pipotka_test {
namespace {

constexpr int timeout_ms = 10'000;

int status_of(int wait_status) {
  if (WIFEXITED(wait_status)) return WEXITSTATUS(wait_status);
  if (WIFSIGNALED(wait_status)) return 128 + WTERMSIG(wait_status);
  return -1;
}

void close_once(int& descriptor) {
  if (descriptor >= 0) ::close(descriptor);
  descriptor = -1;
}

// Reads what is there into `into`; closes the descriptor at its end.
void drain(int& descriptor, std::string& into) {
  std::array<char, 65536> buffer{};
  const ssize_t count = ::read(descriptor, buffer.data(), buffer.size());
  if (count > 0) {
    into.append(buffer.data(), static_cast<std::size_t>(count));
  } else if (count == 0 || errno != EINTR) {
    close_once(descriptor);
  }
}

// The program's path, after the words of PIPOTKA_TEST_WRAPPER when it is set.
struct CommandLine {
  CommandLine() {
    const char* wrapper_words = std::getenv("PIPOTKA_TEST_WRAPPER");
    std::istringstream wrapper(wrapper_words != nullptr ? wrapper_words : "");
    for (std::string word; wrapper >> word;) words.push_back(word);
    const char* program = std::getenv("PIPOTKA_TEST_PROGRAM");
    words.emplace_back(program != nullptr ? program : PIPOTKA_PATH);
  }
  std::vector<char*> arguments() {
    std::vector<char*> pointers;
    for (std::string& word : words) pointers.push_back(word.data());
    pointers.push_back(nullptr);
    return pointers;
  }
  std::vector<std::string> words;
};

std::array<int, 2> make_pipe() {
  std::array<int, 2> ends{};
  if (::pipe2(ends.data(), O_CLOEXEC) != 0) ADD_FAILURE() << "pipe2 failed";
  return ends;
}

}  // namespace

Ending run_pipotka(std::string_view input, Streams streams) {
  // The test itself must survive writing to a program that has ended.
  static_cast<void>(::signal(SIGPIPE, SIG_IGN));

  auto to_child = make_pipe();
  auto from_child = make_pipe();
  auto errors_from_child = make_pipe();

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  switch (streams.input) {
    case Input::pipe: posix_spawn_file_actions_adddup2(&actions, to_child[0], 0); break;
    case Input::closed: posix_spawn_file_actions_addclose(&actions, 0); break;
    case Input::directory:
      posix_spawn_file_actions_addopen(&actions, 0, "/", O_RDONLY | O_DIRECTORY, 0);
      break;
  }
  switch (streams.output) {
    case Output::pipe: posix_spawn_file_actions_adddup2(&actions, from_child[1], 1); break;
    case Output::closed: posix_spawn_file_actions_addclose(&actions, 1); break;
    case Output::full:
      posix_spawn_file_actions_addopen(&actions, 1, "/dev/full", O_WRONLY, 0);
      break;
  }
  posix_spawn_file_actions_adddup2(&actions, errors_from_child[1], 2);

  // The program gets the signal handling a shell gives it, whatever this test inherited.
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t defaults;
  sigemptyset(&defaults);
  sigaddset(&defaults, SIGPIPE);
  sigaddset(&defaults, SIGINT);
  posix_spawnattr_setsigdefault(&attributes, &defaults);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);

  CommandLine command;
  const std::vector<char*> arguments = command.arguments();
  pid_t child = -1;
  const int spawned =
      ::posix_spawnp(&child, arguments[0], &actions, &attributes, arguments.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attributes);
  close_once(to_child[0]);
  close_once(from_child[1]);
  close_once(errors_from_child[1]);
  Ending ending;
  if (spawned != 0) {
    ADD_FAILURE() << "cannot start " << PIPOTKA_PATH;
    return ending;
  }

  ::fcntl(to_child[1], F_SETFL, O_NONBLOCK);
  if (input.empty()) close_once(to_child[1]);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  while (from_child[0] >= 0 || errors_from_child[0] >= 0) {
    // With a limit, the input waits until the output is closed, so the program surely writes to
    // a closed pipe.
    const bool input_waits = streams.output_read_limit != std::string::npos && from_child[0] >= 0;
    std::array<pollfd, 3> watched{{{input_waits ? -1 : to_child[1], POLLOUT, 0},
                                   {from_child[0], POLLIN, 0},
                                   {errors_from_child[0], POLLIN, 0}}};
    if (::poll(watched.data(), watched.size(), 100) < 0 && errno != EINTR) break;
    if (std::chrono::steady_clock::now() > deadline) {
      ADD_FAILURE() << "the program did not end within " << timeout_ms << " ms";
      ::kill(child, SIGKILL);
      break;
    }
    if (watched[0].revents != 0) {
      const std::string_view rest = input.substr(ending.input_taken);
      const ssize_t written = ::write(to_child[1], rest.data(), rest.size());
      if (written > 0) ending.input_taken += static_cast<std::size_t>(written);
      if ((written < 0 && errno != EAGAIN && errno != EINTR) ||
          ending.input_taken == input.size()) {
        close_once(to_child[1]);
      }
    }
    if (watched[1].revents != 0) {
      drain(from_child[0], ending.output);
      if (ending.output.size() >= streams.output_read_limit) close_once(from_child[0]);
    }
    if (watched[2].revents != 0) drain(errors_from_child[0], ending.errors);
  }
  close_once(to_child[1]);
  close_once(from_child[0]);
  close_once(errors_from_child[0]);
  int wait_status = 0;
  while (::waitpid(child, &wait_status, 0) < 0 && errno == EINTR) {
  }
  ending.status = status_of(wait_status);
  return ending;
}

Terminal::Terminal() {
  CommandLine command;
  const std::vector<char*> arguments = command.arguments();
  child_ = ::forkpty(&controller_, nullptr, nullptr, nullptr);
  if (child_ == 0) {
    static_cast<void>(::signal(SIGINT, SIG_DFL));
    static_cast<void>(::signal(SIGPIPE, SIG_DFL));
    ::execvp(arguments[0], arguments.data());
    ::_exit(127);
  }
  if (child_ < 0) ADD_FAILURE() << "forkpty failed";
}

Terminal::~Terminal() {
  if (child_ > 0) {
    ::kill(child_, SIGKILL);
    wait();
  }
  close_once(controller_);
}

void Terminal::type(std::string_view keys) const {
  while (!keys.empty()) {
    const ssize_t written = ::write(controller_, keys.data(), keys.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      ADD_FAILURE() << "cannot type on the terminal";
      return;
    }
    keys.remove_prefix(static_cast<std::size_t>(written));
  }
}

std::string Terminal::read_until(std::string_view ending) {
  std::string screen;
  while (!std::string_view(screen).ends_with(ending) && read_more(screen)) {
  }
  if (!std::string_view(screen).ends_with(ending)) {
    ADD_FAILURE() << "the terminal never showed \"" << ending << "\"; it showed \"" << screen
                  << '"';
  }
  return screen;
}

std::string Terminal::read_to_end() {
  std::string screen;
  while (read_more(screen)) {
  }
  if (controller_ >= 0) ADD_FAILURE() << "the program never closed the terminal";
  return screen;
}

bool Terminal::read_more(std::string& screen) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  while (controller_ >= 0 && std::chrono::steady_clock::now() < deadline) {
    pollfd ready{controller_, POLLIN, 0};
    if (::poll(&ready, 1, 100) <= 0) continue;
    std::array<char, 4096> buffer{};
    const ssize_t count = ::read(controller_, buffer.data(), buffer.size());
    if (count > 0) {
      screen.append(buffer.data(), static_cast<std::size_t>(count));
      return true;
    }
    // Linux answers EIO once the program has closed its side of the terminal.
    if (count == 0 || errno != EINTR) close_once(controller_);
  }
  return false;
}

int Terminal::wait() {
  int wait_status = 0;
  while (::waitpid(child_, &wait_status, 0) < 0 && errno == EINTR) {
  }
  child_ = -1;
  return status_of(wait_status);
}

std::string as_written(std::string_view text) {
  const char* line_end = std::getenv("PIPOTKA_TEST_LINE_END");
  if (line_end == nullptr || std::string_view(line_end) != "crlf") return std::string(text);
  return on_screen(text);
}

std::string on_screen(std::string_view text) {
  std::string screen;
  for (const char character : text) {
    if (character == '\n') screen += '\r';
    screen += character;
  }
  return screen;
}

}  // namespace pipotka_test
