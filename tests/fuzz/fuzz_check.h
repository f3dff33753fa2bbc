// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a fuzz target finds wrong beyond a crash: said on stderr, then an abort, which libFuzzer
// (or the replay of the seeds) reports with the input that led to it.

#include <cstdio>
#include <cstdlib>

namespace m27::fuzz {

inline void check(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "%s\n", what);
  std::abort();
}

}  // namespace m27::fuzz
