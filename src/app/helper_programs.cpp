// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/helper_programs.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace m27 {

std::string helper_program(const std::string& name) {
  std::error_code error;
  const auto here = std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
  const auto beside = here / name;
  if (std::filesystem::exists(beside, error)) return beside.string();
  return (here / M27_HELPERS_FROM_BIN / name).lexically_normal().string();
}

std::string window_program() { return helper_program("m27-window"); }

std::string exec_program(const std::string& program, char* argv[]) {
  execv(program.c_str(), argv);
  return program + ": " + std::strerror(errno);
}

}  // namespace m27
