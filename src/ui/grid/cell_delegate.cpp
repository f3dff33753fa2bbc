// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/grid/cell_delegate.h"

#include <QApplication>
#include <QPainter>

namespace m27 {
namespace {

constexpr std::size_t kMostTexts = 512;  // more, and the texts kept are dropped

QStyle* style_of(const QStyleOptionViewItem& cell) {
  return cell.widget ? cell.widget->style() : QApplication::style();
}

// The pen the style draws a cell's text with.
QColor text_colour(const QStyleOptionViewItem& cell) {
  QPalette::ColorGroup group =
      cell.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
  if (group == QPalette::Normal && !(cell.state & QStyle::State_Active)) {
    group = QPalette::Inactive;
  }
  return cell.palette.color(
      group, cell.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text);
}

// Nothing but the text to draw: styles draw a cell's panel for a selection, a pointer over it,
// a background brush, a check box or an icon, and this cell has none of them.
bool only_text(const QStyleOptionViewItem& cell) {
  return !(cell.state & (QStyle::State_Selected | QStyle::State_MouseOver)) &&
         cell.backgroundBrush.style() == Qt::NoBrush &&
         !(cell.features &
           (QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDecoration));
}

}  // namespace

void CellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
  QStyleOptionViewItem cell = option;
  initStyleOption(&cell, index);
  // The style draws the focus frame over the text: the current cell is left to it.
  const bool plain = !(cell.state & (QStyle::State_Editing | QStyle::State_HasFocus)) &&
                     !(cell.features & QStyleOptionViewItem::WrapText) && !cell.text.isEmpty();
  if (!plain) return QStyledItemDelegate::paint(painter, option, index);
  QStyle* style = style_of(cell);
  const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, cell.widget) + 1;
  QStyleOptionViewItem frame = cell;
  frame.text.clear();
  const QRect text_rect = style->subElementRect(QStyle::SE_ItemViewItemText, &frame, cell.widget)
                              .adjusted(margin, 0, -margin, 0);
  const QTextLayout* layout = laid_out(cell, text_rect.width());
  if (!layout) return QStyledItemDelegate::paint(painter, option, index);
  if (!only_text(frame)) style->drawControl(QStyle::CE_ItemViewItem, &frame, painter, cell.widget);
  const QRect placed = QStyle::alignedRect(Qt::LayoutDirectionAuto, cell.displayAlignment,
                                           layout->boundingRect().size().toSize(), text_rect);
  painter->save();
  painter->setPen(text_colour(cell));
  layout->draw(painter, QPointF(text_rect.x(), placed.top()));
  painter->restore();
}

const QTextLayout* CellDelegate::laid_out(const QStyleOptionViewItem& cell, int width) const {
  const Qt::Alignment alignment = QStyle::visualAlignment(cell.direction, cell.displayAlignment);
  auto found = laid_.find(cell.text);
  if (found == laid_.end() || found->second.font != cell.font || found->second.width != width ||
      found->second.alignment != alignment || found->second.direction != cell.direction) {
    if (laid_.size() >= kMostTexts) laid_.clear();
    auto layout = std::make_unique<QTextLayout>(cell.text, cell.font);
    QTextOption option;
    option.setWrapMode(QTextOption::ManualWrap);
    option.setTextDirection(cell.direction);
    option.setAlignment(alignment);
    layout->setTextOption(option);
    layout->setCacheEnabled(true);
    layout->beginLayout();
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
      line.setLineWidth(width);
    }
    layout->endLayout();
    found = laid_
                .insert_or_assign(
                    cell.text, Laid{cell.font, width, alignment, cell.direction, std::move(layout)})
                .first;
  }
  const QTextLayout& layout = *found->second.layout;
  const bool fits = layout.lineCount() == 1 && layout.lineAt(0).naturalTextWidth() <= width;
  return fits ? &layout : nullptr;
}

}  // namespace m27
