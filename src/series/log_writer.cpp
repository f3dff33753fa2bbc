// SPDX-License-Identifier: GPL-3.0-or-later
#include "series/log_writer.h"

#include <pthread.h>
#include <signal.h>

#include <utility>

namespace m27 {
namespace {

// A thread started with the stop signals blocked, so that they go to the thread that handles
// them and never break into a write or a sync of the log.
template <typename F>
std::thread thread_without_stop_signals(F&& body) {
  sigset_t stop_signals;
  sigset_t previous;
  sigemptyset(&stop_signals);
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&stop_signals, signal);
  pthread_sigmask(SIG_BLOCK, &stop_signals, &previous);
  std::thread thread(std::forward<F>(body));
  pthread_sigmask(SIG_SETMASK, &previous, nullptr);
  return thread;
}

}  // namespace

LogWriter::LogWriter(JobLog log, std::function<void()> appended)
    : log_(std::move(log)),
      appended_(std::move(appended)),
      thread_(thread_without_stop_signals([this] { run(); })) {}

LogWriter::~LogWriter() {
  {
    std::lock_guard lock(mutex_);
    closing_ = true;
  }
  queued_.notify_one();
  thread_.join();
}

void LogWriter::append(std::size_t station, LogLine line,
                       std::chrono::system_clock::time_point now) {
  {
    std::lock_guard lock(mutex_);
    queue_.push_back({station, std::move(line), now});
  }
  queued_.notify_one();
}

std::vector<LogWriter::Appended> LogWriter::take_appended() {
  std::lock_guard lock(mutex_);
  return std::exchange(done_, {});
}

bool LogWriter::wait_until_idle() {
  std::unique_lock lock(mutex_);
  idle_.wait(lock, [this] { return queue_.empty() && !appending_; });
  return !done_.empty();
}

void LogWriter::run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    queued_.wait(lock, [this] { return closing_ || !queue_.empty(); });
    if (queue_.empty()) return;
    Queued next = std::move(queue_.front());
    queue_.pop_front();
    appending_ = true;
    lock.unlock();
    auto failure = log_.append(next.line, next.now);
    lock.lock();
    done_.push_back({next.station, std::move(next.line), std::move(failure), next.now});
    appending_ = false;
    idle_.notify_all();
    lock.unlock();
    appended_();
    lock.lock();
  }
}

}  // namespace m27
