// The platform's read call, as the console's input uses it.
#pragma once

#include <cstddef>
#include <span>

namespace console {

inline constexpr int standard_input_descriptor = 0;

// Reads what one read of `descriptor` brings into `buffer` and returns its
// size; 0 when the input has ended or failed for good.
std::size_t receive(int descriptor, std::span<char> buffer);

}  // namespace console
