// What a command waits for besides the radio: lines on its input and a stop signal. Both arrive
// through the event loop, whatever else it is doing.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <QTimer>
#include <string>
#include <vector>

#include "cli/line_reader.h"
#include "cli/stop_signal.h"

namespace m27 {
namespace {

class Pipe {
 public:
  Pipe() { EXPECT_EQ(pipe2(fds_, O_CLOEXEC), 0); }
  ~Pipe() {
    close_writer();
    close(fds_[0]);
  }
  int reader() const { return fds_[0]; }
  void write_text(const std::string& text) {
    EXPECT_EQ(write(fds_[1], text.data(), text.size()), static_cast<ssize_t>(text.size()));
  }
  void close_writer() {
    if (fds_[1] >= 0) close(fds_[1]);
    fds_[1] = -1;
  }

 private:
  int fds_[2] = {-1, -1};
};

std::vector<std::string> all_lines(LineReader& reader) {
  std::vector<std::string> lines;
  while (auto line = reader.next_line()) lines.push_back(*line);
  return lines;
}

TEST(LineReader, GivesWholeLinesUntilTheInputEnds) {
  struct Case {
    std::vector<std::string> chunks;  // written one by one while the reader waits
    std::vector<std::string> lines;
  };
  const Case kCases[] = {
      {{"\n"}, {""}},
      {{"a\r\nb\n\n"}, {"a", "b", ""}},
      {{"10", "1\n", "\n1"}, {"101", ""}},  // a last line without its end counts as ended
      {{}, {}},
  };
  for (const auto& c : kCases) {
    Pipe pipe;
    LineReader reader(pipe.reader());
    int delay = 0;
    for (const std::string& chunk : c.chunks) {
      QTimer::singleShot(delay++, [&pipe, chunk] { pipe.write_text(chunk); });
    }
    QTimer::singleShot(delay, [&pipe] { pipe.close_writer(); });
    EXPECT_EQ(all_lines(reader), c.lines);
  }
}

TEST(LineReader, AClosedDescriptorIsAnEndedInput) {
  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
  close(fds[0]);
  close(fds[1]);
  LineReader reader(fds[0]);
  EXPECT_EQ(reader.next_line(), std::nullopt);
}

TEST(StopSignal, SigtermEndsTheWaitAndNotTheProcess) {
  StopSignal stop;
  QTimer::singleShot(0, [] { kill(getpid(), SIGTERM); });
  stop.wait();
  stop.wait();  // once it has come, at once
  SUCCEED();
}

TEST(StopSignal, RaiseEndsTheWaitAsASignalDoes) {
  StopSignal stop;
  QTimer::singleShot(0, [&stop] { stop.raise(); });
  stop.wait();
  SUCCEED();
}

}  // namespace
}  // namespace m27
