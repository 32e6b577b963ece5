// What the mode dialogues share.
#pragma once

#include <string_view>

#include "console/console.h"
#include "morse/morse.h"

namespace morse {

inline constexpr std::string_view no_code_message =
    "Tento \"%c\" znak nema preklad v morzeove abecede.\n";

// Ends a dialogue whose token did not arrive: too long, or input ended first.
Outcome end_without_token(console::Token::Status status);

}  // namespace morse
