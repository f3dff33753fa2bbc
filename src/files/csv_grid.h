// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The grid layout of a CSV file: the window's grid as a spreadsheet shows it, a header
// "信道,接收频率,接收亚音,发射频率,发射亚音,带宽" and one row per channel.

#include <string>

#include "channels/sheet.h"
#include "files/csv_records.h"
#include "files/csv_values.h"

namespace m27 {

// The header and the 25 rows, texts as the grid holds them, CR LF after each (no byte-order
// mark: the caller puts it in front).
std::string grid_csv(const Sheet& sheet);

// Whether a header record is the grid layout's.
bool is_grid_header(const CsvRecord& header);

// The channel of the `number`th row after the header (from 1): the row has the six columns, its
// channel number is `number`, and each value passes its check for `mode`'s tone table; else the
// first problem, placed at the row's line and column.
Checked<CsvChannel> grid_channel(const CsvRecord& row, int number, ToneMode mode);

}  // namespace m27
