// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Lines from a file descriptor (the standard input) as they come, read when the event loop
// reports the descriptor readable, so that the link keeps running while a command waits for
// the user.

#include <QSocketNotifier>
#include <memory>
#include <optional>
#include <string>

class QEventLoop;

namespace m27 {

class LineReader {
 public:
  explicit LineReader(int fd);

  // Waits in the event loop for the next whole line and gives it without its line end;
  // nothing once the input has ended (a last line without a line end counts as ended).
  std::optional<std::string> next_line();
  // The input counts as ended from now on (the command was told to stop): a wait for a line
  // ends.
  void end();

 private:
  void on_readable();
  std::optional<std::string> take_line();

  int fd_;
  std::string buffer_;
  bool ended_ = false;
  std::unique_ptr<QSocketNotifier> notifier_;
  QEventLoop* waiting_ = nullptr;
};

}  // namespace m27
