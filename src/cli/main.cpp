// velkora-cli: the conversion engine for scripts and batch work.
#include <iostream>

int main() {
  std::cerr << "velkora-cli: no command yet\n";
  return 2;
}
