// What the console shows of a transfer on a terminal and of a monitor stream: the events of the
// real operations, run against the fake radio in virtual time, in; the exact text of both streams
// out. (Without a terminal, the command-line end-to-end tests show every line.)

#include "cli/console_player.h"

#include <gtest/gtest.h>

#include <sstream>

#include "channels/sheet.h"
#include "cli/data_lines.h"
#include "fake-radio/radio.h"
#include "link/read_transfer.h"
#include "link/write_transfer.h"
#include "unit/virtual_pair.h"

namespace m27 {
namespace {

using namespace m27::testing;

struct Console {
  std::string out;
  std::string err;
};

Console play(const std::vector<Event>& events, ConsoleOptions options) {
  std::ostringstream out;
  std::ostringstream err;
  ConsolePlayer player(out, err, std::move(options));
  for (const Event& e : events) player.play(e);
  return {out.str(), err.str()};
}

std::vector<Event> events_of(std::unique_ptr<Operation> operation, fake::Fault fault = {}) {
  fake::Radio radio(fake::default_memory(), {false, std::chrono::milliseconds(30), fault});
  VirtualPair pair(radio);
  pair.start(std::move(operation));
  pair.run(10min);
  EXPECT_TRUE(pair.finished().has_value());
  return pair.events;
}

// "\r<label> 0/<end>\r<label> <step>/<end> ... \r<label> <last>/<end>"
std::string progress_line(const std::string& label, int end, int step, int last) {
  std::string line;
  for (int value = 0; value <= last; value += step) {
    line += "\r" + label + " " + std::to_string(value) + "/" + std::to_string(end);
  }
  return line;
}

TEST(ConsolePlayer, TransfersPrintTheWindowsMessagesAndProgressOnATerminal) {
  const fake::Fault kSilentAfterSix{fake::Fault::Kind::kSilentAfter, 6};
  const std::string kNoAnswer = "通讯失败，请检查对讲机是否进入写频模式\n";
  const std::string kReading = "正在读频......";
  const std::string kWriting = "正在写频......";
  struct Case {
    const char* what;
    bool write;
    fake::Fault fault;
    std::string err;
  };
  const Case kCases[] = {
      {"read", false, {}, progress_line(kReading, 75, 3, 75) + "\n读频完成: 读写完成\n"},
      // The option record and five channels arrive: 15 of 75.
      {"read, the sixth channel unanswered", false, kSilentAfterSix,
       progress_line(kReading, 75, 3, 15) + "\n" + kNoAnswer + "读频出错: 读频出错\n"},
      {"write", true, {}, progress_line(kWriting, 156, 6, 156) + "\n写频完成: 写频完成\n"},
      {"write, the sixth channel unanswered", true, kSilentAfterSix,
       progress_line(kWriting, 156, 6, 36) + "\n" + kNoAnswer},
  };
  for (const auto& c : kCases) {
    Sheet sheet = startup_sheet();
    std::unique_ptr<Operation> operation;
    if (c.write)
      operation = std::make_unique<WriteTransfer>(sheet);
    else
      operation = std::make_unique<ReadTransfer>(sheet);
    const Console console = play(events_of(std::move(operation), c.fault), {true, {}});
    EXPECT_EQ(console.err, c.err) << c.what;
    EXPECT_EQ(console.out, "") << c.what;
  }
}

TEST(ConsolePlayer, AMessageEndsAnOpenProgressLine) {
  const std::vector<Event> events = {
      Began{Exchange::Read},           Progress{0, 75}, Progress{3, 75},
      Notice{attention("请设置串口")}, Progress{6, 75}, Ended{Ending::NoAnswer},
  };
  EXPECT_EQ(play(events, {true, {}}).err,
            "\r正在读频...... 0/75\r正在读频...... 3/75\n注意: 请设置串口\n"
            "\r正在读频...... 6/75\n");
  EXPECT_EQ(play(events, {false, {}}).err, "注意: 请设置串口\n");
}

TEST(ConsolePlayer, MonitorPacketsPrintTheirDataOnTheOutput) {
  const std::vector<Event> packets = {
      MonitorPacket{{1, 40, 0x01, 0x2C, 0x00, 0x05, 9}},
      MonitorPacket{{7, 1, 2, 3}},  // no monitor packet: nothing
      MonitorPacket{{2, 1, 0x03, 0xE8}},
  };
  const Console monitor = play(packets, {false, monitor_line});
  EXPECT_EQ(monitor.out, "40 300 5 9\n1000 1\n");
  EXPECT_EQ(monitor.err, "");
}

}  // namespace
}  // namespace m27
