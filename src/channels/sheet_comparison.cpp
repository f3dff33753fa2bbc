// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/sheet_comparison.h"

#include <optional>

#include "channels/channel_table.h"
#include "channels/decimal.h"
#include "channels/frequency.h"
#include "channels/options.h"
#include "channels/validation.h"

namespace m27 {
namespace {

constexpr std::string_view kVerifyTitle = "校验";

Sheet as_written(Sheet sheet) {
  check_rasters(sheet);
  normalise_frequencies(sheet);
  return sheet;
}

// Two texts carry the same value when both have one and it is equal, or both have none and
// the texts are equal.
template <typename Value>
bool same_value(const std::optional<Value>& a, const std::optional<Value>& b,
                const std::string& text_a, const std::string& text_b) {
  if (a && b) return *a == *b;
  return !a && !b && text_a == text_b;
}

class Comparison {
 public:
  Comparison(const Sheet& first, const Sheet& second) : first_(first), second_(second) {}

  std::vector<Difference> run() {
    options();
    for (int i = 0; i < kRows; ++i) channel(i);
    return std::move(differences_);
  }

 private:
  void options() {
    flag("发射", &Sheet::transmit, kTransmitForbidden);
    flag("遇忙禁发", &Sheet::busy_lockout, kSwitchOn);
    flag("FSK", &Sheet::fsk, kSwitchOn);
    const std::string& total_a = first_.channel_total;
    const std::string& total_b = second_.channel_total;
    if (!same_value(integer_value(total_a), integer_value(total_b), total_a, total_b)) {
      add(0, "信道总数", total_a, total_b);
    }
    flag("模式", &Sheet::mode, kProfessionalMode);
    if (first_.plan_index != second_.plan_index) add(0, "频率选择", first_.plan, second_.plan);
  }

  // An option the record carries as one bit: set when the text is `on`.
  void flag(std::string_view label, std::string Sheet::*box, std::string_view on) {
    if ((first_.*box == on) != (second_.*box == on)) add(0, label, first_.*box, second_.*box);
  }

  void channel(int i) {
    const ChannelRow& a = first_.rows[i];
    const ChannelRow& b = second_.rows[i];
    frequency(i, "接收频率", a.rx_frequency, b.rx_frequency);
    tone(i, "接收亚音", a.rx_tone, b.rx_tone);
    frequency(i, "发射频率", a.tx_frequency, b.tx_frequency);
    tone(i, "发射亚音", a.tx_tone, b.tx_tone);
    if ((a.bandwidth == kWide) != (b.bandwidth == kWide))
      add(i + 1, "带宽", a.bandwidth, b.bandwidth);
  }

  void frequency(int i, std::string_view field, const std::string& a, const std::string& b) {
    if (!same_value(frequency_value(a), frequency_value(b), a, b)) add(i + 1, field, a, b);
  }

  // A tone is its code in the tone table of its own sheet's mode.
  void tone(int i, std::string_view field, const std::string& a, const std::string& b) {
    if (tone_code(a, tone_table(first_.tone_mode)) != tone_code(b, tone_table(second_.tone_mode))) {
      add(i + 1, field, a, b);
    }
  }

  void add(int channel, std::string_view field, const std::string& a, const std::string& b) {
    differences_.push_back({channel, std::string(field), a, b});
  }

  const Sheet& first_;
  const Sheet& second_;
  std::vector<Difference> differences_;
};

std::string shown(const std::string& text) { return text.empty() ? "\"\"" : text; }

}  // namespace

std::vector<Difference> compare_sheets(Sheet first, Sheet second) {
  return Comparison(as_written(std::move(first)), as_written(std::move(second))).run();
}

std::string difference_line(const Difference& difference) {
  std::string line;
  if (difference.channel > 0) line = std::to_string(difference.channel) + " ";
  return line + difference.field + " " + shown(difference.first) + " " + shown(difference.second);
}

Message verification_verdict(bool same) {
  if (same) return {"校验通过", std::string(kVerifyTitle)};
  return {"校验不一致", std::string(kVerifyTitle), MessageIcon::Exclamation};
}

Message verification_message(const std::vector<Difference>& differences) {
  Message message = verification_verdict(differences.empty());
  for (const Difference& difference : differences) {
    message.text += "\n" + difference_line(difference);
  }
  return message;
}

Message read_back_failure() {
  return {"写频已完成，但读回对讲机失败，未能校验", std::string(kVerifyTitle),
          MessageIcon::Exclamation};
}

}  // namespace m27
