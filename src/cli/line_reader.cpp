// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/line_reader.h"

#include <fcntl.h>
#include <unistd.h>

#include <QEventLoop>
#include <array>
#include <cerrno>

namespace m27 {

LineReader::LineReader(int fd) : fd_(fd) {
  if (fcntl(fd_, F_GETFD) == -1) {  // no such descriptor: an input that has ended
    ended_ = true;
    return;
  }
  notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
  notifier_->setEnabled(false);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { on_readable(); });
}

std::optional<std::string> LineReader::next_line() {
  if (auto line = take_line()) return line;
  if (ended_) return std::nullopt;
  QEventLoop loop;
  waiting_ = &loop;
  notifier_->setEnabled(true);
  loop.exec();
  notifier_->setEnabled(false);
  waiting_ = nullptr;
  return take_line();
}

void LineReader::end() {
  ended_ = true;
  buffer_.clear();
  if (waiting_) waiting_->quit();
}

// The descriptor is readable, so one read() returns at once: data, or 0 at the end.
void LineReader::on_readable() {
  std::array<char, 4096> chunk;
  const ssize_t count = read(fd_, chunk.data(), chunk.size());
  if (count > 0) {
    buffer_.append(chunk.data(), static_cast<std::size_t>(count));
  } else if (count == 0 || (errno != EINTR && errno != EAGAIN)) {
    ended_ = true;
  }
  if (waiting_ && (ended_ || buffer_.find('\n') != std::string::npos)) waiting_->quit();
}

std::optional<std::string> LineReader::take_line() {
  const auto end = buffer_.find('\n');
  if (end == std::string::npos) return std::nullopt;
  std::string line = buffer_.substr(0, end);
  buffer_.erase(0, end + 1);
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

}  // namespace m27
