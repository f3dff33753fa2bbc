// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/frame.h"

#include <algorithm>

namespace m27 {

Frame make_frame(std::uint8_t command, std::span<const std::uint8_t> data) {
  const auto kept = std::min<std::size_t>(data.size(), kMaxRequestData);
  return Frame{command, {data.begin(), data.begin() + static_cast<std::ptrdiff_t>(kept)}};
}

Frame make_frame(std::uint8_t command, std::initializer_list<std::uint8_t> data) {
  return make_frame(command, std::span<const std::uint8_t>(data.begin(), data.size()));
}

std::vector<std::uint8_t> wire_bytes(const Frame& frame) {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(frame.data.size() + 3);
  bytes.push_back(frame.command);
  bytes.push_back(static_cast<std::uint8_t>(frame.data.size()));
  for (std::uint8_t b : frame.data) bytes.push_back(b);
  unsigned sum = 0;
  for (std::uint8_t b : bytes) sum += b;
  bytes.push_back(static_cast<std::uint8_t>(sum % 256));
  return bytes;
}

int wire_size(const Frame& frame) { return static_cast<int>(frame.data.size()) + 3; }

}  // namespace m27
