// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/csv_values.h"

#include <algorithm>

#include "channels/cell_rule.h"
#include "channels/decimal.h"
#include "channels/frequency.h"
#include "channels/sheet.h"
#include "channels/validation.h"
#include "channels/validation_choices.h"
#include "files/csv_problem.h"

namespace m27 {
namespace {

constexpr int kToneScale = 6;  // finer than any tone is written, so "67.05" is no "67.0"

// The English a user types for a bandwidth (in capitals), and the bandwidth the grid holds.
constexpr std::pair<std::string_view, std::string_view> kBandwidthWords[] = {
    {"WIDE", kWide},     {"WIDEBAND", kWide},     {"W", kWide},
    {"NARROW", kNarrow}, {"NARROWBAND", kNarrow}, {"N", kNarrow},
};

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// A decimal number as typed: digits with at most one point, and a digit at least.
bool decimal_form(std::string_view text) {
  return std::any_of(text.begin(), text.end(), is_digit) && digits_with_at_most_one_point(text);
}

std::optional<FreqUnits> typed_frequency(std::string_view text) {
  if (!decimal_form(text) || text.size() > kMaxFrequencyLength) return std::nullopt;
  return frequency_value(text);
}

CsvProblem no_typed_frequency(std::string_view text) {
  return invalid_value(M27_WORDS("files", "“%1”不是频率（只可有数字和一个小数点，最多9个字符）")
                           .arg(std::string(text)));
}

// What the check before a write will find of the value in row 1: the raster check run twice, as
// the write runs it.
bool sendable(Cell column, std::string_view text) {
  Sheet sheet = startup_sheet();
  sheet.rows[0].*field_of(column) = std::string(text);
  check_rasters(sheet);
  check_rasters(sheet);
  return cell_fault(sheet, 0, column) == CellFault::none;
}

std::string ascii_upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

Words outside_band(std::string_view text) {
  return M27_WORDS("files", "“%1”不在400～490 MHz之内").arg(std::string(text));
}

Words not_sendable(std::string_view text) {
  return M27_WORDS("files", "“%1”超出电台能存放的发射频率").arg(std::string(text));
}

bool is_ctcss(std::string_view entry) { return !entry.empty() && is_digit(entry.front()); }

// A CTCSS value or a DCS code with its letter ("D023", "i754"), whether a table holds it or not.
bool has_tone_form(std::string_view upper) {
  const bool dcs = upper.size() == 4 && (upper.front() == 'D' || upper.front() == 'I') &&
                   std::all_of(upper.begin() + 1, upper.end(), is_digit);
  return dcs || decimal_form(upper);
}

}  // namespace

Checked<std::string> csv_receive_frequency(std::string_view text) {
  const auto f = typed_frequency(text);
  if (!f) return no_typed_frequency(text);
  if (!sendable(Cell::rx_frequency, text)) return unfit_value(outside_band(text));
  return std::string(text);
}

Checked<std::string> csv_transmit_frequency(std::string_view text) {
  if (!typed_frequency(text)) return no_typed_frequency(text);
  if (!sendable(Cell::tx_frequency, text)) return unfit_value(not_sendable(text));
  return std::string(text);
}

Checked<std::string> csv_receive_frequency(FreqUnits f) {
  const std::string text = frequency_text(f);
  if (!sendable(Cell::rx_frequency, text)) return unfit_value(outside_band(text));
  return text;
}

Checked<std::string> csv_transmit_frequency(FreqUnits f) {
  const std::string text = frequency_text(f);
  if (!sendable(Cell::tx_frequency, text)) return unfit_value(not_sendable(text));
  return text;
}

Checked<std::string> csv_tone(std::string_view text, ToneMode mode) {
  const auto list = tone_table(mode);
  const std::string upper = ascii_upper(text);
  const auto exact = std::find(list.begin(), list.end(), upper);
  if (exact != list.end()) return std::string(*exact);
  if (decimal_form(text)) {
    const auto value = parse_decimal(text, kToneScale);
    const auto same = std::find_if(list.begin(), list.end(), [&](std::string_view entry) {
      return is_ctcss(entry) && parse_decimal(entry, kToneScale) == value;
    });
    if (same != list.end()) return std::string(*same);
  }
  const Words problem =
      (mode == ToneMode::Professional ? M27_WORDS("files", "“%1”不是专业模式的亚音")
                                      : M27_WORDS("files", "“%1”不是普通模式的亚音"))
          .arg(std::string(text));
  return has_tone_form(upper) ? unfit_value(problem) : invalid_value(problem);
}

Checked<std::string> csv_bandwidth(std::string_view text) {
  if (bandwidth_held(text)) return std::string(text);
  const std::string upper = ascii_upper(text);
  for (const auto& [word, bandwidth] : kBandwidthWords) {
    if (upper == word) return std::string(bandwidth);
  }
  return invalid_value(M27_WORDS("files", "“%1”不是带宽（宽带或窄带）").arg(std::string(text)));
}

}  // namespace m27
