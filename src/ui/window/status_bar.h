// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `status_bar`: panel 1 the link status, which the program writes; panel 2 today's date and
// panel 3 the time, kept up by the bar itself.

#include <QStatusBar>
#include <QTimer>

class QLabel;

namespace m27 {

class StatusBar : public QStatusBar {
  Q_OBJECT

 public:
  explicit StatusBar(QWidget* parent);

  void set_panel1(const QString& text);
  QString panel1() const;
  // A note in place of panel 1 for ten seconds ("通讯记录失败：…"); then panel 1 is back.
  void show_note(const QString& text);

 private:
  void show_clock();

  QLabel* panel1_;
  QLabel* panel2_;
  QLabel* panel3_;
  QTimer clock_;
};

}  // namespace m27
