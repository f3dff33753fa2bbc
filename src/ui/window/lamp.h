// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A filled circle with a dark outline, the charge lamp of the test-mode dialog, and the colours
// the service dialogs' lamps show.

#include <QColor>
#include <QWidget>

namespace m27 {

// Red: charging, or a failed ID write; green: not charging, or the ID read or written.
inline const QColor kLampRed{Qt::red};
inline const QColor kLampGreen{Qt::green};

class Lamp : public QWidget {
  Q_OBJECT

 public:
  Lamp(const char* name, const QColor& fill_colour, QWidget* parent);

  void set_fill_colour(const QColor& colour);
  QColor fill_colour() const { return fill_colour_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor fill_colour_;
};

}  // namespace m27
