// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `splash`, the about box over the main window at start-up. A click or a key on it closes
// it; the main window closes it too (its splash timer, a click on its background).

#include <QWidget>

namespace m27 {

class Splash : public QWidget {
  Q_OBJECT

 public:
  Splash();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace m27
