// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake-radio/memory.h"

namespace m27::fake {
namespace {

constexpr std::uint8_t kRaster6k25Both = 0x03;
constexpr std::uint8_t kWide = 0x04;

ChannelRecord simplex(int count, std::uint8_t flags) {
  const auto hi = static_cast<std::uint8_t>(count / 256);
  const auto lo = static_cast<std::uint8_t>(count % 256);
  return {hi, lo, hi, lo, 0, 0, flags};
}

// The US plan in 6.25 kHz steps above 400 MHz: three runs of 25 kHz (4 steps) spacing.
int us_plan_count(int row) {
  if (row < 7) return 10010 + 4 * row;         // 462.56250 MHz upward
  if (row < 14) return 10810 + 4 * (row - 7);  // 467.56250 MHz upward
  return 10008 + 4 * (row - 14);               // 462.55000 MHz upward
}

}  // namespace

Memory default_memory() {
  Memory memory{};
  memory.options = {0x01, 0x00, 22};
  for (int row = 0; row < 22; ++row)
    memory.channels[row] = simplex(us_plan_count(row), kRaster6k25Both);
  memory.channels[1][4] = 1;
  memory.channels[1][5] = 39;
  memory.channels[1][6] = kRaster6k25Both | kWide;
  for (int row = 22; row < kChannelCount; ++row) {
    memory.channels[row] = simplex(10001 + (row - 22), 0x00);  // 450.00500 MHz upward, 5 kHz raster
  }
  memory.rssi_narrow = 45;
  memory.rssi_wide = 43;
  memory.id = 12345678;
  return memory;
}

}  // namespace m27::fake
