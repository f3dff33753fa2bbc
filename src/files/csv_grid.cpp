// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/csv_grid.h"

#include <array>
#include <functional>

#include "channels/channel_table.h"

namespace m27 {
namespace {

constexpr std::size_t kColumnCount = 6;
constexpr std::array<std::string_view, kColumnCount> kHeaders = {"信道",     "接收频率", "接收亚音",
                                                                 "发射频率", "发射亚音", "带宽"};

struct ValueColumn {
  std::string CsvChannel::*field;
  std::function<Checked<std::string>(std::string_view, ToneMode)> check;
};

// Columns 2 to 6, in order.
const std::array<ValueColumn, kColumnCount - 1> kValueColumns = {{
    {&CsvChannel::rx_frequency,
     [](std::string_view t, ToneMode) { return csv_receive_frequency(t); }},
    {&CsvChannel::rx_tone, csv_tone},
    {&CsvChannel::tx_frequency,
     [](std::string_view t, ToneMode) { return csv_transmit_frequency(t); }},
    {&CsvChannel::tx_tone, csv_tone},
    {&CsvChannel::bandwidth, [](std::string_view t, ToneMode) { return csv_bandwidth(t); }},
}};

CsvProblem placed(int line, std::size_t column, CsvProblem problem) {
  problem.line = line;
  problem.column = column + 1;
  problem.header = kHeaders[column];
  return problem;
}

}  // namespace

std::string grid_csv(const Sheet& sheet) {
  std::string text = csv_line({kHeaders.begin(), kHeaders.end()});
  for (int i = 0; i < channels_in_use(sheet); ++i) {
    const ChannelRow& row = sheet.rows[i];
    text += csv_line({std::to_string(i + 1), row.rx_frequency, row.rx_tone, row.tx_frequency,
                      row.tx_tone, row.bandwidth});
  }
  return text;
}

bool is_grid_header(const CsvRecord& header) {
  return header.fields == std::vector<std::string>(kHeaders.begin(), kHeaders.end());
}

Checked<CsvChannel> grid_channel(const CsvRecord& row, int number, ToneMode mode) {
  if (row.fields.size() != kColumnCount) {
    CsvProblem problem =
        invalid_value(M27_WORDS("files", "应有6列，实有%1列").arg(row.fields.size()));
    problem.line = row.line;
    return problem;
  }
  if (row.fields[0] != std::to_string(number)) {
    return placed(row.line, 0, invalid_value(M27_WORDS("files", "信道号应为%1").arg(number)));
  }
  CsvChannel result;
  for (std::size_t i = 0; i < kValueColumns.size(); ++i) {
    auto value = kValueColumns[i].check(row.fields[i + 1], mode);
    if (!value) return placed(row.line, i + 1, value.problem());
    result.*kValueColumns[i].field = std::move(value).take();
  }
  return result;
}

}  // namespace m27
