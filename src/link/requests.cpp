// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/requests.h"

#include "channels/codec.h"

namespace m27 {

Frame read_options_request() { return make_frame(command::kReadOptions, {0, 0, 4}); }

Frame read_channel_request(int addr_hi) {
  return make_frame(command::kReadChannel, {static_cast<std::uint8_t>(addr_hi), 0, 5});
}

Frame end_request() { return make_frame(command::kEnd, {}); }

std::optional<Frame> write_options_request(const Sheet& sheet) {
  const auto record = encode_options(sheet);
  if (!record) return std::nullopt;
  const auto [flags, plan, total] = *record;
  return make_frame(command::kWriteOptions, {0, 0, flags, plan, total, 0});
}

std::optional<Frame> write_channel_request(const Sheet& sheet, int ch_index) {
  const auto record = encode_channel(sheet, ch_index);
  if (!record) return std::nullopt;
  std::array<std::uint8_t, 9> data{static_cast<std::uint8_t>(ch_index), 0};
  std::copy(record->begin(), record->end(), data.begin() + 2);
  return make_frame(command::kWriteChannel, data);
}

}  // namespace m27
