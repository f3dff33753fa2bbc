// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/sheet_comparison.h"

#include <optional>

#include "channels/cell_rule.h"
#include "channels/channel_table.h"
#include "channels/decimal.h"
#include "channels/frequency.h"
#include "channels/options.h"
#include "channels/validation.h"

namespace m27 {
namespace {

Words verify_title() { return M27_WORDS("channels", "校验"); }

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
    flag(M27_WORDS("channels", "发射"), &Sheet::transmit, kTransmitForbidden);
    flag(M27_WORDS("channels", "遇忙禁发"), &Sheet::busy_lockout, kSwitchOn);
    flag(as_is("FSK"), &Sheet::fsk, kSwitchOn);
    const std::string& total_a = first_.channel_total;
    const std::string& total_b = second_.channel_total;
    if (!same_value(integer_value(total_a), integer_value(total_b), total_a, total_b)) {
      add(0, M27_WORDS("channels", "信道总数"), total_a, total_b);
    }
    flag(M27_WORDS("channels", "模式"), &Sheet::mode, kProfessionalMode);
    if (first_.plan_index != second_.plan_index) {
      add(0, M27_WORDS("channels", "频率选择"), first_.plan, second_.plan);
    }
  }

  // An option the record carries as one bit: set when the text is `on`.
  void flag(const Words& label, std::string Sheet::*box, std::string_view on) {
    if ((first_.*box == on) != (second_.*box == on)) add(0, label, first_.*box, second_.*box);
  }

  void channel(int i) {
    const ChannelRow& a = first_.rows[i];
    const ChannelRow& b = second_.rows[i];
    frequency(i, Cell::rx_frequency, a.rx_frequency, b.rx_frequency);
    tone(i, Cell::rx_tone, a.rx_tone, b.rx_tone);
    frequency(i, Cell::tx_frequency, a.tx_frequency, b.tx_frequency);
    tone(i, Cell::tx_tone, a.tx_tone, b.tx_tone);
    if ((a.bandwidth == kWide) != (b.bandwidth == kWide))
      add(i + 1, caption_of(Cell::bandwidth), a.bandwidth, b.bandwidth);
  }

  void frequency(int i, Cell column, const std::string& a, const std::string& b) {
    if (!same_value(frequency_value(a), frequency_value(b), a, b)) {
      add(i + 1, caption_of(column), a, b);
    }
  }

  // A tone is its code in the tone table of its own sheet's mode.
  void tone(int i, Cell column, const std::string& a, const std::string& b) {
    if (tone_code(a, tone_table(first_.tone_mode)) != tone_code(b, tone_table(second_.tone_mode))) {
      add(i + 1, caption_of(column), a, b);
    }
  }

  void add(int channel, Words field, const std::string& a, const std::string& b) {
    differences_.push_back({channel, std::move(field), a, b});
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

// The line's layout is the same in every language; only the field is words.
Words difference_line(const Difference& difference) {
  const Words values = Words{{}, "%1 %2 %3"}
                           .arg(difference.field)
                           .arg(shown(difference.first))
                           .arg(shown(difference.second));
  if (difference.channel == 0) return values;
  return Words{{}, "%1 %2"}.arg(difference.channel).arg(values);
}

Notice verification_verdict(bool same) {
  if (same) return {M27_WORDS("channels", "校验通过"), verify_title()};
  return {M27_WORDS("channels", "校验不一致"), verify_title(), MessageIcon::Exclamation};
}

Notice verification_message(const std::vector<Difference>& differences) {
  Notice notice = verification_verdict(differences.empty());
  for (const Difference& difference : differences) {
    notice.text = Words{{}, "%1\n%2"}.arg(notice.text).arg(difference_line(difference));
  }
  return notice;
}

Notice read_back_failure() {
  return {M27_WORDS("channels", "写频已完成，但读回对讲机失败，未能校验"), verify_title(),
          MessageIcon::Exclamation};
}

}  // namespace m27
