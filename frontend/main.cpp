// Pipotka: translates between the digits, the lower-case letters and
// International Morse code, one request a run. Arguments are ignored.
#include "console/console.h"
#include "frontend/run.h"

int main() {
  console::prepare_streams();
  return frontend::run();
}
