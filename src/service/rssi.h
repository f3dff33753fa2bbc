// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The radio's two RSSI calibration values, one for narrow-band and one for wide-band reception:
// the requests that read and set them, what a reply shows, and which typed values may be sent.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "link/frame.h"
#include "service/rx_data.h"

namespace m27 {

namespace command {
inline constexpr std::uint8_t kReadRssi = 0x54;    // 'T'
inline constexpr std::uint8_t kAdjustRssi = 0x59;  // 'Y'
}  // namespace command

// The range of the two scrollbars.
inline constexpr int kRssiMin = 21;
inline constexpr int kRssiMax = 99;

// A reply to the read carries the values in data bytes 2 and 3.
inline constexpr int kRssiReplyData = 4;

// 54 03 00 00 07 5E.
Frame read_rssi_request();

// 59 08 00 00 80 80 narrow wide 80 00 cks.
Frame adjust_rssi_request(std::uint8_t narrow, std::uint8_t wide);

// What the dialog shows of the two values: `narrow`/`narrow_text` narrow band, `wide`/`wide_text`
// wide band.
struct RssiFields {
  int narrow = kRssiMin;
  std::string narrow_text;
  int wide = kRssiMin;
  std::string wide_text;

  friend bool operator==(const RssiFields&, const RssiFields&) = default;
};

// `decode_rssi`: narrow band from `rx_data` entry 2, wide band from entry 3. The texts show the
// values as the radio sent them; a scrollbar cannot go outside 21..99 and stops at the nearer
// end. The dialog sets each scrollbar before its text, since moving a scrollbar rewrites the text.
RssiFields decode_rssi(const RxData& rx_data);

// The byte a typed calibration value is sent as: an integer 0..255 in decimal digits; nothing
// for any other text, which "调整" refuses.
std::optional<std::uint8_t> rssi_value(std::string_view text);

}  // namespace m27
