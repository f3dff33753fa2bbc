// SPDX-License-Identifier: GPL-3.0-or-later
// A fuzz target's main without libFuzzer: runs the target on the empty input and on each file
// named (its seeds), so that every target builds with any compiler and keeps passing its seeds
// in every test run. A failed check aborts.

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char* argv[]) {
  LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(""), 0);
  for (int i = 1; i < argc; ++i) {
    std::ifstream file(argv[i], std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  }
}
