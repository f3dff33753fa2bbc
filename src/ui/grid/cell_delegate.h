// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the grid's delegates share: a cell painted as the style paints it, but with its text laid
// out once and kept. The style lays a cell's text out three times each time it paints it (to
// size, to elide, to draw); the grid shows few different texts (a column of tones is mostly
// "OFF"), so most cells draw a layout that is already there.

#include <QFont>
#include <QStyledItemDelegate>
#include <QTextLayout>
#include <memory>
#include <unordered_map>

namespace m27 {

class CellDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 private:
  struct Laid {
    QFont font;
    int width = 0;
    Qt::Alignment alignment;
    Qt::LayoutDirection direction = Qt::LeftToRight;
    std::unique_ptr<QTextLayout> layout;
  };

  // The text of `cell` laid out in `width`, or null when it must be elided.
  const QTextLayout* laid_out(const QStyleOptionViewItem& cell, int width) const;

  mutable std::unordered_map<QString, Laid> laid_;
};

}  // namespace m27
