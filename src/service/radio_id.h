// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The radio's identity, a 32-bit unsigned number the user sees and types in decimal: the
// requests that write and read it, what a reply shows, and the rules of the ID field, which
// advances after every write so that a series of radios is written one click each.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "link/frame.h"

namespace m27 {

namespace command {
inline constexpr std::uint8_t kWriteId = 0x5A;  // 'Z'
inline constexpr std::uint8_t kReadId = 0x5B;   // '['
}  // namespace command

// A reply to the read carries the ID in data bytes 0..3.
inline constexpr int kIdReplyData = 4;
// The ID field holds at most this many characters.
inline constexpr int kIdMaxLength = 10;

// 5A 04 b0 b1 b2 b3 cks, the ID most significant byte first.
Frame write_id_request(std::uint32_t id);

// 5B 03 00 00 00 5E.
Frame read_id_request();

// `decode_id`: the ID in data bytes 0..3 of the reply, most significant first, as decimal text;
// nothing for a reply too short to hold it.
std::optional<std::string> decode_id(const Frame& reply);

// The ID the field's text stands for: decimal digits up to 4294967295; nothing for an empty text,
// a larger value or any other character, which "写ID" refuses.
std::optional<std::uint32_t> id_value(std::string_view id);

// Whether typed text goes into the ID field: decimal digits only.
bool id_input_allowed(std::string_view text);

// The ID field `id` and the success count `successes`, as the dialog shows them.
struct IdFields {
  std::string id = "0";
  std::string successes = "0";

  friend bool operator==(const IdFields&, const IdFields&) = default;
};

// The fields after the radio took the ID `written`: the next ID ("0" after 4294967295) and one
// more success. A count that is not a number counts from 0.
IdFields after_write(std::uint32_t written, std::string_view successes);

}  // namespace m27
