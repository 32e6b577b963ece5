// The console on POSIX systems: read, writev and the broken-pipe signal.
#include <poll.h>
#include <sys/uio.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>

#include "console/console.h"
#include "console/platform.h"

namespace console {
namespace {

// A descriptor that another program left non-blocking is waited on, not given up.
void wait_until_ready(int descriptor, short events) {
  pollfd ready{descriptor, events, 0};
  while (::poll(&ready, 1, -1) < 0 && errno == EINTR) {
  }
}

// Steps past `count` written bytes; the vectors left start at the first unwritten one.
std::span<iovec> skip_written(std::span<iovec> vectors, std::size_t count) {
  while (!vectors.empty() && count >= vectors.front().iov_len) {
    count -= vectors.front().iov_len;
    vectors = vectors.subspan(1);
  }
  if (!vectors.empty()) {
    vectors.front().iov_base = static_cast<char*>(vectors.front().iov_base) + count;
    vectors.front().iov_len -= count;
  }
  return vectors;
}

}  // namespace

std::size_t receive(int descriptor, std::span<char> buffer) {
  for (;;) {
    const ssize_t count = ::read(descriptor, buffer.data(), buffer.size());
    if (count >= 0) return static_cast<std::size_t>(count);
    if (errno == EAGAIN)
      wait_until_ready(descriptor, POLLIN);
    else if (errno != EINTR)
      return 0;
  }
}

void write_pieces(std::span<const std::string_view> pieces) {
  std::array<iovec, 2 * max_values + 1> vectors{};
  std::size_t count = 0;
  for (const std::string_view piece : pieces) {
    if (piece.empty()) continue;
    // writev only reads through the pointer.
    vectors[count++] = {const_cast<char*>(piece.data()), piece.size()};  // NOLINT
  }
  auto unwritten = std::span(vectors.data(), count);
  while (!unwritten.empty()) {
    const ssize_t written =
        ::writev(STDOUT_FILENO, unwritten.data(), static_cast<int>(unwritten.size()));
    if (written > 0) {
      unwritten = skip_written(unwritten, static_cast<std::size_t>(written));
    } else if (written < 0 && errno == EAGAIN) {
      wait_until_ready(STDOUT_FILENO, POLLOUT);
    } else if (written == 0 || errno != EINTR) {
      return;  // a closed or full output: the run goes on without it
    }
  }
}

// Ignoring a signal that exists cannot fail.
void prepare_streams() { static_cast<void>(std::signal(SIGPIPE, SIG_IGN)); }

}  // namespace console
