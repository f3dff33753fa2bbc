// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A header of the grid (the channel numbers, the captions) that measures itself cheaply. Qt's
// own header measures every section each time its view lays itself out, in bold for the section
// it may highlight, and so loads bold faces the window never shows at start. This one needs no
// measuring at all when its thickness is fixed, and else measures its sections once in its own
// font, again only when their texts, the font or the style change.

#include <QHeaderView>

namespace m27 {

class GridHeader : public QHeaderView {
  Q_OBJECT

 public:
  GridHeader(Qt::Orientation orientation, QWidget* parent);

  QSize sizeHint() const override;
  void setModel(QAbstractItemModel* model) override;

 protected:
  bool event(QEvent* event) override;

 private:
  QSize measured() const;

  mutable QSize hint_;
};

}  // namespace m27
