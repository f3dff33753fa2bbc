// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `m27 csv export` and `m27 csv import`: channels between a channel file and a spreadsheet's
// CSV file, with the window's checks. A refusal names the line and column and leaves the
// output file as it was.

#include "cli/arguments.h"
#include "link/qt/port_map.h"

namespace m27 {

// Opens IN.m27 as the window does and writes its 25 channels in the chosen layout.
int run(const CsvExportArgs& args, const PortMap& ports);

// Applies the CSV's rows over BASE.m27 (or the start-up sheet) and saves the result; each row
// --skip-unfit leaves out is named on stderr ("跳过第6个：…").
int run(const CsvImportArgs& args, const PortMap& ports);

}  // namespace m27
