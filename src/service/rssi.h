// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The radio's two RSSI calibration values, one for narrow-band and one for wide-band reception:
// the requests that read and set them, what a reply shows, and which typed values may be sent.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "link/frame.h"

namespace m27 {

namespace command {
inline constexpr std::uint8_t kReadRssi = 0x54;    // 'T'
inline constexpr std::uint8_t kAdjustRssi = 0x59;  // 'Y'
}  // namespace command

// A reply to the read carries the values in data bytes 2 and 3.
inline constexpr int kRssiReplyData = 4;

// 54 03 00 00 07 5E.
Frame read_rssi_request();

// 59 08 00 00 80 80 narrow wide 80 00 cks.
Frame adjust_rssi_request(std::uint8_t narrow, std::uint8_t wide);

// The two calibration values as the radio holds them.
struct RssiValues {
  std::uint8_t narrow = 0;  // narrow band
  std::uint8_t wide = 0;    // wide band

  friend bool operator==(const RssiValues&, const RssiValues&) = default;
};

// `decode_rssi`: narrow band from data byte 2 of the reply, wide band from data byte 3; nothing
// for a reply too short to hold them.
std::optional<RssiValues> decode_rssi(const Frame& reply);

// The byte a typed calibration value is sent as: an integer 0..255 in decimal digits; nothing
// for any other text, which "调整" refuses.
std::optional<std::uint8_t> rssi_value(std::string_view text);

}  // namespace m27
