// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The requests of the read and write transfers, and what else the two share.

#include <chrono>
#include <cstdint>
#include <optional>

#include "channels/sheet.h"
#include "channels/words.h"
#include "link/frame.h"

namespace m27 {

namespace command {
inline constexpr std::uint8_t kEnd = 0x45;           // 'E'
inline constexpr std::uint8_t kReadChannel = 0x52;   // 'R'
inline constexpr std::uint8_t kReadOptions = 0x53;   // 'S'
inline constexpr std::uint8_t kWriteChannel = 0x57;  // 'W'
inline constexpr std::uint8_t kWriteOptions = 0x58;  // 'X'
}  // namespace command

// The option exchange of a read waits 1 s an attempt, everything else of the transfers 5 s.
inline constexpr std::chrono::seconds kReadOptionsInterval{1};
inline constexpr std::chrono::seconds kTransferInterval{5};

// What the user is told when the radio stops answering a transfer.
inline Words no_answer() { return M27_WORDS("link", "通讯失败，请检查对讲机是否进入写频模式"); }
// What a write that ended with some of its records in the radio and others not adds.
inline Words radio_may_be_incomplete() {
  return M27_WORDS("link", "对讲机中的数据可能不完整，请重新写频");
}

// 53 03 00 00 04 5A: the option record.
Frame read_options_request();
// 52 03 ch 00 05 cks: the channel record of row `addr_hi`.
Frame read_channel_request(int addr_hi);
// 45 00 45: programming is over.
Frame end_request();
// 58 06 00 00 flags plan total 00 cks; nothing when the channel total cannot be sent.
std::optional<Frame> write_options_request(const Sheet& sheet);
// 57 09 ch 00 + the 7-byte channel record of row `ch_index` + cks; nothing when a frequency of
// the row cannot be sent.
std::optional<Frame> write_channel_request(const Sheet& sheet, int ch_index);

}  // namespace m27
