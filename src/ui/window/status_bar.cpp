// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/status_bar.h"

#include <QDateTime>
#include <QLabel>

namespace m27 {
namespace {

QLabel* make_panel(const char* name, QStatusBar* bar) {
  auto* panel = new QLabel(bar);
  panel->setObjectName(QString::fromUtf8(name));
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setMinimumWidth(110);
  panel->setContentsMargins(4, 0, 4, 0);
  return panel;
}

}  // namespace

StatusBar::StatusBar(QWidget* parent)
    : QStatusBar(parent),
      panel1_(make_panel("Panel1", this)),
      panel2_(make_panel("Panel2", this)),
      panel3_(make_panel("Panel3", this)) {
  setObjectName(QStringLiteral("StatusBar1"));
  setSizeGripEnabled(false);
  // Panel 1 gives way to a menu item's status tip while the item is under the mouse.
  addWidget(panel1_, 3);
  addPermanentWidget(panel2_, 1);
  addPermanentWidget(panel3_, 1);
  panel2_->setAlignment(Qt::AlignCenter);
  panel3_->setAlignment(Qt::AlignCenter);
  show_clock();
  clock_.setInterval(1000);
  connect(&clock_, &QTimer::timeout, this, &StatusBar::show_clock);
  clock_.start();
}

void StatusBar::set_panel1(const QString& text) { panel1_->setText(text); }

QString StatusBar::panel1() const { return panel1_->text(); }

void StatusBar::show_note(const QString& text) {
  constexpr int kNoteMs = 10'000;
  showMessage(text, kNoteMs);
}

void StatusBar::show_clock() {
  const QDateTime now = QDateTime::currentDateTime();
  panel2_->setText(now.date().toString(QStringLiteral("yyyy/M/d")));
  panel3_->setText(now.time().toString(QStringLiteral("HH:mm")));
}

}  // namespace m27
