#include "console/console.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <string>
#include <thread>

#include "gtest/gtest.h"

namespace console {
namespace {

// Captures what write_text sends to standard output while it lives.
class OutputTest : public testing::Test {
 protected:
  OutputTest() {
    EXPECT_EQ(::pipe2(pipe_.data(), O_CLOEXEC), 0);
    saved_output_ = ::dup(STDOUT_FILENO);
    ::dup2(pipe_[1], STDOUT_FILENO);
  }
  ~OutputTest() override {
    restore_output();
    ::close(pipe_[0]);
  }
  OutputTest(const OutputTest&) = delete;
  OutputTest& operator=(const OutputTest&) = delete;

  void restore_output() {
    if (saved_output_ < 0) return;
    ::dup2(saved_output_, STDOUT_FILENO);
    ::close(saved_output_);
    ::close(pipe_[1]);
    saved_output_ = -1;
  }
  // Everything written, once the output is closed.
  std::string written() {
    restore_output();
    std::string all;
    std::array<char, 4096> buffer{};
    for (ssize_t count; (count = ::read(pipe_[0], buffer.data(), buffer.size())) > 0;) {
      all.append(buffer.data(), static_cast<std::size_t>(count));
    }
    return all;
  }

  std::array<int, 2> pipe_{};
  int saved_output_ = -1;
};

TEST_F(OutputTest, PlaceholdersTakeTheValuesInOrder) {
  write_text("[%c|%s]", 'x', std::string_view("word"));
  write_text("%s%c", std::string_view(""), '\0');
  EXPECT_EQ(written(), std::string("[x|word]\0", 9));
}

TEST_F(OutputTest, OtherPercentSignsAndValuesArePrintedAsTheyStand) {
  write_text("100% %d %%s\n", std::string_view("%s%n"));
  EXPECT_EQ(written(), "100% %d %%s%n\n");
}

TEST_F(OutputTest, LongMessageReachesASlowNonBlockingReaderWhole) {
  ::fcntl(pipe_[1], F_SETPIPE_SZ, 4096);
  ::fcntl(pipe_[1], F_SETFL, O_NONBLOCK);
  const std::string value(100'000, 'v');
  std::string received;
  std::thread reader([&] {
    std::array<char, 1000> buffer{};
    while (received.size() < value.size() + 2) {
      const ssize_t count = ::read(pipe_[0], buffer.data(), buffer.size());
      if (count <= 0) break;
      received.append(buffer.data(), static_cast<std::size_t>(count));
      std::this_thread::yield();
    }
  });
  write_text("<%s>", std::string_view(value));
  reader.join();
  EXPECT_EQ(received, "<" + value + ">");
}

}  // namespace
}  // namespace console
