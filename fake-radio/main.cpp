// SPDX-License-Identifier: GPL-3.0-or-later
// m27-fake-radio: the fake radio on a pseudo-terminal (see README.md).

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "fake-radio/command_line.h"
#include "fake-radio/dump.h"
#include "fake-radio/serve.h"

namespace {

using namespace m27::fake;

constexpr int kBadArguments = 2;
constexpr int kFailed = 1;

std::optional<Memory> load(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::cerr << "m27-fake-radio: cannot read " << path << "\n";
    return std::nullopt;
  }
  std::ostringstream text;
  text << in.rdbuf();
  std::string error;
  auto memory = parse_dump(text.str(), &error);
  if (!memory) std::cerr << "m27-fake-radio: " << path << ": " << error << "\n";
  return memory;
}

bool save(const std::string& path, const Memory& memory) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << dump(memory);
  out.close();
  if (!out) std::cerr << "m27-fake-radio: cannot write " << path << "\n";
  return static_cast<bool>(out);
}

// The radio on the line (or the last one unplugged) to `path`, each one unplugged before to
// `path`.1, `path`.2, ... in the order they went.
bool save_all(const std::string& path, const RadioLine& line) {
  bool saved = save(path, line.last_memory());
  for (std::size_t i = 0; i < line.unplugged().size(); ++i) {
    saved = save(path + "." + std::to_string(i + 1), line.unplugged()[i]) && saved;
  }
  return saved;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  std::string error;
  const auto settings = parse_command_line(args, &error);
  if (!settings) {
    std::cerr << "m27-fake-radio: " << error << "\n" << kUsage;
    return kBadArguments;
  }
  if (settings->help) {
    std::cout << kUsage;
    return 0;
  }
  auto memory = settings->load_file ? load(*settings->load_file) : default_memory();
  if (!memory) return kFailed;

  RadioLine line(*memory, settings->radio, settings->swap_after);
  int status = serve(line, settings->log);
  if (settings->dump_file && !save_all(*settings->dump_file, line)) status = kFailed;
  return status;
}
