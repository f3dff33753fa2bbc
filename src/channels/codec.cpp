// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/codec.h"

#include "channels/channel_table.h"
#include "channels/decimal.h"
#include "channels/frequency.h"
#include "channels/options.h"
#include "channels/plans.h"
#include "channels/validation.h"

namespace m27 {
namespace {

namespace option_bit {
constexpr std::uint8_t kAlways = 1;
constexpr std::uint8_t kBusyLockout = 4;
constexpr std::uint8_t kFsk = 32;
constexpr std::uint8_t kProfessional = 64;
constexpr std::uint8_t kTransmitForbidden = 128;
}  // namespace option_bit

namespace channel_bit {
constexpr std::uint8_t kReceive6_25 = 1;
constexpr std::uint8_t kTransmit6_25 = 2;
constexpr std::uint8_t kWide = 4;
constexpr std::uint8_t kReceiveInverted = 8;
constexpr std::uint8_t kTransmitInverted = 16;
}  // namespace channel_bit

std::uint8_t high_byte(std::uint16_t n) { return static_cast<std::uint8_t>(n >> 8); }
std::uint8_t low_byte(std::uint16_t n) { return static_cast<std::uint8_t>(n & 0xFF); }

std::optional<std::uint16_t> count_of(const std::string& text, int step) {
  const auto f = frequency_value(text);
  if (!f) return std::nullopt;
  return wire_count(*f, step);
}

std::string decoded_frequency(std::uint8_t high, std::uint8_t low, bool on_6_25) {
  const auto count = static_cast<std::uint16_t>(high << 8 | low);
  return frequency_text(count_frequency(count, on_6_25 ? 1 : 0));
}

}  // namespace

std::optional<OptionRecord> encode_options(const Sheet& sheet) {
  const auto total = integer_value(sheet.channel_total);
  if (!total || *total < 0 || *total > 255) return std::nullopt;
  std::uint8_t flags = option_bit::kAlways;
  if (sheet.mode == kProfessionalMode) flags |= option_bit::kProfessional;
  if (sheet.transmit == kTransmitForbidden) flags |= option_bit::kTransmitForbidden;
  if (sheet.busy_lockout == kSwitchOn) flags |= option_bit::kBusyLockout;
  if (sheet.fsk == kSwitchOn) flags |= option_bit::kFsk;
  return OptionRecord{flags, static_cast<std::uint8_t>(sheet.plan_index),
                      static_cast<std::uint8_t>(*total)};
}

std::optional<ChannelRecord> encode_channel(const Sheet& sheet, int ch_index) {
  const ChannelRow& row = sheet.rows[ch_index];
  const auto rx = count_of(row.rx_frequency, row.rx_step);
  const auto tx = count_of(row.tx_frequency, row.tx_step);
  if (!rx || !tx) return std::nullopt;
  const auto tones = tone_table(sheet.tone_mode);
  const ToneCode rx_tone = tone_code(row.rx_tone, tones);
  const ToneCode tx_tone = tone_code(row.tx_tone, tones);
  std::uint8_t flags = 0;
  if (row.rx_step != 0) flags |= channel_bit::kReceive6_25;
  if (row.tx_step != 0) flags |= channel_bit::kTransmit6_25;
  if (row.bandwidth == kWide) flags |= channel_bit::kWide;
  if (rx_tone.inverted) flags |= channel_bit::kReceiveInverted;
  if (tx_tone.inverted) flags |= channel_bit::kTransmitInverted;
  return ChannelRecord{high_byte(*rx), low_byte(*rx), high_byte(*tx), low_byte(*tx),
                       rx_tone.code,   tx_tone.code,  flags};
}

int decode_options(Sheet& sheet, const OptionRecord& record) {
  const auto [flags, plan, total] = record;
  const bool professional = (flags & option_bit::kProfessional) != 0;
  if (professional != (sheet.mode == kProfessionalMode)) {
    sheet.mode = professional ? kProfessionalMode : kNormalMode;
    change_mode(sheet);
  }
  sheet.transmit = (flags & option_bit::kTransmitForbidden) ? kTransmitForbidden : kTransmitAllowed;
  sheet.busy_lockout = (flags & option_bit::kBusyLockout) ? kSwitchOn : kSwitchOff;
  sheet.fsk = (flags & option_bit::kFsk) ? kSwitchOn : kSwitchOff;
  sheet.plan_index = plan;
  sheet.plan = plan < kPlanItems.size() ? std::string(kPlanItems[plan]) : std::string();
  sheet.channel_total = std::to_string(std::min<int>(total, kMaxChannelTotal));
  enable_rows_in_use(sheet);
  return total;
}

void decode_channel(Sheet& sheet, int ch_index, const ChannelRecord& record) {
  const auto [rx_high, rx_low, tx_high, tx_low, rx_code, tx_code, flags] = record;
  ChannelRow& row = sheet.rows[ch_index];
  row.rx_frequency = decoded_frequency(rx_high, rx_low, flags & channel_bit::kReceive6_25);
  row.tx_frequency = decoded_frequency(tx_high, tx_low, flags & channel_bit::kTransmit6_25);
  const auto tones = tone_table(sheet.tone_mode);
  row.rx_tone = tone_text({rx_code, (flags & channel_bit::kReceiveInverted) != 0}, tones);
  row.tx_tone = tone_text({tx_code, (flags & channel_bit::kTransmitInverted) != 0}, tones);
  row.bandwidth = (flags & channel_bit::kWide) ? kWide : kNarrow;
}

}  // namespace m27
