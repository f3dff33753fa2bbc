// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A timer of the main window as the program uses it: switched on and off, it ticks only while
// it is on and has an interval above zero; a new interval restarts the count.

#include <QObject>
#include <QTimer>
#include <chrono>

namespace m27 {

// One second after a transfer or a dialog's exchange ends, the status panel shows the port state.
inline constexpr std::chrono::milliseconds kStatusRefreshDelay{1000};

class FormTimer : public QObject {
  Q_OBJECT

 public:
  FormTimer(const char* name, std::chrono::milliseconds interval, QObject* parent);

  void set_enabled(bool enabled);
  bool enabled() const { return enabled_; }

  void set_interval(std::chrono::milliseconds interval);
  std::chrono::milliseconds interval() const { return timer_.intervalAsDuration(); }

  // Enabled with 1000 ms: the one-shot arming every transfer and dialog does at its end.
  void arm(std::chrono::milliseconds interval);

 signals:
  void tick();

 private:
  void follow_state();

  QTimer timer_;
  bool enabled_ = false;
};

}  // namespace m27
