// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/lamp.h"

#include <QPainter>

namespace m27 {
namespace {

constexpr int kDiameter = 22;

}  // namespace

Lamp::Lamp(const char* name, const QColor& fill_colour, QWidget* parent)
    : QWidget(parent), fill_colour_(fill_colour) {
  setObjectName(QString::fromUtf8(name));
  setFixedSize(kDiameter, kDiameter);
}

void Lamp::set_fill_colour(const QColor& colour) {
  if (colour == fill_colour_) return;
  fill_colour_ = colour;
  update();
}

void Lamp::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
  painter.setBrush(fill_colour_);
  painter.drawEllipse(QRectF(rect()).adjusted(1, 1, -1, -1));
}

}  // namespace m27
