// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/grid/grid_header.h"

#include <QEvent>
#include <QStyleOptionHeader>

namespace m27 {

GridHeader::GridHeader(Qt::Orientation orientation, QWidget* parent)
    : QHeaderView(orientation, parent) {
  // As the table view's own headers.
  setSectionsClickable(true);
  setHighlightSections(true);
  connect(this, &QHeaderView::sectionCountChanged, this, [this] { hint_ = QSize(); });
}

void GridHeader::setModel(QAbstractItemModel* model) {
  QHeaderView::setModel(model);
  hint_ = QSize();
  if (!model) return;
  connect(model, &QAbstractItemModel::headerDataChanged, this, [this](Qt::Orientation changed) {
    if (changed == orientation()) hint_ = QSize();
  });
}

QSize GridHeader::sizeHint() const {
  const bool vertical = orientation() == Qt::Vertical;
  if (vertical && minimumWidth() == maximumWidth()) return {minimumWidth(), length()};
  if (!vertical && minimumHeight() == maximumHeight()) return {length(), minimumHeight()};
  if (!hint_.isValid()) hint_ = measured();
  return vertical ? QSize(hint_.width(), length()) : QSize(length(), hint_.height());
}

QSize GridHeader::measured() const {
  QSize size(0, 0);
  if (!model()) return size;
  QStyleOptionHeader option;
  initStyleOption(&option);
  for (int section = 0; section < count(); ++section) {
    option.section = section;
    option.text = model()->headerData(section, orientation(), Qt::DisplayRole).toString();
    size = size.expandedTo(style()->sizeFromContents(QStyle::CT_HeaderSection, &option, {}, this));
  }
  return size;
}

bool GridHeader::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::StyleChange:
      hint_ = QSize();
      break;
    default:
      break;
  }
  return QHeaderView::event(event);
}

}  // namespace m27
