// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/cell_rule.h"

#include "channels/frequency.h"
#include "channels/validation.h"
#include "channels/validation_choices.h"

namespace m27 {
namespace {

constexpr FreqUnits kReceiveLow = 400 * kUnitsPerMHz;
constexpr FreqUnits kReceiveHigh = 490 * kUnitsPerMHz;

// Length in characters, as the user counts them (the texts are UTF-8).
std::size_t character_count(std::string_view text) {
  std::size_t n = 0;
  for (unsigned char c : text) n += (c & 0xC0) != 0x80;
  return n;
}

CellFault receive_fault(std::string_view text) {
  if (const CellFault fault = frequency_text_fault(text); fault != CellFault::none) return fault;
  const FreqUnits f = *frequency_value(text);
  return f < kReceiveLow || f > kReceiveHigh ? CellFault::outside_band : CellFault::none;
}

CellFault transmit_fault(std::string_view text, int step) {
  if (const CellFault fault = frequency_text_fault(text); fault != CellFault::none) return fault;
  return wire_count(*frequency_value(text), step) ? CellFault::none : CellFault::not_encodable;
}

}  // namespace

std::string ChannelRow::*field_of(Cell column) {
  switch (column) {
    case Cell::rx_frequency:
      return &ChannelRow::rx_frequency;
    case Cell::rx_tone:
      return &ChannelRow::rx_tone;
    case Cell::tx_frequency:
      return &ChannelRow::tx_frequency;
    case Cell::tx_tone:
      return &ChannelRow::tx_tone;
    case Cell::bandwidth:
      break;
  }
  return &ChannelRow::bandwidth;
}

Words caption_of(Cell column) {
  switch (column) {
    case Cell::rx_frequency:
      return M27_WORDS("channels", "接收频率");
    case Cell::rx_tone:
      return M27_WORDS("channels", "接收亚音");
    case Cell::tx_frequency:
      return M27_WORDS("channels", "发射频率");
    case Cell::tx_tone:
      return M27_WORDS("channels", "发射亚音");
    case Cell::bandwidth:
      break;
  }
  return M27_WORDS("channels", "带宽");
}

CellFault frequency_text_fault(std::string_view text) {
  if (text.empty()) return CellFault::empty;
  if (character_count(text) > kMaxFrequencyLength) return CellFault::too_long;
  return frequency_value(text) ? CellFault::none : CellFault::not_a_number;
}

CellFault cell_fault(const Sheet& sheet, int row, Cell column) {
  const ChannelRow& r = sheet.rows[row];
  switch (column) {
    case Cell::rx_frequency:
      return receive_fault(r.rx_frequency);
    case Cell::tx_frequency:
      return transmit_fault(r.tx_frequency, r.tx_step);
    case Cell::rx_tone:
    case Cell::tx_tone:
      return tone_held(r.*field_of(column), sheet.tone_mode) ? CellFault::none
                                                             : CellFault::tone_not_listed;
    case Cell::bandwidth:
      break;
  }
  return bandwidth_held(r.bandwidth) ? CellFault::none : CellFault::no_bandwidth;
}

Words fault_reason(CellFault fault, ToneMode mode) {
  switch (fault) {
    case CellFault::none:
      return as_is({});
    case CellFault::empty:
      return M27_WORDS("channels", "没有频率");
    case CellFault::too_long:
      return M27_WORDS("channels", "频率最多9个字符");
    case CellFault::not_a_number:
      return M27_WORDS("channels", "不是频率（只可有数字和一个小数点）");
    case CellFault::outside_band:
      return M27_WORDS("channels", "不在400～490 MHz之内");
    case CellFault::not_encodable:
      return M27_WORDS("channels", "超出电台能存放的发射频率");
    case CellFault::tone_not_listed:
      return mode == ToneMode::Professional ? M27_WORDS("channels", "不是专业模式的亚音")
                                            : M27_WORDS("channels", "不是普通模式的亚音");
    case CellFault::no_bandwidth:
      break;
  }
  return M27_WORDS("channels", "不是带宽（宽带或窄带）");
}

}  // namespace m27
