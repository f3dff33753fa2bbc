// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/grid/grid_clipboard.h"

#include <QMimeData>
#include <map>
#include <set>

#include "ui/grid/paste_reader.h"
#include "ui/window/shown_words.h"

namespace m27 {

QMimeData* copied_cells(const Sheet& sheet, const std::vector<CellPos>& cells) {
  std::map<int, std::set<int>> rows;
  std::set<int> columns;
  for (const auto& [row, column] : cells) {
    rows[row].insert(static_cast<int>(column));
    columns.insert(static_cast<int>(column));
  }
  TextTable block;  // the sheet's data
  TextTable shown;  // the cells as the grid shows them
  bool whole_rows = !rows.empty();
  for (const auto& [row, in_row] : rows) {
    whole_rows = whole_rows && static_cast<int>(in_row.size()) == kColumns;
    auto& line = block.emplace_back();
    auto& shown_line = shown.emplace_back();
    for (int column : columns) {
      const std::string& cell = sheet.rows[row].*field_of(static_cast<Cell>(column));
      line.push_back(cell);
      shown_line.push_back(shown_words(QString::fromStdString(cell)).toStdString());
    }
  }
  auto* data = new QMimeData;
  data->setText(QString::fromStdString(write_tab_separated(shown)));
  if (whole_rows) {
    data->setData(QString::fromLatin1(kChannelRowsType),
                  QByteArray::fromStdString(write_tab_separated(block)));
  }
  return data;
}

PastedCells pasted_cells(const QMimeData* data) {
  if (!data) return {};
  const QString own = QString::fromLatin1(kChannelRowsType);
  if (data->hasFormat(own)) return {QString::fromUtf8(data->data(own)), true};
  return {data->text(), false};
}

}  // namespace m27
