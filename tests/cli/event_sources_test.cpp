// SPDX-License-Identifier: GPL-3.0-or-later
// What a command waits for besides the radio: lines on its input and a stop signal. Both arrive
// through the event loop, whatever else it is doing.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QTimer>

#include "cli/line_reader.h"
#include "cli/stop_signal.h"

namespace m27 {
namespace {

TEST(LineReader, GivesWholeLinesUntilTheInputEndsOrIsClosed) {
  struct Case {
    std::vector<std::string> chunks;  // written one by one while the reader waits
    std::vector<std::string> lines;
  };
  const Case kCases[] = {
      {{"a\r\nb\n\n"}, {"a", "b", ""}},
      {{"10", "1\n", "\n1"}, {"101", ""}},  // a last line without its end counts as ended
      {{}, {}},
  };
  for (const auto& c : kCases) {
    int fds[2];
    ASSERT_EQ(pipe2(fds, O_CLOEXEC), 0);  // no child holds it open
    LineReader reader(fds[0]);
    int delay = 0;
    for (const std::string& chunk : c.chunks) {
      QTimer::singleShot(delay++, [fd = fds[1], chunk] {
        EXPECT_EQ(write(fd, chunk.data(), chunk.size()), static_cast<ssize_t>(chunk.size()));
      });
    }
    QTimer::singleShot(delay, [fd = fds[1]] { close(fd); });
    std::vector<std::string> lines;
    while (auto line = reader.next_line()) lines.push_back(*line);
    EXPECT_EQ(lines, c.lines);
    close(fds[0]);
  }
  int fds[2];  // a closed descriptor is an ended input
  ASSERT_EQ(pipe(fds), 0);
  close(fds[0]);
  close(fds[1]);
  EXPECT_EQ(LineReader(fds[0]).next_line(), std::nullopt);
}

// The signals end a monitor's wait end to end; here the end a command raises itself (its output
// has gone). A hang fails by the test's time-out.
TEST(StopSignal, RaiseEndsTheWaitAndALaterWaitReturnsAtOnce) {
  StopSignal raised;
  QTimer::singleShot(0, [&raised] { raised.raise(); });
  raised.wait();
  raised.wait();
}

}  // namespace
}  // namespace m27
