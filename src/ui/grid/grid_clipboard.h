// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The grid's cells on the clipboard: tab-separated text, one line per row, the cells as shown,
// which every spreadsheet takes; whole rows also as a type of their own that carries them
// exactly, so rows copied between two windows of this program arrive unchanged.

#include <QString>
#include <vector>

#include "channels/sheet.h"
#include "ui/grid/grid_rows.h"

class QMimeData;

namespace m27 {

inline constexpr char kChannelRowsType[] = "application/x-m27-channel-rows";

// The block the cells span, row by row; whole rows (all five columns of each) also as rows.
QMimeData* copied_cells(const Sheet& sheet, const std::vector<CellPos>& cells);

struct PastedCells {
  QString text;        // tab-separated lines
  bool exact = false;  // whole rows of this program, to go in as they are
};

// What the clipboard holds for the grid: its own rows first, else its text.
PastedCells pasted_cells(const QMimeData* data);

}  // namespace m27
