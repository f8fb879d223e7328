// aeriton-calc: runs a study data file through the calculation without a window.
#include <cstdio>

int main() {
  std::fputs("aeriton-calc: not yet available\n", stderr);
  return 2;
}
