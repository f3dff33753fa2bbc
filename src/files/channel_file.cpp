// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/channel_file.h"

#include <algorithm>

#include "channels/channel_table.h"
#include "channels/frequency.h"
#include "channels/options.h"

namespace m27 {
namespace {

struct ColumnField {
  Column ChannelFile::*file;
  std::string ChannelRow::*row;
};

constexpr std::array<ColumnField, 5> kColumns = {{
    {&ChannelFile::rx_frequency, &ChannelRow::rx_frequency},
    {&ChannelFile::tx_frequency, &ChannelRow::tx_frequency},
    {&ChannelFile::rx_tone, &ChannelRow::rx_tone},
    {&ChannelFile::tx_tone, &ChannelRow::tx_tone},
    {&ChannelFile::bandwidth, &ChannelRow::bandwidth},
}};

struct SettingField {
  std::optional<std::string> ChannelFile::*file;
  std::string Sheet::*sheet;
};

constexpr std::array<SettingField, 6> kSettings = {{
    {&ChannelFile::plan, &Sheet::plan},
    {&ChannelFile::channel_total, &Sheet::channel_total},
    {&ChannelFile::fill_step, &Sheet::fill_step},
    {&ChannelFile::transmit, &Sheet::transmit},
    {&ChannelFile::busy_lockout, &Sheet::busy_lockout},
    {&ChannelFile::fsk, &Sheet::fsk},
}};

void apply_field(const std::optional<std::string>& field, std::string& text) {
  if (field) text = *field;
}

}  // namespace

ChannelFile channel_file_of(const Sheet& sheet) {
  ChannelFile file;
  file.mode = sheet.mode;
  for (const ColumnField& column : kColumns) {
    for (int r = 0; r < kRows; ++r) (file.*column.file)[r] = sheet.rows[r].*column.row;
  }
  for (const SettingField& setting : kSettings) file.*setting.file = sheet.*setting.sheet;
  return file;
}

std::vector<std::string> channel_file_lines(const ChannelFile& file) {
  std::vector<std::string> lines;
  lines.reserve(kChannelFileLines);
  lines.push_back(file.mode.value_or(""));
  for (const ColumnField& column : kColumns) {
    for (const auto& field : file.*column.file) lines.push_back(field.value_or(""));
  }
  for (const SettingField& setting : kSettings) lines.push_back((file.*setting.file).value_or(""));
  return lines;
}

ChannelFile channel_file_from_lines(std::span<const std::string> lines) {
  ChannelFile file;
  auto next = lines.begin();
  if (next == lines.end()) return file;
  file.mode = *next++;
  for (const ColumnField& column : kColumns) {
    for (auto& field : file.*column.file) {
      if (next == lines.end()) return file;
      field = *next++;
    }
  }
  while (next != lines.end()) {
    for (const SettingField& setting : kSettings) {
      if (next == lines.end()) return file;
      file.*setting.file = *next++;
    }
  }
  return file;
}

std::optional<Words> misplaced_frequency_line(std::span<const std::string> lines) {
  constexpr std::size_t kFirst = 1;  // after the mode: 25 receive, then 25 transmit frequencies
  const std::size_t end = std::min<std::size_t>(lines.size(), kFirst + 2 * kRows);
  for (std::size_t i = kFirst; i < end; ++i) {
    if (digits_with_at_most_one_point(lines[i])) continue;
    const Words column =
        i < kFirst + kRows ? M27_WORDS("files", "接收频率") : M27_WORDS("files", "发射频率");
    return M27_WORDS("files", "第%1行（%2）：“%3”不是有效的频率")
        .arg(i + 1)
        .arg(column)
        .arg(lines[i]);
  }
  return std::nullopt;
}

void apply_channel_file(Sheet& sheet, const ChannelFile& file) {
  if (file.mode) {
    sheet.mode = *file.mode;
    change_mode(sheet);
  }
  for (const ColumnField& column : kColumns) {
    for (int r = 0; r < kRows; ++r) apply_field((file.*column.file)[r], sheet.rows[r].*column.row);
  }
  for (const SettingField& setting : kSettings) {
    apply_field(file.*setting.file, sheet.*setting.sheet);
  }
  normalise_frequencies(sheet);
  enable_rows_in_use(sheet);
}

}  // namespace m27
