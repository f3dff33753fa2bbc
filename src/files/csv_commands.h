// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Channels to and from a spreadsheet's CSV file, for the window's "导出CSV…" and "导入CSV…" and
// for `m27 csv export` and `m27 csv import`.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "channels/result.h"
#include "channels/sheet.h"
#include "channels/words.h"
#include "files/csv_values.h"
#include "files/file_system.h"

namespace m27 {

enum class CsvLayout { Grid, Generic };

// The bytes of the sheet's 25 channels in a layout: the grid layout as UTF-8 with a byte-order
// mark (so a spreadsheet on a Chinese desktop reads it right), the generic one as the plain
// ASCII text the hobby tools write; CR LF after every line.
Result<std::string, Words> csv_file(const Sheet& sheet, CsvLayout layout);

// Which data rows of a CSV file an import takes: FIRST..LAST, counted from 1 in file order (the
// header, comments and blank lines do not count).
struct CsvRowRange {
  int first = 1;
  int last = 1;
  friend bool operator==(const CsvRowRange&, const CsvRowRange&) = default;
};

struct CsvSelection {
  std::optional<CsvRowRange> rows;  // all of them when empty; a file of more is refused then
  bool skip_unfit = false;          // leave out the rows this radio cannot hold
  friend bool operator==(const CsvSelection&, const CsvSelection&) = default;
};

// What an import takes from a file.
struct CsvImport {
  std::vector<CsvChannel> channels;  // 1 to 25, in file order
  std::vector<Words> skipped;        // a line for each row left out: "跳过第6个：…"
};

// The data rows of a CSV file's bytes, once its text, its records and its header are read.
Result<int, Words> csv_row_count(std::string_view bytes);

// The channels of a CSV file's bytes, in either layout (the header tells which), each value
// checked against what the grid can hold with `mode`'s tone table: the rows `selection` takes
// (at most 25), then, when it says so, without the rows this radio cannot hold. Any other bad
// value, more than 25 rows, a range past the file's end, or no row left fails naming the line
// (and the column).
Result<CsvImport, Words> csv_channels(std::string_view bytes, ToneMode mode,
                                      const CsvSelection& selection = {});

// Channels 1, 2, ... take the rows' texts (their tone editors closed) and the channel total
// becomes the smaller of the sheet's and the number of rows, so the radio gets only the rows
// imported (a total that is no number becomes the number of rows); nothing else changes.
void apply_csv_channels(Sheet& sheet, const std::vector<CsvChannel>& channels);

// "导出CSV失败\n<file>\n<reason>" and "导入CSV失败\n<file>\n<reason>", title "注意".
Notice csv_export_failure(const std::filesystem::path& file, Words reason);
Notice csv_import_failure(const std::filesystem::path& file, Words reason);

// Writes the sheet's channels to `file` (replaced whole, or untouched on failure).
std::optional<Notice> export_csv(const Sheet& sheet, CsvLayout layout,
                                 const std::filesystem::path& file,
                                 FileSystem& fs = local_file_system());

// The bytes of a CSV file to import: at most 1 MiB.
Result<std::string, Words> read_csv_file(const std::filesystem::path& file,
                                         FileSystem& fs = local_file_system());

struct CsvImportOutcome {
  std::optional<Notice> refusal;  // the sheet is untouched
  std::vector<Words> skipped;     // the rows left out, as CsvImport says them
};

// Reads `file` and applies the rows `selection` takes over the sheet.
CsvImportOutcome import_csv(Sheet& sheet, const std::filesystem::path& file,
                            const CsvSelection& selection = {},
                            FileSystem& fs = local_file_system());

// Saves the sheet as a channel file with its texts as they are: an imported frequency stays as
// written until the raster check of the next write.
std::optional<Notice> save_imported_channels(const Sheet& sheet, const std::filesystem::path& file,
                                             FileSystem& fs = local_file_system());

}  // namespace m27
