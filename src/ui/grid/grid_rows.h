// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the grid does to whole channels and to many cells at once: move, insert, delete, fill
// down, one value into many cells. Plain functions on the sheet; a refusal comes back as the
// message to show, and the sheet is then as it was.

#include <optional>
#include <string>
#include <vector>

#include "channels/cell_rule.h"
#include "channels/sheet.h"
#include "channels/words.h"

namespace m27 {

struct CellPos {
  int row = 0;
  Cell column = Cell::rx_frequency;
  friend bool operator==(const CellPos&, const CellPos&) = default;
};

// A cell as a message names it: "第3信道 发射亚音".
Words cell_name(CellPos cell);

// The channel total as a number of rows (0 when the total is no number).
int rows_in_use(const Sheet& sheet);

// The rows move one step up (`step` -1) or down (+1) within the rows in use: a block of adjacent
// rows as one, rows apart each on its own; a row at the edge stays. Gives the rows' new places, in
// the order given.
std::vector<int> move_rows(Sheet& sheet, std::vector<int> rows, int step);

// Row `from` goes to `to` (within the rows in use), the rows between shifting to make room.
void move_row_to(Sheet& sheet, int from, int to);

// A copy of `row` goes below it, the rows below shift down and the channel total grows by one.
std::optional<Words> insert_channel(Sheet& sheet, int row);

// The rows go, the rows below shift up, the channel total drops by their count and the rows
// freed at the bottom take their start-up values.
std::optional<Words> delete_channels(Sheet& sheet, std::vector<int> rows);

// Every column of `cells` takes its top cell's text; one cell alone takes the text above it.
void fill_down(Sheet& sheet, const std::vector<CellPos>& cells);

// Every cell takes `text`.
void set_cells(Sheet& sheet, const std::vector<CellPos>& cells, const std::string& text);

}  // namespace m27
