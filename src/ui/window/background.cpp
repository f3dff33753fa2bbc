// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/background.h"

#include <QMouseEvent>

namespace m27 {
namespace {

bool on_background(const QWidget& background, const QMouseEvent& event) {
  return event.button() == Qt::LeftButton &&
         background.childAt(event.position().toPoint()) == nullptr;
}

}  // namespace

void Background::mousePressEvent(QMouseEvent* event) {
  if (on_background(*this, *event)) emit clicked();
  QWidget::mousePressEvent(event);
}

void Background::mouseDoubleClickEvent(QMouseEvent* event) {
  // No second click: the press of a double-click has already reported one.
  if (on_background(*this, *event)) emit double_clicked();
}

}  // namespace m27
