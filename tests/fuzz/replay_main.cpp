// SPDX-License-Identifier: GPL-3.0-or-later
// A fuzz target's main without libFuzzer: runs the target once on the empty input and once on
// each file named, or each file of a folder named (its seed corpus), so that every target builds
// with any compiler and keeps passing its seeds in every test run. A failed check aborts.

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::filesystem::path> inputs_named(int argc, char* argv[]) {
  std::vector<std::filesystem::path> inputs;
  for (int i = 1; i < argc; ++i) {
    const std::filesystem::path named(argv[i]);
    if (!std::filesystem::is_directory(named)) {
      inputs.push_back(named);
      continue;
    }
    for (const auto& entry : std::filesystem::directory_iterator(named)) {
      if (entry.is_regular_file()) inputs.push_back(entry.path());
    }
  }
  std::sort(inputs.begin(), inputs.end());
  return inputs;
}

}  // namespace

int main(int argc, char* argv[]) {
  static const std::uint8_t kNothing[1] = {};
  LLVMFuzzerTestOneInput(kNothing, 0);
  const auto inputs = inputs_named(argc, argv);
  for (const auto& input : inputs) {
    std::ifstream file(input, std::ios::binary);
    if (!file) {
      std::cerr << input.string() << ": cannot be read\n";
      return 1;
    }
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  }
  std::cout << "replayed the empty input and " << inputs.size() << " files\n";
  return 0;
}
