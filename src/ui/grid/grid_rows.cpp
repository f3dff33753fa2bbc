// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/grid/grid_rows.h"

#include <algorithm>
#include <map>
#include <set>

#include "channels/cell_rule.h"
#include "channels/channel_table.h"

namespace m27 {
namespace {

void set_total(Sheet& sheet, int total) {
  sheet.channel_total = std::to_string(total);
  enable_rows_in_use(sheet);
}

// Moves the row's channel, keeping each place's enabled state.
void swap_channels(Sheet& sheet, int a, int b) {
  std::swap(sheet.rows[a], sheet.rows[b]);
  std::swap(sheet.rows[a].enabled, sheet.rows[b].enabled);
}

}  // namespace

Words cell_name(CellPos cell) {
  return M27_WORDS("grid", "第%1信道 %2").arg(cell.row + 1).arg(caption_of(cell.column));
}

std::vector<int> move_rows(Sheet& sheet, std::vector<int> rows, int step) {
  const int total = channels_in_use(sheet);
  // The row nearest the edge it moves towards goes first, so a block moves as one.
  std::vector<std::size_t> order(rows.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::sort(order.begin(), order.end(),
            [&](std::size_t a, std::size_t b) { return (rows[a] - rows[b]) * step > 0; });
  std::set<int> taken(rows.begin(), rows.end());
  for (std::size_t i : order) {
    const int to = rows[i] + step;
    if (to < 0 || to >= total || rows[i] >= total || taken.contains(to)) continue;
    swap_channels(sheet, rows[i], to);
    taken.erase(rows[i]);
    taken.insert(to);
    rows[i] = to;
  }
  return rows;
}

void move_row_to(Sheet& sheet, int from, int to) {
  const int last = channels_in_use(sheet) - 1;
  if (from > last) return;
  to = std::clamp(to, 0, last);
  for (; from < to; ++from) swap_channels(sheet, from, from + 1);
  for (; from > to; --from) swap_channels(sheet, from, from - 1);
}

std::optional<Words> insert_channel(Sheet& sheet, int row) {
  const int total = channels_in_use(sheet);
  if (total >= kRows) return M27_WORDS("grid", "已有25个信道，不能再插入信道");
  if (row >= total) return std::nullopt;
  for (int i = total; i > row + 1; --i) sheet.rows[i] = sheet.rows[i - 1];
  sheet.rows[row + 1] = sheet.rows[row];
  set_total(sheet, total + 1);
  return std::nullopt;
}

std::optional<Words> delete_channels(Sheet& sheet, std::vector<int> rows) {
  const int total = channels_in_use(sheet);
  std::erase_if(rows, [total](int row) { return row >= total; });
  const std::set<int> going(rows.begin(), rows.end());
  if (going.empty()) return std::nullopt;
  if (static_cast<int>(going.size()) >= total) return M27_WORDS("grid", "不能删除全部信道");
  const Sheet fresh = startup_sheet();
  int to = 0;
  for (int from = 0; from < total; ++from) {
    if (!going.contains(from)) sheet.rows[to++] = sheet.rows[from];
  }
  for (; to < total; ++to) sheet.rows[to] = fresh.rows[to];
  set_total(sheet, total - static_cast<int>(going.size()));
  return std::nullopt;
}

void fill_down(Sheet& sheet, const std::vector<CellPos>& cells) {
  if (cells.size() == 1) {
    const auto [row, column] = cells.front();
    if (row > 0) sheet.rows[row].*field_of(column) = sheet.rows[row - 1].*field_of(column);
    return;
  }
  std::map<Cell, int> top;
  for (const auto& [row, column] : cells) {
    const auto found = top.find(column);
    if (found == top.end() || row < found->second) top[column] = row;
  }
  for (const auto& [row, column] : cells) {
    sheet.rows[row].*field_of(column) = sheet.rows[top[column]].*field_of(column);
  }
}

void set_cells(Sheet& sheet, const std::vector<CellPos>& cells, const std::string& text) {
  for (const auto& [row, column] : cells) sheet.rows[row].*field_of(column) = text;
}

}  // namespace m27
