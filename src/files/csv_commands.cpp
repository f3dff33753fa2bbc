// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/csv_commands.h"

#include "files/channel_file.h"
#include "files/csv_generic.h"
#include "files/csv_grid.h"
#include "files/csv_records.h"
#include "files/file_commands.h"
#include "files/file_format.h"
#include "files/file_io.h"

namespace m27 {
namespace {

// 25 rows are a few KiB even padded by a spreadsheet; anything far larger is no channel list.
constexpr std::size_t kMaxCsvBytes = 1024 * 1024;

Message failure(std::string_view what, const std::filesystem::path& file, std::string_view reason) {
  return attention(std::string(what) + '\n' + file.string() + '\n' + std::string(reason));
}

}  // namespace

Result<std::string> csv_file(const Sheet& sheet, CsvLayout layout) {
  if (layout == CsvLayout::Grid) return std::string(kUtf8Bom) + grid_csv(sheet);
  return generic_csv(sheet);
}

Result<std::vector<CsvChannel>> csv_channels(std::string_view bytes, ToneMode mode) {
  const auto text = csv_text(bytes);
  if (!text) return Failure{text.reason()};
  const auto records = csv_records(*text);
  if (!records) return Failure{records.reason()};
  if (records->empty()) return Failure{"文件中没有表头"};
  const CsvRecord& header = records->front();
  const std::vector<CsvRecord> rows(records->begin() + 1, records->end());
  if (rows.size() > static_cast<std::size_t>(kRows)) {
    return Failure{"第" + std::to_string(rows[kRows].line) + "行：信道多于25个"};
  }
  if (is_grid_header(header)) return grid_channels(rows, mode);
  if (is_generic_header(header)) return generic_channels(header, rows, mode);
  return Failure{
      "第" + std::to_string(header.line) +
      "行：表头应为“信道,接收频率,接收亚音,发射频率,发射亚音,带宽”或含Frequency列的通用格式"};
}

void apply_csv_channels(Sheet& sheet, const std::vector<CsvChannel>& channels) {
  for (std::size_t i = 0; i < channels.size() && i < static_cast<std::size_t>(kRows); ++i) {
    ChannelRow& row = sheet.rows[i];
    row.rx_frequency = channels[i].rx_frequency;
    row.rx_tone = channels[i].rx_tone;
    row.tx_frequency = channels[i].tx_frequency;
    row.tx_tone = channels[i].tx_tone;
    row.bandwidth = channels[i].bandwidth;
  }
}

Message csv_export_failure(const std::filesystem::path& file, std::string_view reason) {
  return failure("导出CSV失败", file, reason);
}

Message csv_import_failure(const std::filesystem::path& file, std::string_view reason) {
  return failure("导入CSV失败", file, reason);
}

std::optional<Message> export_csv(const Sheet& sheet, CsvLayout layout,
                                  const std::filesystem::path& file, FileSystem& fs) {
  const auto bytes = csv_file(sheet, layout);
  if (!bytes) return csv_export_failure(file, bytes.reason());
  if (const auto failed = replace_file(file, *bytes, fs)) {
    return csv_export_failure(file, failed->reason);
  }
  return std::nullopt;
}

std::optional<Message> import_csv(Sheet& sheet, const std::filesystem::path& file, FileSystem& fs) {
  const auto bytes = read_file(file, kMaxCsvBytes, fs);
  if (!bytes) return csv_import_failure(file, bytes.reason());
  const auto channels = csv_channels(*bytes, sheet.tone_mode);
  if (!channels) return csv_import_failure(file, channels.reason());
  apply_csv_channels(sheet, *channels);
  return std::nullopt;
}

std::optional<Message> save_imported_channels(const Sheet& sheet, const std::filesystem::path& file,
                                              FileSystem& fs) {
  const auto bytes = encode_channel_file(channel_file_of(sheet));
  if (!bytes) return save_failure(file, bytes.reason());
  if (const auto failed = replace_file(file, *bytes, fs)) return save_failure(file, failed->reason);
  return std::nullopt;
}

}  // namespace m27
