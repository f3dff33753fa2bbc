// SPDX-License-Identifier: GPL-3.0-or-later
#include "service/radio_id.h"

#include <algorithm>

#include "service/digits.h"

namespace m27 {
namespace {

std::uint8_t byte_of(std::uint32_t id, int shift) { return static_cast<std::uint8_t>(id >> shift); }

}  // namespace

Frame write_id_request(std::uint32_t id) {
  return make_frame(command::kWriteId,
                    {byte_of(id, 24), byte_of(id, 16), byte_of(id, 8), byte_of(id, 0)});
}

Frame read_id_request() { return make_frame(command::kReadId, {0, 0, 0}); }

std::optional<std::string> decode_id(const Frame& reply) {
  if (reply.data.size() < std::size_t{kIdReplyData}) return std::nullopt;
  std::uint32_t id = 0;
  for (int i = 0; i < kIdReplyData; ++i) id = id << 8 | reply.data[i];
  return std::to_string(id);
}

std::optional<std::uint32_t> id_value(std::string_view id) { return digits_value(id); }

bool id_input_allowed(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

IdFields after_write(std::uint32_t written, std::string_view successes) {
  // The unsigned addition wraps past 4294967295 to 0.
  const std::uint32_t next = written + 1;
  const std::uint64_t count = digits_value(successes).value_or(0);
  return {std::to_string(next), std::to_string(count + 1)};
}

}  // namespace m27
