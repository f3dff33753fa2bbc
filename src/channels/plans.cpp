// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/plans.h"

#include <algorithm>

#include "channels/channel_table.h"
#include "channels/validation.h"

namespace m27 {
namespace {

// Frequencies in 10 Hz units, written as MHz * 100000.
constexpr std::array<FreqUnits, 22> kUsPlan = {
    // 462.5625 .. 462.7125 MHz
    46256250, 46258750, 46261250, 46263750, 46266250, 46268750, 46271250,
    // 467.5625 .. 467.7125 MHz
    46756250, 46758750, 46761250, 46763750, 46766250, 46768750, 46771250,
    // 462.5500 .. 462.7250 MHz
    46255000, 46257500, 46260000, 46262500, 46265000, 46267500, 46270000, 46272500};

template <std::size_t N>
constexpr std::array<FreqUnits, N> series(FreqUnits first, FreqUnits spacing) {
  std::array<FreqUnits, N> plan{};
  for (std::size_t k = 0; k < N; ++k) plan[k] = first + spacing * static_cast<FreqUnits>(k);
  return plan;
}

constexpr auto kChinaPlan = series<20>(40975000, 1250);           // 409.7500 + 12.5 kHz k
constexpr auto kTaiwanPlan = series<14>(46751250, 1250);          // 467.5125 + 12.5 kHz k
constexpr auto kCustomFrequencies = series<25>(40012500, 50000);  // 400.125 + 0.5 MHz k

}  // namespace

int plan_index_of(std::string_view plan) {
  const auto it = std::find(kPlanItems.begin(), kPlanItems.end(), plan);
  return static_cast<int>(it - kPlanItems.begin());
}

std::span<const FreqUnits> plan_frequencies(int plan_index) {
  switch (plan_index) {
    case 0:
      return kUsPlan;
    case 1:
      return kChinaPlan;
    case 2:
      return kTaiwanPlan;
    default:
      return kCustomFrequencies;
  }
}

Words plan_title(int plan_index) {
  switch (plan_index) {
    case 0:
      return M27_WORDS("channels", "美国标准");
    case 1:
      return M27_WORDS("channels", "中国标准");
    case 2:
      return M27_WORDS("channels", "台湾标准");
    default:
      return M27_WORDS("channels", "自定义标准");
  }
}

Words apply_plan(Sheet& sheet) {
  derive_plan_index(sheet);
  const auto plan = plan_frequencies(sheet.plan_index);
  sheet.channel_total = std::to_string(plan.size());
  for (std::size_t i = 0; i < plan.size(); ++i) {
    ChannelRow& row = sheet.rows[i];
    row.rx_frequency = plain_frequency_text(plan[i]);
    row.tx_frequency = row.rx_frequency;
    row.tx_tone = kToneOff;
    row.rx_tone = kToneOff;
    row.bandwidth = kNarrow;
  }
  for (ChannelRow& row : sheet.rows) {
    row.rx_frequency = format_frequency(row.rx_frequency);
    row.tx_frequency = format_frequency(row.tx_frequency);
  }
  enable_rows_in_use(sheet);
  return plan_title(sheet.plan_index);
}

}  // namespace m27
