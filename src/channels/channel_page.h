// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The channel list as it goes on paper, into a PDF or into a series job's report, as a plain
// value: a heading, the facts of the sheet (date, plan, mode, the three switches, the channel
// total, the radio's ID when it is known) and a row per channel in use, in the grid's order and
// texts. The painter only lays it out.

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "channels/sheet.h"
#include "channels/words.h"

namespace m27 {

inline constexpr std::size_t kPageColumns = 6;
using PageRow = std::array<std::string, kPageColumns>;
using PageFacts = std::vector<std::pair<Words, std::string>>;  // label, value
using PageHeader = std::array<Words, kPageColumns>;

// The table's header: "信道" and the grid's captions.
PageHeader channel_header();

struct ChannelPage {
  Words heading = as_is({});  // the file's name, or 未命名
  PageFacts facts;
  PageHeader header = channel_header();
  std::vector<PageRow> rows;  // the channels in use; none beyond the channel total

  friend bool operator==(const ChannelPage&, const ChannelPage&) = default;
};

// The sheet's options as the option bar labels them: 频率方案, 模式, 发射, 遇忙禁发, FSK, 信道总数.
PageFacts sheet_facts(const Sheet& sheet);

// A row per channel up to the channel total (every row when the total is no number).
std::vector<PageRow> channels_in_use(const Sheet& sheet);

// `file_name`: the channel file's name without its folder, empty for a sheet never saved;
// `date`: as it is to be printed; `radio_id`: the ID of the radio on the open port, if known.
ChannelPage channel_page(const Sheet& sheet, const std::string& file_name, const std::string& date,
                         const std::optional<std::string>& radio_id);

}  // namespace m27
