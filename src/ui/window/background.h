// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's client area. Reports clicks that land on the window itself, not on one of
// its controls or frames (`background_clicked`, `background_double_clicked`).

#include <QWidget>

namespace m27 {

class Background : public QWidget {
  Q_OBJECT

 public:
  explicit Background(QWidget* parent) : QWidget(parent) {}

 signals:
  void clicked();
  void double_clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace m27
