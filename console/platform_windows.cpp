// The console on Windows: the C runtime's unbuffered _read and _write on
// binary streams, so that the console alone handles line ends, and each line
// feed goes out as a carriage return and a line feed.
#include <fcntl.h>
#include <io.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "console/console.h"
#include "console/platform.h"

namespace console {

std::size_t receive(int descriptor, std::span<char> buffer) {
  for (;;) {
    const int count = ::_read(descriptor, buffer.data(), static_cast<unsigned>(buffer.size()));
    if (count >= 0) return static_cast<std::size_t>(count);
    if (errno != EINTR) return 0;
  }
}

void write_pieces(std::span<const std::string_view> pieces) {
  std::string message;
  for (const std::string_view piece : pieces) {
    for (const char character : piece) {
      if (character == '\n') message += '\r';
      message += character;
    }
  }
  std::string_view unwritten = message;
  while (!unwritten.empty()) {
    const int written =
        ::_write(_fileno(stdout), unwritten.data(), static_cast<unsigned>(unwritten.size()));
    if (written > 0) {
      unwritten.remove_prefix(static_cast<std::size_t>(written));
    } else if (written == 0 || errno != EINTR) {
      return;  // a closed or full output: the run goes on without it
    }
  }
}

void prepare_streams() {
  static_cast<void>(::_setmode(_fileno(stdin), _O_BINARY));
  static_cast<void>(::_setmode(_fileno(stdout), _O_BINARY));
}

}  // namespace console
