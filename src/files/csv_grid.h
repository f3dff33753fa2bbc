// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The grid layout of a CSV file: the window's grid as a spreadsheet shows it, a header
// "信道,接收频率,接收亚音,发射频率,发射亚音,带宽" and one row per channel.

#include <string>
#include <vector>

#include "channels/result.h"
#include "channels/sheet.h"
#include "files/csv_records.h"
#include "files/csv_values.h"

namespace m27 {

// The header and the 25 rows, texts as the grid holds them, CR LF after each (no byte-order
// mark: the caller puts it in front).
std::string grid_csv(const Sheet& sheet);

// Whether a header record is the grid layout's.
bool is_grid_header(const CsvRecord& header);

// The channels of the rows after the header, in order. Each row has the six columns, its
// channel number is its position, and each value passes its check for `mode`'s tone table;
// the first that does not fails naming its line and column.
Result<std::vector<CsvChannel>> grid_channels(const std::vector<CsvRecord>& rows, ToneMode mode);

}  // namespace m27
