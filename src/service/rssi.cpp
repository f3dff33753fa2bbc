// SPDX-License-Identifier: GPL-3.0-or-later
#include "service/rssi.h"

#include <algorithm>

#include "service/digits.h"

namespace m27 {
namespace {

constexpr std::uint8_t kFixed = 0x80;  // the record's bytes besides the two values
constexpr std::uint8_t kRssiRecord = 7;

int scrollbar_value(std::uint8_t value) { return std::clamp<int>(value, kRssiMin, kRssiMax); }

}  // namespace

Frame read_rssi_request() { return make_frame(command::kReadRssi, {0, 0, kRssiRecord}); }

Frame adjust_rssi_request(std::uint8_t narrow, std::uint8_t wide) {
  return make_frame(command::kAdjustRssi, {0, 0, kFixed, kFixed, narrow, wide, kFixed, 0});
}

RssiFields decode_rssi(const RxData& rx_data) {
  const std::uint8_t narrow = rx_data[2];
  const std::uint8_t wide = rx_data[3];
  return {scrollbar_value(narrow), std::to_string(narrow), scrollbar_value(wide),
          std::to_string(wide)};
}

std::optional<std::uint8_t> rssi_value(std::string_view text) {
  const auto value = digits_value(text);
  if (!value || *value > 255) return std::nullopt;
  return static_cast<std::uint8_t>(*value);
}

}  // namespace m27
