// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Cells copied from a spreadsheet (LibreOffice, Excel, a browser's) into the grid: the text read
// as tab-separated lines, each value checked as the spreadsheet import checks its column and
// written as the grid writes it. A paste takes all of its values or none.

#include <array>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "channels/sheet.h"
#include "files/csv_problem.h"
#include "ui/grid/grid_rows.h"

namespace m27 {

using TextTable = std::vector<std::vector<std::string>>;

// Lines of tab-separated cells: CR LF or LF, a trailing line break dropped, quoted cells as
// RFC 4180 has them (a tab or a line break inside, "" for a quote).
TextTable read_tab_separated(std::string_view text);

// The cells as tab-separated lines, quoted where a cell holds a tab, a line break or a quote.
std::string write_tab_separated(const TextTable& table);

// A value for a cell of `column` in `mode`: a frequency in the "000.00000" form, a tone as the
// mode's list spells it, a bandwidth (also as the English window shows it); else the import's
// words of what is wrong.
Checked<std::string> grid_value(Cell column, std::string_view text, ToneMode mode);

struct CellWrite {
  CellPos cell;
  std::string text;
};
using PastePlan = std::variant<std::vector<CellWrite>, Words>;  // the writes, or why not

// The columns' captions as the grid shows them, in the language in use.
using ShownCaptions = std::array<std::string, kColumns>;

// A paste of `table` at `at`: one value goes into every cell of `selection`, a block fills as
// many rows and columns from `at`. A first line equal to the columns' captions, as written or as
// `shown`, is skipped. With `exact` (whole rows from another grid) the texts go in as they are,
// from the first column.
PastePlan plan_paste(const Sheet& sheet, TextTable table, CellPos at,
                     const std::vector<CellPos>& selection, bool exact, const ShownCaptions& shown);

}  // namespace m27
