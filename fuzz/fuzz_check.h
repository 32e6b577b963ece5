// Stops a fuzzer on a broken property, with a line that says which.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <string_view>

inline void require(bool holds, std::string_view property) {
  if (holds) return;
  static_cast<void>(::write(STDERR_FILENO, property.data(), property.size()));
  std::abort();
}
