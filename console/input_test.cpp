#include "console/input.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <string>
#include <string_view>

#include "gtest/gtest.h"

namespace console {
namespace {

using namespace std::string_view_literals;

// Input from a pipe that the test fills piece by piece: each piece arrives in
// a read of its own when it is sent after the program read what came before.
class InputTest : public testing::Test {
 protected:
  InputTest() {
    std::array<int, 2> ends{};
    EXPECT_EQ(::pipe2(ends.data(), O_CLOEXEC), 0);
    input_.descriptor = ends[0];
    sender_ = ends[1];
  }
  ~InputTest() override {
    ::close(input_.descriptor);
    end_input();
  }
  InputTest(const InputTest&) = delete;
  InputTest& operator=(const InputTest&) = delete;

  void send(std::string_view bytes) const {
    EXPECT_EQ(::write(sender_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  }
  void end_input() {
    if (sender_ >= 0) ::close(sender_);
    sender_ = -1;
  }
  std::string read_chars(std::size_t count) {
    std::string read;
    for (std::size_t i = 0; i < count; ++i) read += read_char(input_).value_or('?');
    return read;
  }

  Input input_{-1};
  int sender_ = -1;
};

TEST_F(InputTest, ReadCharDeliversEveryByteAsItIs) {
  send("a \t\x00\xff\r\x0b\n"sv);
  EXPECT_EQ(read_chars(8), "a \t\x00\xff\r\x0b\n"sv);
}

TEST_F(InputTest, CarriageReturnAndLineFeedAreOneLineFeed) {
  send("a\r\nb\r\r\n\rc");
  EXPECT_EQ(read_chars(6), "a\nb\r\n\r");
  EXPECT_EQ(read_chars(1), "c");
}

TEST_F(InputTest, CarriageReturnAndLineFeedAreOneLineFeedAcrossReads) {
  send("a\r");
  EXPECT_EQ(read_chars(1), "a");
  send("\nb");
  EXPECT_EQ(read_chars(2), "\nb");
}

TEST_F(InputTest, CarriageReturnAtTheEndOfInputIsDelivered) {
  send("\r");
  end_input();
  EXPECT_EQ(read_char(input_), '\r');
  EXPECT_EQ(read_char(input_), std::nullopt);
}

TEST_F(InputTest, EndOfInputIsFinal) {
  end_input();
  EXPECT_EQ(read_char(input_), std::nullopt);
  EXPECT_TRUE(input_.ended);
  EXPECT_EQ(read_char(input_), std::nullopt);
}

TEST_F(InputTest, DiscardThrowsAwayTheRestOfTheLineOnly) {
  send("Mg\r\nsecond\nthird\n");
  EXPECT_EQ(read_chars(1), "M");
  discard_pending_input(input_);
  EXPECT_EQ(read_chars(2), "se");
  discard_pending_input(input_);
  EXPECT_EQ(read_chars(1), "t");
}

// If it waited, the test would hang: nothing more is sent before the next read.
TEST_F(InputTest, DiscardNeverWaits) {
  send("x\n");
  EXPECT_EQ(read_chars(2), "x\n");
  discard_pending_input(input_);
  send("y\n");
  EXPECT_EQ(read_chars(1), "y");
}

TEST_F(InputTest, DiscardThrowsAwayAPartOfALongLineReceivedSoFar) {
  send(std::string(line_capacity, 'a') + "bc\n");
  EXPECT_EQ(read_chars(1), "a");
  discard_pending_input(input_);
  EXPECT_EQ(read_chars(1), "b");
}

TEST_F(InputTest, ReadTokenSkipsWhiteSpaceAcrossLinesAndLeavesTheNextPending) {
  send("\n \t\r\n\x0b\x0c word\tnext");
  std::array<char, 8> buffer{};
  const Token token = read_token(input_, buffer);
  EXPECT_EQ(token.status, Token::Status::complete);
  EXPECT_EQ(token.text, "word");
  EXPECT_EQ(read_chars(2), "\tn");
}

TEST_F(InputTest, ReadTokenWaitsForTheTokenToEnd) {
  send("wo");
  std::array<char, 8> buffer{};
  // Sent before the token is read, the rest still arrives in a read of its own.
  send("rd\n");
  EXPECT_EQ(read_token(input_, buffer).text, "word");
}

TEST_F(InputTest, EndOfInputEndsAToken) {
  send("  word");
  end_input();
  std::array<char, 8> buffer{};
  const Token token = read_token(input_, buffer);
  EXPECT_EQ(token.status, Token::Status::complete);
  EXPECT_EQ(token.text, "word");
  EXPECT_EQ(std::string_view(buffer.data(), 5), "word\0"sv);
}

TEST_F(InputTest, EndOfInputBeforeATokenIsReported) {
  send(" \n\t\n");
  end_input();
  std::array<char, 8> buffer{};
  EXPECT_EQ(read_token(input_, buffer).status, Token::Status::input_ended);
}

TEST_F(InputTest, ZeroByteEndsTheTokensText) {
  send("ab\0cd\xff e"sv);
  std::array<char, 8> buffer{};
  const Token token = read_token(input_, buffer);
  EXPECT_EQ(token.status, Token::Status::complete);
  EXPECT_EQ(token.text, "ab");
  EXPECT_EQ(read_chars(2), " e");
}

TEST_F(InputTest, TokenFillsItsBufferButNoMore) {
  send("1234567 12345678 ");
  std::array<char, 8> buffer{};
  EXPECT_EQ(read_token(input_, buffer).text, "1234567");
  EXPECT_EQ(read_token(input_, buffer).status, Token::Status::too_long);
  // The byte that did not fit is left unread.
  EXPECT_EQ(read_chars(1), "8");
}

TEST(WhiteSpace, IsTabToCarriageReturnAndSpace) {
  for (int byte = 0; byte < 256; ++byte) {
    const bool expected = (byte >= 9 && byte <= 13) || byte == 32;
    EXPECT_EQ(is_white_space(static_cast<char>(byte)), expected) << byte;
  }
}

}  // namespace
}  // namespace console
