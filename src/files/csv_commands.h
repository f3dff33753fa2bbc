// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Channels to and from a spreadsheet's CSV file, for the window's "导出CSV…" and "导入CSV…" and
// for `m27 csv export` and `m27 csv import`.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "channels/message.h"
#include "channels/result.h"
#include "channels/sheet.h"
#include "files/csv_values.h"
#include "files/file_system.h"

namespace m27 {

enum class CsvLayout { Grid, Generic };

// The bytes of the sheet's 25 channels in a layout: the grid layout as UTF-8 with a byte-order
// mark (so a spreadsheet on a Chinese desktop reads it right), the generic one as the plain
// ASCII text the hobby tools write; CR LF after every line.
Result<std::string> csv_file(const Sheet& sheet, CsvLayout layout);

// The channels of a CSV file's bytes, in either layout (the header tells which), each value
// checked against what the grid can hold with `mode`'s tone table. More than 25 rows, or any
// bad value, fails naming the line (and the column).
Result<std::vector<CsvChannel>> csv_channels(std::string_view bytes, ToneMode mode);

// Channels 1, 2, ... take the rows' texts (their tone editors closed); nothing else changes.
void apply_csv_channels(Sheet& sheet, const std::vector<CsvChannel>& channels);

// "导出CSV失败\n<file>\n<reason>" and "导入CSV失败\n<file>\n<reason>", title "注意".
Message csv_export_failure(const std::filesystem::path& file, std::string_view reason);
Message csv_import_failure(const std::filesystem::path& file, std::string_view reason);

// Writes the sheet's channels to `file` (replaced whole, or untouched on failure).
std::optional<Message> export_csv(const Sheet& sheet, CsvLayout layout,
                                  const std::filesystem::path& file,
                                  FileSystem& fs = local_file_system());

// Reads `file` and applies its rows over the sheet; on any refusal the sheet is untouched.
std::optional<Message> import_csv(Sheet& sheet, const std::filesystem::path& file,
                                  FileSystem& fs = local_file_system());

// Saves the sheet as a channel file with its texts as they are: an imported frequency stays as
// written until the raster check of the next write.
std::optional<Message> save_imported_channels(const Sheet& sheet, const std::filesystem::path& file,
                                              FileSystem& fs = local_file_system());

}  // namespace m27
