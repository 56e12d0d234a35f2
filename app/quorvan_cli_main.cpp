#include <cstdio>

int main() {
  std::fputs("quorvan-cli: not built yet\n", stderr);
  return 2;
}
