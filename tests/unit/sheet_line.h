// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts of a sheet, and a message box, as one line, "462.56250|451.00500|67.0|D503|宽带", so that a
// test states several fields at once and a failure shows them side by side.

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "channels/message.h"
#include "channels/options.h"
#include "channels/sheet.h"
#include "channels/words.h"

namespace m27 {

template <typename T, std::size_t Size>
using Fields = std::array<std::string T::*, Size>;

// Receive frequency, transmit frequency, receive tone, transmit tone, bandwidth.
inline const Fields<ChannelRow, 5> kRowFields = {&ChannelRow::rx_frequency,
                                                 &ChannelRow::tx_frequency, &ChannelRow::rx_tone,
                                                 &ChannelRow::tx_tone, &ChannelRow::bandwidth};
// What the option record carries: mode, transmit, busy lock-out, FSK, plan, channel total.
inline const Fields<Sheet, 6> kOptionFields = {&Sheet::mode,         &Sheet::transmit,
                                               &Sheet::busy_lockout, &Sheet::fsk,
                                               &Sheet::plan,         &Sheet::channel_total};

template <typename T, std::size_t Size>
std::string line_of(const T& t, const Fields<T, Size>& fields) {
  std::string line = t.*fields[0];
  for (std::size_t k = 1; k < Size; ++k) line += "|" + t.*fields[k];
  return line;
}

template <typename T, std::size_t Size>
void set_line(T& t, const Fields<T, Size>& fields, std::string_view line) {
  for (const auto field : fields) {
    const std::size_t bar = std::min(line.find('|'), line.size());
    t.*field = line.substr(0, bar);
    line.remove_prefix(std::min(bar + 1, line.size()));
  }
}

// A message box as one line: "注意 (!) 第3信道频率输入错误，请重新输入", or "nothing".
inline std::string shown(const std::optional<Message>& message) {
  if (!message) return "nothing";
  const char* icon = message->icon == MessageIcon::Exclamation ? " (!) " : " ";
  return message->title + icon + message->text;
}

// A notice as it reads with its texts as written.
inline std::string shown(const std::optional<Notice>& notice) {
  if (!notice) return "nothing";
  return shown(Message{source_text(notice->text), source_text(notice->title), notice->icon});
}

// The start-up sheet switched to the given mode, as the mode box does.
inline Sheet startup_sheet_in(ToneMode mode) {
  Sheet sheet = startup_sheet();
  if (mode == ToneMode::Normal) return sheet;
  sheet.mode = kProfessionalMode;
  change_mode(sheet);
  return sheet;
}

}  // namespace m27
