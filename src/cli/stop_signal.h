// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// SIGINT, SIGTERM and SIGHUP as events of the event loop: the handler only writes the signal's
// number into a pipe, which a socket notifier watches. One instance at a time; it restores the
// default handling when it goes.

#include <QSocketNotifier>
#include <functional>
#include <memory>
#include <vector>

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
  // Whether a signal has come (or `raise` was called), counting one the event loop has not
  // delivered yet.
  bool received();
  // The first signal that came (SIGINT, SIGTERM or SIGHUP); 0 while none has.
  int signal_number() const { return signal_number_; }
  // `reaction` runs in the event loop as the first signal comes (or `raise` is called).
  void on_arrival(std::function<void()> reaction);

 private:
  void on_signal();

  int read_fd_ = -1;
  bool received_ = false;
  int signal_number_ = 0;
  std::vector<std::function<void()>> reactions_;
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace m27
