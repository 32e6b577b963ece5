// One run of the program: greeting, menu, mode letter, one translation.
#pragma once

namespace frontend {

// Exit statuses.
inline constexpr int answered = 0;     // every read got its input
inline constexpr int input_ended = 1;  // standard input ended or failed before a read got anything

// Runs the whole dialogue on the console and returns the exit status.
int run();

}  // namespace frontend
