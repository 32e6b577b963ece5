// A message: a constant text with placeholders for values, checked against
// them at compile time.
#pragma once

#include <array>
#include <concepts>
#include <cstddef>
#include <string_view>

namespace console {

// The most values one message takes.
inline constexpr std::size_t max_values = 2;

// Where the next %c or %s stands in a message at or after `from`, or npos.
constexpr std::size_t find_placeholder(std::string_view message, std::size_t from) {
  for (std::size_t at = message.find('%', from); at != std::string_view::npos;
       at = message.find('%', at + 1)) {
    if (at + 1 < message.size() && (message[at + 1] == 'c' || message[at + 1] == 's')) return at;
  }
  return std::string_view::npos;
}

// A message is a constant text in which %c stands for a character and %s for a
// string; every other character, a lone % included, is printed as it stands.
// Its placeholders are checked against the values at compile time, and since
// it must be a constant, nothing the user types can ever be read as a message.
template <typename... Values>
struct Message {
  template <typename Text>
  requires std::convertible_to<const Text&, std::string_view>
  consteval Message(const Text& constant) : text(constant) {  // NOLINT(google-explicit-constructor)
    static_assert(sizeof...(Values) <= max_values, "a message takes at most max_values values");
    constexpr std::array<char, sizeof...(Values)> kinds{placeholder_for<Values>()...};
    std::size_t from = 0;
    for (const char kind : kinds) {
      const std::size_t at = find_placeholder(text, from);
      if (at == std::string_view::npos || text[at + 1] != kind) placeholders_do_not_match_values();
      from = at + 2;
    }
    if (find_placeholder(text, from) != std::string_view::npos) placeholders_do_not_match_values();
  }

  std::string_view text;

 private:
  template <typename Value>
  static consteval char placeholder_for() {
    if constexpr (std::same_as<Value, char>) {
      return 'c';
    } else {
      static_assert(std::convertible_to<const Value&, std::string_view>,
                    "a value is a character or a string");
      return 's';
    }
  }
  // Not constexpr: calling it stops the compilation of a mismatched message.
  static void placeholders_do_not_match_values() {}
};

// A value as the text that stands in for its placeholder.
inline std::string_view as_text(const char& character) { return {&character, 1}; }
inline std::string_view as_text(std::string_view text) { return text; }

// The pieces of `message` with its values in place of its placeholders.
template <typename... Values>
std::array<std::string_view, 2 * sizeof...(Values) + 1> pieces_of(const Message<Values...>& message,
                                                                  const Values&... values) {
  const std::array<std::string_view, sizeof...(Values)> texts{as_text(values)...};
  std::array<std::string_view, 2 * sizeof...(Values) + 1> pieces;
  std::size_t from = 0;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const std::size_t at = find_placeholder(message.text, from);
    pieces[2 * i] = message.text.substr(from, at - from);
    pieces[2 * i + 1] = texts[i];
    from = at + 2;
  }
  pieces.back() = message.text.substr(from);
  return pieces;
}

}  // namespace console
