// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form_timer.h"

namespace m27 {

FormTimer::FormTimer(const char* name, std::chrono::milliseconds interval, QObject* parent)
    : QObject(parent) {
  setObjectName(QString::fromUtf8(name));
  timer_.setInterval(interval);
  connect(&timer_, &QTimer::timeout, this, &FormTimer::tick);
}

void FormTimer::set_enabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  follow_state();
}

void FormTimer::set_interval(std::chrono::milliseconds interval) {
  timer_.setInterval(interval);
  timer_.stop();
  follow_state();
}

void FormTimer::arm(std::chrono::milliseconds interval) {
  enabled_ = true;
  set_interval(interval);
}

void FormTimer::follow_state() {
  if (enabled_ && timer_.interval() > 0) {
    if (!timer_.isActive()) timer_.start();
  } else {
    timer_.stop();
  }
}

}  // namespace m27
