// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The channel list as it goes on paper or into a PDF, as a plain value: a heading, the facts of
// the sheet (date, plan, mode, the three switches, the channel total, the radio's ID when it is
// known) and a row per channel in use, in the grid's order and texts. The painter only lays it
// out.

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "channels/sheet.h"

namespace m27 {

inline constexpr std::size_t kPageColumns = 6;
using PageRow = std::array<std::string, kPageColumns>;

struct ChannelPage {
  std::string heading;                                     // the file's name, or 未命名
  std::vector<std::pair<std::string, std::string>> facts;  // label, value
  PageRow header;
  std::vector<PageRow> rows;  // the channels in use; none beyond the channel total

  friend bool operator==(const ChannelPage&, const ChannelPage&) = default;
};

// `file_name`: the channel file's name without its folder, empty for a sheet never saved;
// `date`: as it is to be printed; `radio_id`: the ID of the radio on the open port, if known.
ChannelPage channel_page(const Sheet& sheet, const std::string& file_name, const std::string& date,
                         const std::optional<std::string>& radio_id);

}  // namespace m27
