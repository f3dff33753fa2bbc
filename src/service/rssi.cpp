// SPDX-License-Identifier: GPL-3.0-or-later
#include "service/rssi.h"

#include "service/digits.h"

namespace m27 {
namespace {

constexpr std::uint8_t kFixed = 0x80;  // the record's bytes besides the two values
constexpr std::uint8_t kRssiRecord = 7;

}  // namespace

Frame read_rssi_request() { return make_frame(command::kReadRssi, {0, 0, kRssiRecord}); }

Frame adjust_rssi_request(std::uint8_t narrow, std::uint8_t wide) {
  return make_frame(command::kAdjustRssi, {0, 0, kFixed, kFixed, narrow, wide, kFixed, 0});
}

std::optional<RssiValues> decode_rssi(const Frame& reply) {
  if (reply.data.size() < std::size_t{kRssiReplyData}) return std::nullopt;
  return RssiValues{reply.data[2], reply.data[3]};
}

std::optional<std::uint8_t> rssi_value(std::string_view text) {
  const auto value = digits_value(text);
  if (!value || *value > 255) return std::nullopt;
  return static_cast<std::uint8_t>(*value);
}

}  // namespace m27
