// Runs the whole dialogue, through the real console, with arbitrary bytes as
// its standard input, and checks what a user may rely on: it ends with status
// 0 or 1, a run that ends with 1 ends with a whole line, the output stays
// bounded and nothing is written to standard error.
#include <sanitizer/common_interface_defs.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstddef>
#include <cstdint>

#include "console/console.h"
#include "console/input.h"
#include "console/platform.h"
#include "frontend/run.h"
#include "fuzz/fuzz_check.h"

namespace {

// The longest output: the greeting, a prompt and a 4095-byte word in full.
constexpr off_t longest_output = off_t{32} * 1024;

int new_file(const char* name) {
  const int file = ::memfd_create(name, MFD_CLOEXEC);
  require(file >= 0, "memfd_create failed\n");
  return file;
}

void empty(int file) {
  require(::ftruncate(file, 0) == 0 && ::lseek(file, 0, SEEK_SET) == 0, "cannot empty a file\n");
}

off_t size_of(int file) {
  struct stat status {};
  require(::fstat(file, &status) == 0, "fstat failed\n");
  return status.st_size;
}

char last_byte_of(int file) {
  char last = '\0';
  require(::pread(file, &last, 1, size_of(file) - 1) == 1, "cannot read the output\n");
  return last;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
  // Sanitizer reports still reach the real standard error while the dialogue's is captured.
  __sanitizer_set_report_fd(
      reinterpret_cast<void*>(static_cast<std::intptr_t>(::dup(2))));  // NOLINT
  console::prepare_streams();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::array<int, 3> files{new_file("input"), new_file("output"), new_file("errors")};
  for (const int file : files) empty(file);
  require(::write(files[0], data, size) == static_cast<ssize_t>(size), "cannot write the input\n");
  require(::lseek(files[0], 0, SEEK_SET) == 0, "cannot rewind the input\n");

  // The files stand in for standard input, output and error while the dialogue runs.
  const std::array<int, 3> saved{::dup(0), ::dup(1), ::dup(2)};
  for (int stream = 0; stream < 3; ++stream) ::dup2(files[stream], stream);  // NOLINT
  console::standard_input() = console::Input{console::standard_input_descriptor};
  const int status = frontend::run();
  for (int stream = 0; stream < 3; ++stream) {
    ::dup2(saved[stream], stream);  // NOLINT
    ::close(saved[stream]);         // NOLINT
  }

  require(status == frontend::answered || status == frontend::input_ended, "odd exit status\n");
  require(size_of(files[2]) == 0, "something was written to standard error\n");
  require(size_of(files[1]) <= longest_output, "the output grew past its bound\n");
  require(status == frontend::answered || last_byte_of(files[1]) == '\n',
          "the run ended without a whole line\n");
  return 0;
}
