/* The floor of a run: a minimal static C program that makes the same reads
 * and writes as a run of pipotka for the same input, and nothing else. It is
 * handed the output it writes, piece by piece, as its arguments: it writes
 * the first, reads standard input once, as pipotka does for input that
 * arrives at once, and writes the rest. */
#include <string.h>
#include <unistd.h>

int main(int argc, char** argv) {
  char input[4096];
  for (int i = 1; i < argc; ++i) {
    if (write(1, argv[i], strlen(argv[i])) < 0) return 1;
    if (i == 1 && read(0, input, sizeof input) < 0) return 1;
  }
  return 0;
}
