// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// SIGINT, SIGTERM and SIGHUP as events of the event loop: the handler only writes a byte into a
// pipe, which a socket notifier watches. One instance at a time; it restores the default handling
// when it goes.

#include <QSocketNotifier>
#include <memory>

namespace m27 {

class StopSignal {
 public:
  StopSignal();
  ~StopSignal();
  StopSignal(const StopSignal&) = delete;
  StopSignal& operator=(const StopSignal&) = delete;

  // Waits in the event loop until a signal has come; returns at once if one already has.
  void wait();
  // Ends the wait as a signal would (the output the command writes to has gone away).
  void raise();

 private:
  void on_signal();

  int read_fd_ = -1;
  bool received_ = false;
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace m27
