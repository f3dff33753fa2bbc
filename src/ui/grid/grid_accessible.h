// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader is told of the grid: one table of 25 rows, the captions as its column
// headers and the channel numbers as its row headers, each cell's text its value and its
// description what is wrong with it, and a row beyond the channel total disabled (Qt's own
// table cells never say so).

class QAccessibleInterface;
class QObject;
class QString;

namespace m27 {

// The accessible interface of a `GridView`; installed as a factory once, at the first grid.
QAccessibleInterface* grid_accessible(const QString& class_name, QObject* object);

}  // namespace m27
