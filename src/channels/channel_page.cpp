// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/channel_page.h"

#include <algorithm>
#include <charconv>

#include "channels/cell_rule.h"

namespace m27 {
namespace {

// The channel total the option box shows; a text that is no number leaves every row in.
int channel_total_of(const Sheet& sheet) {
  const std::string& text = sheet.channel_total;
  int total = kRows;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), total);
  if (error != std::errc() || end != text.data() + text.size()) return kRows;
  return std::clamp(total, 0, kRows);
}

}  // namespace

PageHeader channel_header() {
  return {M27_WORDS("channels", "信道"), caption_of(Cell::rx_frequency),
          caption_of(Cell::rx_tone),     caption_of(Cell::tx_frequency),
          caption_of(Cell::tx_tone),     caption_of(Cell::bandwidth)};
}

PageFacts sheet_facts(const Sheet& sheet) {
  return {{M27_WORDS("channels", "频率方案"), sheet.plan},
          {M27_WORDS("channels", "模式"), sheet.mode},
          {M27_WORDS("channels", "发射"), sheet.transmit},
          {M27_WORDS("channels", "遇忙禁发"), sheet.busy_lockout},
          {as_is("FSK"), sheet.fsk},
          {M27_WORDS("channels", "信道总数"), sheet.channel_total}};
}

std::vector<PageRow> channels_in_use(const Sheet& sheet) {
  std::vector<PageRow> rows;
  const int total = channel_total_of(sheet);
  for (int i = 0; i < total; ++i) {
    const ChannelRow& row = sheet.rows[i];
    rows.push_back({std::to_string(i + 1), row.rx_frequency, row.rx_tone, row.tx_frequency,
                    row.tx_tone, row.bandwidth});
  }
  return rows;
}

ChannelPage channel_page(const Sheet& sheet, const std::string& file_name, const std::string& date,
                         const std::optional<std::string>& radio_id) {
  ChannelPage page;
  page.heading = file_name.empty() ? M27_WORDS("channels", "未命名") : as_is(file_name);
  page.facts = {{M27_WORDS("channels", "日期"), date}};
  const PageFacts options = sheet_facts(sheet);
  page.facts.insert(page.facts.end(), options.begin(), options.end());
  if (radio_id) page.facts.emplace_back(M27_WORDS("channels", "对讲机ID"), *radio_id);
  page.rows = channels_in_use(sheet);
  return page;
}

}  // namespace m27
