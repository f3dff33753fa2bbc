// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/stop_signal.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QEventLoop>
#include <array>
#include <cerrno>
#include <span>
#include <utility>

namespace m27 {
namespace {

volatile sig_atomic_t g_write_fd = -1;

// Async-signal-safe: one write() to the pipe, errno as the interrupted code left it. A pipe
// already marked closed is left alone: its number may name another file by now.
void on_stop_signal(int signal_number) {
  const int fd = g_write_fd;
  if (fd < 0) return;
  const int saved_errno = errno;
  const char byte = static_cast<char>(signal_number);
  [[maybe_unused]] const auto ignored = write(fd, &byte, 1);
  errno = saved_errno;
}

void set_handler(void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  // A system call the signal lands in (a log's fsync, a port's read) goes on instead of failing
  // with EINTR: the stop is the event loop's to carry out.
  action.sa_flags = SA_RESTART;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGHUP, &action, nullptr);
}

}  // namespace

StopSignal::StopSignal() {
  std::array<int, 2> fds{-1, -1};
  if (pipe2(fds.data(), O_CLOEXEC | O_NONBLOCK) != 0) return;  // the default handling stays
  read_fd_ = fds[0];
  g_write_fd = fds[1];
  notifier_ = std::make_unique<QSocketNotifier>(read_fd_, QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { on_signal(); });
  set_handler(on_stop_signal);
}

StopSignal::~StopSignal() {
  if (read_fd_ < 0) return;
  set_handler(SIG_DFL);
  notifier_.reset();
  const int write_fd = g_write_fd;
  g_write_fd = -1;  // before the close: a signal from now on writes nowhere
  close(write_fd);
  close(read_fd_);
}

void StopSignal::wait() {
  if (received_ || !notifier_) return;
  QEventLoop loop;
  const auto connection =
      QObject::connect(notifier_.get(), &QSocketNotifier::activated, &loop, &QEventLoop::quit);
  loop.exec();
  QObject::disconnect(connection);
}

void StopSignal::raise() {
  if (g_write_fd >= 0) on_stop_signal(0);
}

bool StopSignal::received() {
  if (read_fd_ >= 0) on_signal();
  return received_;
}

void StopSignal::on_arrival(std::function<void()> reaction) {
  reactions_.push_back(std::move(reaction));
}

// Each byte is a signal's number, 0 for `raise`.
void StopSignal::on_signal() {
  std::array<unsigned char, 16> bytes;
  ssize_t count = 0;
  bool arrived = false;
  while ((count = read(read_fd_, bytes.data(), bytes.size())) > 0) {
    arrived = true;
    for (const int byte : std::span(bytes.data(), static_cast<std::size_t>(count))) {
      if (signal_number_ == 0) signal_number_ = byte;
    }
  }
  if (!arrived || std::exchange(received_, true)) return;
  for (const auto& reaction : reactions_) reaction();
}

}  // namespace m27
