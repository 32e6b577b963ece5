// How fast the translations are, so that a change that slows them shows.
#include <string>
#include <vector>

#include "benchmark/benchmark.h"
#include "morse/morse.h"

namespace {

void char_to_morse_over_every_byte(benchmark::State& state) {
  for (auto _ : state) {
    for (int byte = 0; byte < 256; ++byte) {
      benchmark::DoNotOptimize(morse::char_to_morse(static_cast<char>(byte)));
    }
  }
  state.SetItemsProcessed(state.iterations() * 256);
}
BENCHMARK(char_to_morse_over_every_byte);

void morse_to_char_over_every_code(benchmark::State& state) {
  std::vector<std::string> texts;
  for (const morse::Code& row : morse::morse_table) {
    texts.emplace_back(row.code);
    texts.push_back(std::string(row.code) + "-.x");
  }
  for (auto _ : state) {
    for (const std::string& text : texts) benchmark::DoNotOptimize(morse::morse_to_char(text));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts.size()));
}
BENCHMARK(morse_to_char_over_every_code);

// Words of the given length, letters and digits mixed.
void word_to_morse_of_length(benchmark::State& state) {
  std::string word;
  const std::string characters = "abcdefghijklmnopqrstuvwxyz0123456789";
  while (word.size() < static_cast<std::size_t>(state.range(0))) {
    word += characters[word.size() % characters.size()];
  }
  for (auto _ : state) benchmark::DoNotOptimize(morse::word_to_morse(word));
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(word_to_morse_of_length)->Arg(19)->Arg(4095);

}  // namespace

BENCHMARK_MAIN();
