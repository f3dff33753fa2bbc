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

constexpr int kMaxChannelTotal = 25;

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
  const auto total = integer_value(sheet.Combo2_60);
  if (!total || *total < 0 || *total > 255) return std::nullopt;
  std::uint8_t flags = option_bit::kAlways;
  if (sheet.Combo4 == kProfessionalMode) flags |= option_bit::kProfessional;
  if (sheet.Combo5 == kTransmitForbidden) flags |= option_bit::kTransmitForbidden;
  if (sheet.Combo6 == kSwitchOn) flags |= option_bit::kBusyLockout;
  if (sheet.Combo7 == kSwitchOn) flags |= option_bit::kFsk;
  return OptionRecord{flags, static_cast<std::uint8_t>(sheet.std_index),
                      static_cast<std::uint8_t>(*total)};
}

std::optional<ChannelRecord> encode_channel(const Sheet& sheet, int ch_index) {
  const ChannelRow& row = sheet.rows[ch_index];
  const auto rx = count_of(row.Text1, row.rx_step);
  const auto tx = count_of(row.Text3, row.tx_step);
  if (!rx || !tx) return std::nullopt;
  const auto tones = tone_list(sheet.tone_mode);
  const ToneCode rx_tone = tone_code(row.Text5, tones);
  const ToneCode tx_tone = tone_code(row.Text2, tones);
  std::uint8_t flags = 0;
  if (row.rx_step != 0) flags |= channel_bit::kReceive6_25;
  if (row.tx_step != 0) flags |= channel_bit::kTransmit6_25;
  if (row.Text4 == kWide) flags |= channel_bit::kWide;
  if (rx_tone.inverted) flags |= channel_bit::kReceiveInverted;
  if (tx_tone.inverted) flags |= channel_bit::kTransmitInverted;
  return ChannelRecord{high_byte(*rx), low_byte(*rx), high_byte(*tx), low_byte(*tx),
                       rx_tone.code,   tx_tone.code,  flags};
}

int Get_Opt_Data(Sheet& sheet, const OptionRecord& record) {
  const auto [flags, plan, total] = record;
  const bool professional = (flags & option_bit::kProfessional) != 0;
  if (professional != (sheet.Combo4 == kProfessionalMode)) {
    sheet.Combo4 = professional ? kProfessionalMode : kNormalMode;
    Combo4_Click(sheet);
  }
  sheet.Combo5 = (flags & option_bit::kTransmitForbidden) ? kTransmitForbidden : kTransmitAllowed;
  sheet.Combo6 = (flags & option_bit::kBusyLockout) ? kSwitchOn : kSwitchOff;
  sheet.Combo7 = (flags & option_bit::kFsk) ? kSwitchOn : kSwitchOff;
  sheet.std_index = plan;
  sheet.Combo1 = plan < kPlanItems.size() ? std::string(kPlanItems[plan]) : std::string();
  sheet.Combo2_60 = std::to_string(std::min<int>(total, kMaxChannelTotal));
  RESET_Ch_Sel(sheet);
  return total;
}

void Get_Chn_Data(Sheet& sheet, int ch_index, const ChannelRecord& record) {
  const auto [rx_high, rx_low, tx_high, tx_low, rx_code, tx_code, flags] = record;
  ChannelRow& row = sheet.rows[ch_index];
  row.Text1 = decoded_frequency(rx_high, rx_low, flags & channel_bit::kReceive6_25);
  row.Text3 = decoded_frequency(tx_high, tx_low, flags & channel_bit::kTransmit6_25);
  const auto tones = tone_list(sheet.tone_mode);
  row.Text5 = tone_text({rx_code, (flags & channel_bit::kReceiveInverted) != 0}, tones);
  row.Text2 = tone_text({tx_code, (flags & channel_bit::kTransmitInverted) != 0}, tones);
  row.Text4 = (flags & channel_bit::kWide) ? kWide : kNarrow;
  // An editor left open on the row holds a choice made before the radio's value arrived; it
  // must not be committed over it.
  row.Combo3.reset();
  row.Combo2.reset();
}

}  // namespace m27
