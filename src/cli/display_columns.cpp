// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/display_columns.h"

#include <array>
#include <cstdint>
#include <utility>

namespace m27 {
namespace {

// The East Asian wide and full-width blocks: Hangul Jamo, CJK punctuation and scripts, CJK
// ideographs with their extensions, Hangul syllables, compatibility forms, full-width forms.
constexpr std::array<std::pair<char32_t, char32_t>, 12> kWide{{
    {0x1100, 0x115F},
    {0x2E80, 0x303E},
    {0x3041, 0x33FF},
    {0x3400, 0x4DBF},
    {0x4E00, 0x9FFF},
    {0xA000, 0xA4CF},
    {0xAC00, 0xD7A3},
    {0xF900, 0xFAFF},
    {0xFE30, 0xFE4F},
    {0xFF00, 0xFF60},
    {0xFFE0, 0xFFE6},
    {0x20000, 0x3FFFD},
}};

std::size_t columns_of(char32_t c) {
  for (const auto& [first, last] : kWide) {
    if (c >= first && c <= last) return 2;
  }
  return 1;
}

// The character at `at` and how many bytes it takes; a stray byte counts as one character.
std::pair<char32_t, std::size_t> next_character(std::string_view text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  const std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  if (length == 1 || at + length > text.size()) return {lead, 1};
  char32_t c = lead & (0x3F >> (length - 1));
  for (std::size_t i = 1; i < length; ++i) {
    c = (c << 6) | (static_cast<unsigned char>(text[at + i]) & 0x3F);
  }
  return {c, length};
}

}  // namespace

std::string cut_to_columns(std::string_view text, std::size_t columns) {
  std::size_t used = 0;
  std::size_t at = 0;
  while (at < text.size()) {
    const auto [c, length] = next_character(text, at);
    if (used + columns_of(c) > columns) break;
    used += columns_of(c);
    at += length;
  }
  return std::string(text.substr(0, at));
}

}  // namespace m27
