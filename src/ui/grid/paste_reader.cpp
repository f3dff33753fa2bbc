// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/grid/paste_reader.h"

#include "channels/channel_table.h"
#include "channels/frequency.h"
#include "files/csv_values.h"

namespace m27 {
namespace {

// A line of captions from a copy of this grid in any language, or from a spreadsheet's header.
bool is_header(const std::vector<std::string>& line, int first_column, const ShownCaptions& shown) {
  if (first_column + static_cast<int>(line.size()) > kColumns) return false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const int column = first_column + static_cast<int>(i);
    if (line[i] != source_text(caption_of(static_cast<Cell>(column))) && line[i] != shown[column]) {
      return false;
    }
  }
  return true;
}

Checked<std::string> formatted(Checked<std::string> value) {
  if (!value) return value;
  return format_frequency(*value);
}

std::variant<CellWrite, Words> checked_write(const Sheet& sheet, CellPos cell,
                                             const std::string& text, bool exact) {
  if (cell.row >= channels_in_use(sheet)) {
    return M27_WORDS("grid", "粘贴超出了信道总数：%1").arg(cell_name(cell));
  }
  if (exact) return CellWrite{cell, text};
  if (text.empty()) return M27_WORDS("grid", "%1：没有值").arg(cell_name(cell));
  auto value = grid_value(cell.column, text, sheet.tone_mode);
  if (!value) return M27_WORDS("grid", "%1：%2").arg(cell_name(cell)).arg(value.problem().text);
  return CellWrite{cell, std::move(value).take()};
}

}  // namespace

TextTable read_tab_separated(std::string_view text) {
  TextTable table;
  if (text.ends_with('\n')) text.remove_suffix(1);
  if (text.ends_with('\r')) text.remove_suffix(1);
  std::vector<std::string> line(1);
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    std::string& cell = line.back();
    if (quoted) {
      if (c != '"') {
        cell += c;
      } else if (i + 1 < text.size() && text[i + 1] == '"') {
        cell += c;
        ++i;
      } else {
        quoted = false;
      }
    } else if (c == '"' && cell.empty()) {
      quoted = true;
    } else if (c == '\t') {
      line.emplace_back();
    } else if (c == '\n') {
      if (cell.ends_with('\r')) cell.pop_back();
      table.push_back(std::move(line));
      line.assign(1, {});
    } else {
      cell += c;
    }
  }
  table.push_back(std::move(line));
  return table;
}

std::string write_tab_separated(const TextTable& table) {
  std::string text;
  for (const auto& line : table) {
    for (std::size_t i = 0; i < line.size(); ++i) {
      const std::string& cell = line[i];
      if (i > 0) text += '\t';
      if (cell.find_first_of("\t\r\n\"") == std::string::npos) {
        text += cell;
        continue;
      }
      text += '"';
      for (char c : cell) text += c == '"' ? std::string("\"\"") : std::string(1, c);
      text += '"';
    }
    text += '\n';
  }
  return text;
}

Checked<std::string> grid_value(Cell column, std::string_view text, ToneMode mode) {
  switch (column) {
    case Cell::rx_frequency:
      return formatted(csv_receive_frequency(text));
    case Cell::tx_frequency:
      return formatted(csv_transmit_frequency(text));
    case Cell::rx_tone:
    case Cell::tx_tone:
      return csv_tone(text, mode);
    case Cell::bandwidth:
      break;
  }
  return csv_bandwidth(text);  // 宽带/窄带, or Wide/Narrow as the English grid shows them
}

PastePlan plan_paste(const Sheet& sheet, TextTable table, CellPos at,
                     const std::vector<CellPos>& selection, bool exact,
                     const ShownCaptions& shown) {
  if (exact) at.column = Cell::rx_frequency;
  const int first_column = static_cast<int>(at.column);
  if (table.size() > 1 && is_header(table.front(), first_column, shown)) table.erase(table.begin());
  std::vector<CellWrite> writes;
  const auto add = [&](CellPos cell, const std::string& text) -> std::optional<Words> {
    auto write = checked_write(sheet, cell, text, exact);
    if (auto* refusal = std::get_if<Words>(&write)) return *refusal;
    writes.push_back(std::get<CellWrite>(std::move(write)));
    return std::nullopt;
  };
  if (table.size() == 1 && table.front().size() == 1 && !exact) {
    for (const CellPos& cell : selection.empty() ? std::vector{at} : selection) {
      if (auto refusal = add(cell, table.front().front())) return *refusal;
    }
    return writes;
  }
  const std::size_t width = table.front().size();
  if (first_column + width > static_cast<std::size_t>(kColumns)) {
    return M27_WORDS("grid", "粘贴超出了最后一列");
  }
  for (std::size_t r = 0; r < table.size(); ++r) {
    if (table[r].size() != width) return M27_WORDS("grid", "粘贴的各行列数不同");
    for (std::size_t c = 0; c < width; ++c) {
      const CellPos cell{at.row + static_cast<int>(r), static_cast<Cell>(first_column + c)};
      if (cell.row >= kRows) return M27_WORDS("grid", "粘贴超出了信道总数");
      if (auto refusal = add(cell, table[r][c])) return *refusal;
    }
  }
  return writes;
}

}  // namespace m27
