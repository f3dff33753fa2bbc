// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/grid/channel_model.h"

#include <QColor>

#include "channels/cell_rule.h"
#include "i18n/translated.h"
#include "ui/grid/paste_reader.h"
#include "ui/window/shown_words.h"

namespace m27 {
namespace {

const QColor kErrorColour(255, 196, 196);

QString text_of(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool is_frequency(Cell column) {
  return column == Cell::rx_frequency || column == Cell::tx_frequency;
}

}  // namespace

ChannelModel::ChannelModel(Sheet& sheet, GridState& grid, Edit edit, QObject* parent)
    : QAbstractTableModel(parent), sheet_(sheet), grid_(grid), edit_(std::move(edit)) {}

int ChannelModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kRows; }

int ChannelModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumns;
}

CellPos ChannelModel::cell_of(const QModelIndex& index) {
  return {index.row(), static_cast<Cell>(index.column())};
}

QModelIndex ChannelModel::index_of(CellPos cell) const {
  return index(cell.row, static_cast<int>(cell.column));
}

QVariant ChannelModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const auto [row, column] = cell_of(index);
  switch (role) {
    case Qt::DisplayRole:
      return shown_words(text_of(sheet_.rows[row].*field_of(column)));
    case Qt::EditRole:
      return text_of(sheet_.rows[row].*field_of(column));
    case Qt::TextAlignmentRole:
      return is_frequency(column) ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                  : QVariant(Qt::AlignCenter);
    case Qt::BackgroundRole:
      return cell_fault(sheet_, row, column) == CellFault::none ? QVariant()
                                                                : QVariant(kErrorColour);
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole: {
      const CellFault fault = cell_fault(sheet_, row, column);
      return fault == CellFault::none ? QVariant()
                                      : QVariant(translated(fault_reason(fault, sheet_.tone_mode)));
    }
    default:
      return {};
  }
}

QVariant ChannelModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return QString::number(section + 1);
  return translated(caption_of(static_cast<Cell>(section)));
}

Qt::ItemFlags ChannelModel::flags(const QModelIndex& index) const {
  if (!index.isValid() || !sheet_.rows[index.row()].enabled) return Qt::ItemNeverHasChildren;
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
  if (is_frequency(cell_of(index).column)) flags |= Qt::ItemIsEditable;
  return flags;
}

bool ChannelModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
  const auto [row, column] = cell_of(index);
  edit_(
      tr("编辑信道"), [&] { sheet_.rows[row].*field_of(column) = value.toString().toStdString(); },
      static_cast<int>(column) * kRows + row);
  emit dataChanged(index, index);
  return true;
}

void ChannelModel::refresh() {
  emit dataChanged(index(0, 0), index(kRows - 1, kColumns - 1));
  emit headerDataChanged(Qt::Vertical, 0, kRows - 1);
}

std::optional<QString> ChannelModel::attempt(const QString& what, const Change& change) {
  Sheet trial = sheet_;
  GridState grid = grid_;
  commit_edits(trial, grid);
  if (const auto refusal = change(trial)) return translated(*refusal);
  edit_(
      what,
      [&] {
        sheet_ = std::move(trial);
        grid_ = std::move(grid);
      },
      -1);
  refresh();
  return std::nullopt;
}

std::optional<QString> ChannelModel::paste(const QString& text, bool exact, CellPos at,
                                           const std::vector<CellPos>& selection) {
  return attempt(tr("粘贴"), [&](Sheet& sheet) -> std::optional<Words> {
    ShownCaptions shown;
    for (int column = 0; column < kColumns; ++column) {
      shown[column] = headerData(column, Qt::Horizontal, Qt::DisplayRole).toString().toStdString();
    }
    const PastePlan plan =
        plan_paste(sheet, read_tab_separated(text.toStdString()), at, selection, exact, shown);
    if (const auto* why = std::get_if<Words>(&plan)) return *why;
    for (const CellWrite& write : std::get<std::vector<CellWrite>>(plan)) {
      sheet.rows[write.cell.row].*field_of(write.cell.column) = write.text;
    }
    return std::nullopt;
  });
}

std::vector<int> ChannelModel::move_rows(const std::vector<int>& rows, int step) {
  std::vector<int> moved;
  attempt(step < 0 ? tr("上移") : tr("下移"), [&](Sheet& sheet) {
    moved = m27::move_rows(sheet, rows, step);
    return std::nullopt;
  });
  return moved;
}

void ChannelModel::move_row_to(int from, int to) {
  attempt(tr("移动信道"), [&](Sheet& sheet) {
    m27::move_row_to(sheet, from, to);
    return std::nullopt;
  });
}

std::optional<QString> ChannelModel::insert_channel(int row) {
  return attempt(tr("插入信道"), [&](Sheet& sheet) { return m27::insert_channel(sheet, row); });
}

std::optional<QString> ChannelModel::delete_channels(const std::vector<int>& rows) {
  return attempt(tr("删除信道"), [&](Sheet& sheet) { return m27::delete_channels(sheet, rows); });
}

void ChannelModel::fill_down(const std::vector<CellPos>& cells) {
  attempt(tr("向下填充"), [&](Sheet& sheet) {
    m27::fill_down(sheet, cells);
    return std::nullopt;
  });
}

void ChannelModel::set_cells(const std::vector<CellPos>& cells, const QString& text) {
  attempt(tr("编辑信道"), [&](Sheet& sheet) {
    m27::set_cells(sheet, cells, text.toStdString());
    return std::nullopt;
  });
}

int ChannelModel::channels_in_error() const {
  int count = 0;
  for (int row = 0; row < kRows; ++row) {
    for (int column = 0; column < kColumns; ++column) {
      if (cell_fault(sheet_, row, static_cast<Cell>(column)) != CellFault::none) {
        ++count;
        break;
      }
    }
  }
  return count;
}

}  // namespace m27
