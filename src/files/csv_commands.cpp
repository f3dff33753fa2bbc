// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/csv_commands.h"

#include <algorithm>
#include <functional>
#include <iterator>

#include "channels/channel_table.h"
#include "channels/decimal.h"
#include "files/channel_file.h"
#include "files/csv_generic.h"
#include "files/csv_grid.h"
#include "files/csv_records.h"
#include "files/file_commands.h"
#include "files/file_format.h"
#include "files/file_io.h"

namespace m27 {
namespace {

// A list of a few thousand rows is some 200 KiB even padded by a spreadsheet; anything far
// larger is no channel list.
constexpr std::size_t kMaxCsvBytes = 1024 * 1024;

// A file's data rows and how its layout reads one: the row, its number from 1, the tone table.
struct CsvTable {
  std::vector<CsvRecord> rows;
  std::function<Checked<CsvChannel>(const CsvRecord&, int, ToneMode)> channel;
};

Result<CsvTable, Words> csv_table(std::string_view bytes) {
  const auto text = csv_text(bytes);
  if (!text) return text.why();
  auto records = csv_records(*text);
  if (!records) return records.why();
  if (records->empty()) return M27_WORDS("files", "文件中没有表头");
  const CsvRecord header = records->front();
  std::vector<CsvRecord> rows(std::make_move_iterator(records->begin() + 1),
                              std::make_move_iterator(records->end()));
  if (is_grid_header(header)) return CsvTable{std::move(rows), grid_channel};
  if (is_generic_header(header)) {
    return CsvTable{std::move(rows),
                    [layout = GenericLayout(header)](const CsvRecord& row, int, ToneMode mode) {
                      return layout.channel(row, mode);
                    }};
  }
  return M27_WORDS("files",
                   "第%1行：表头应为“信道,接收频率,接收亚音,发射频率,发射亚音,"
                   "带宽”或含Frequency列的通用格式")
      .arg(header.line);
}

// The numbers of the first and the last row an import takes.
Result<CsvRowRange, Words> taken_rows(const CsvTable& table,
                                      const std::optional<CsvRowRange>& range) {
  const int count = static_cast<int>(table.rows.size());
  if (!range) {
    if (count <= kRows) return CsvRowRange{1, count};
    return M27_COUNTED_WORDS(
               "files",
               "第%1行：信道多于25个（文件中有%n个），可用--rows FIRST..LAST选取其中至多25个")
        .arg(table.rows[kRows].line)
        .counting(count);
  }
  if (range->first < 1 || range->first > range->last || range->last > count ||
      range->last - range->first >= kRows) {
    return M27_COUNTED_WORDS("files", "--rows %1..%2：文件中有%n个信道，一次至多导入25个")
        .arg(range->first)
        .arg(range->last)
        .counting(count);
  }
  return *range;
}

// "没有可导入的信道" and a line for each row left out.
Words nothing_to_import(const std::vector<Words>& skipped) {
  Words reason = M27_WORDS("files", "没有可导入的信道");
  for (const Words& line : skipped) reason = Words{{}, "%1\n%2"}.arg(reason).arg(line);
  return reason;
}

}  // namespace

Result<std::string, Words> csv_file(const Sheet& sheet, CsvLayout layout) {
  if (layout == CsvLayout::Grid) return std::string(kUtf8Bom) + grid_csv(sheet);
  return generic_csv(sheet);
}

Result<int, Words> csv_row_count(std::string_view bytes) {
  const auto table = csv_table(bytes);
  if (!table) return table.why();
  return static_cast<int>(table->rows.size());
}

Result<CsvImport, Words> csv_channels(std::string_view bytes, ToneMode mode,
                                      const CsvSelection& selection) {
  const auto table = csv_table(bytes);
  if (!table) return table.why();
  const auto taken = taken_rows(*table, selection.rows);
  if (!taken) return taken.why();
  CsvImport result;
  for (int number = taken->first; number <= taken->last; ++number) {
    const CsvRecord& row = table->rows[number - 1];
    auto channel = table->channel(row, number, mode);
    if (channel) {
      result.channels.push_back(std::move(channel).take());
    } else if (selection.skip_unfit && channel.problem().unfit) {
      result.skipped.push_back(skip_text(channel.problem(), number));
    } else {
      return refusal_text(channel.problem());
    }
  }
  if (result.channels.empty()) return nothing_to_import(result.skipped);
  return result;
}

void apply_csv_channels(Sheet& sheet, const std::vector<CsvChannel>& channels) {
  const int count = static_cast<int>(std::min<std::size_t>(channels.size(), kRows));
  for (int i = 0; i < count; ++i) {
    ChannelRow& row = sheet.rows[i];
    row.rx_frequency = channels[i].rx_frequency;
    row.rx_tone = channels[i].rx_tone;
    row.tx_frequency = channels[i].tx_frequency;
    row.tx_tone = channels[i].tx_tone;
    row.bandwidth = channels[i].bandwidth;
  }
  const auto total = integer_value(sheet.channel_total);
  sheet.channel_total = std::to_string(total ? std::min<std::int64_t>(*total, count) : count);
  enable_rows_in_use(sheet);
}

Notice csv_export_failure(const std::filesystem::path& file, Words reason) {
  return attention(
      M27_WORDS("files", "导出CSV失败\n%1\n%2").arg(file.string()).arg(std::move(reason)));
}

Notice csv_import_failure(const std::filesystem::path& file, Words reason) {
  return attention(
      M27_WORDS("files", "导入CSV失败\n%1\n%2").arg(file.string()).arg(std::move(reason)));
}

std::optional<Notice> export_csv(const Sheet& sheet, CsvLayout layout,
                                 const std::filesystem::path& file, FileSystem& fs) {
  const auto bytes = csv_file(sheet, layout);
  if (!bytes) return csv_export_failure(file, bytes.why());
  if (const auto failed = replace_file(file, *bytes, fs)) {
    return csv_export_failure(file, as_is(failed->reason));
  }
  return std::nullopt;
}

Result<std::string, Words> read_csv_file(const std::filesystem::path& file, FileSystem& fs) {
  return read_file(file, kMaxCsvBytes, fs);
}

CsvImportOutcome import_csv(Sheet& sheet, const std::filesystem::path& file,
                            const CsvSelection& selection, FileSystem& fs) {
  const auto bytes = read_csv_file(file, fs);
  if (!bytes) return {csv_import_failure(file, bytes.why()), {}};
  const auto taken = csv_channels(*bytes, sheet.tone_mode, selection);
  if (!taken) return {csv_import_failure(file, taken.why()), {}};
  apply_csv_channels(sheet, taken->channels);
  return {std::nullopt, taken->skipped};
}

std::optional<Notice> save_imported_channels(const Sheet& sheet, const std::filesystem::path& file,
                                             FileSystem& fs) {
  const auto bytes = encode_channel_file(channel_file_of(sheet));
  if (!bytes) return save_failure(file, bytes.why());
  if (const auto failed = replace_file(file, *bytes, fs)) {
    return save_failure(file, as_is(failed->reason));
  }
  return std::nullopt;
}

}  // namespace m27
