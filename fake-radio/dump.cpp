// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake-radio/dump.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <cstdint>
#include <cstdio>
#include <span>
#include <vector>

namespace m27::fake {
namespace {

void append_hex(std::string& out, std::uint32_t value, int digits) {
  char text[9];
  std::snprintf(text, sizeof text, "%0*X", digits, static_cast<unsigned>(value));
  out += text;
}

std::vector<std::string_view> split_words(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t pos = 0;
  while (true) {
    pos = line.find_first_not_of(" \t\r", pos);
    if (pos == std::string_view::npos) return words;
    const std::size_t end = std::min(line.find_first_of(" \t\r", pos), line.size());
    words.push_back(line.substr(pos, end - pos));
    pos = end;
  }
}

int hex_digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Exactly `digits` hexadecimal digits.
std::optional<std::uint32_t> parse_hex(std::string_view word, std::size_t digits) {
  if (word.size() != digits) return std::nullopt;
  std::uint32_t value = 0;
  for (char c : word) {
    const int digit = hex_digit(c);
    if (digit < 0) return std::nullopt;
    value = value * 16 + static_cast<std::uint32_t>(digit);
  }
  return value;
}

std::optional<int> parse_row(std::string_view word) {
  if (word.empty() || word.size() > 2) return std::nullopt;
  int row = 0;
  for (char c : word) {
    if (c < '0' || c > '9') return std::nullopt;
    row = row * 10 + (c - '0');
  }
  if (row >= kChannelCount) return std::nullopt;
  return row;
}

// Fills `bytes` from the words; false unless there are exactly as many words, each one byte.
template <std::size_t N>
bool parse_bytes(std::span<const std::string_view> words, std::array<std::uint8_t, N>& bytes) {
  if (words.size() != N) return false;
  for (std::size_t i = 0; i < N; ++i) {
    const auto value = parse_hex(words[i], 2);
    if (!value) return false;
    bytes[i] = static_cast<std::uint8_t>(*value);
  }
  return true;
}

class DumpReader {
 public:
  // The reason the line is refused, or an empty text.
  std::string read_line(std::string_view line) {
    const auto words = split_words(line);
    if (words.empty() || words[0].starts_with('#')) return {};
    const std::span<const std::string_view> args(words.begin() + 1, words.end());
    if (words[0] == "options") return read_options(args);
    if (words[0] == "channel") return read_channel(args);
    if (words[0] == "rssi") return read_rssi(args);
    if (words[0] == "id") return read_id(args);
    return "unknown record \"" + std::string(words[0]) + "\"";
  }

  // The reason the memory is incomplete, or an empty text.
  std::string missing() const {
    if (!has_options_) return "no options line";
    for (int row = 0; row < kChannelCount; ++row) {
      if (!rows_[row]) return "no channel " + std::to_string(row) + " line";
    }
    if (!has_rssi_) return "no rssi line";
    if (!has_id_) return "no id line";
    return {};
  }

  const Memory& memory() const { return memory_; }

 private:
  std::string read_options(std::span<const std::string_view> args) {
    if (has_options_) return "options repeated";
    if (!parse_bytes(args, memory_.options)) return "options needs 3 hex bytes";
    has_options_ = true;
    return {};
  }

  std::string read_channel(std::span<const std::string_view> args) {
    const auto row = args.empty() ? std::nullopt : parse_row(args[0]);
    if (!row) return "channel needs a row 0..24";
    if (rows_[*row]) return "channel " + std::to_string(*row) + " repeated";
    if (!parse_bytes(args.subspan(1), memory_.channels[*row])) {
      return "channel needs a row and 7 hex bytes";
    }
    rows_[*row] = true;
    return {};
  }

  std::string read_rssi(std::span<const std::string_view> args) {
    if (has_rssi_) return "rssi repeated";
    std::array<std::uint8_t, 2> values{};
    if (!parse_bytes(args, values)) return "rssi needs 2 hex bytes";
    memory_.rssi_narrow = values[0];
    memory_.rssi_wide = values[1];
    has_rssi_ = true;
    return {};
  }

  std::string read_id(std::span<const std::string_view> args) {
    if (has_id_) return "id repeated";
    const auto id = args.size() == 1 ? parse_hex(args[0], 8) : std::nullopt;
    if (!id) return "id needs 8 hex digits";
    memory_.id = *id;
    has_id_ = true;
    return {};
  }

  Memory memory_{};
  bool has_options_ = false;
  std::bitset<kChannelCount> rows_;
  bool has_rssi_ = false;
  bool has_id_ = false;
};

}  // namespace

std::string dump(const Memory& memory) {
  std::string out = "# m27 fake radio memory\noptions";
  for (auto byte : memory.options) append_hex(out += ' ', byte, 2);
  out += '\n';
  for (int row = 0; row < kChannelCount; ++row) {
    out += "channel " + std::to_string(row);
    for (auto byte : memory.channels[row]) append_hex(out += ' ', byte, 2);
    out += '\n';
  }
  out += "rssi ";
  append_hex(out, memory.rssi_narrow, 2);
  append_hex(out += ' ', memory.rssi_wide, 2);
  out += "\nid ";
  append_hex(out, memory.id, 8);
  out += '\n';
  return out;
}

std::optional<Memory> parse_dump(std::string_view text, std::string* error) {
  DumpReader reader;
  std::string reason;
  int line_number = 0;
  while (!text.empty() && reason.empty()) {
    ++line_number;
    const std::size_t end = std::min(text.find('\n'), text.size());
    reason = reader.read_line(text.substr(0, end));
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  if (!reason.empty()) {
    reason = "line " + std::to_string(line_number) + ": " + reason;
  } else {
    reason = reader.missing();
  }
  if (reason.empty()) return reader.memory();
  if (error) *error = reason;
  return std::nullopt;
}

}  // namespace m27::fake
