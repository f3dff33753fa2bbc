// SPDX-License-Identifier: GPL-3.0-or-later
// What the console shows of a transfer on a terminal and of a monitor stream: the events of the
// real operations, run against the fake radio in virtual time, in; the exact text of both streams
// out. (Without a terminal, the command-line end-to-end tests show every line.)

#include "cli/console_player.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <sstream>

#include "cli/data_lines.h"
#include "fake-radio/radio.h"
#include "i18n/translators.h"
#include "link/requests.h"
#include "unit/virtual_pair.h"

namespace m27 {
namespace {

using namespace m27::testing;

using Streams = std::pair<std::string, std::string>;  // out, err

Streams play(const std::vector<Event>& events, ConsoleOptions options) {
  std::ostringstream out, err;
  ConsolePlayer player(out, err, std::move(options));
  for (const Event& e : events) player.play(e);
  return {out.str(), err.str()};
}

// "\r<label> 0/<end>\r<label> <step>/<end> ... \r<label> <last>/<end>"
std::string progress_line(const std::string& label, int end, int step, int last) {
  std::string line;
  for (int value = 0; value <= last; value += step)
    line += "\r" + label + " " + std::to_string(value) + "/" + std::to_string(end);
  return line;
}

TEST(ConsolePlayer, TransfersPrintTheWindowsMessagesAndProgressOnATerminal) {
  const fake::Fault kSilentAfterSix{fake::Fault::Kind::kSilentAfter, 6};
  const std::string kNoAnswer = "\n通讯失败，请检查对讲机是否进入写频模式\n";
  struct Case {
    bool write;
    fake::Fault fault;
    std::string err;
  };
  const Case kCases[] = {
      {false, {}, progress_line("正在读频......", 75, 3, 75) + "\n读频完成: 读写完成\n"},
      // The option record and five channels arrive: 15 of 75.
      {false, kSilentAfterSix,
       progress_line("正在读频......", 75, 3, 15) + kNoAnswer + "读频出错: 读频出错\n"},
      {true, {}, progress_line("正在写频......", 156, 6, 156) + "\n写频完成: 写频完成\n"},
      // Six records in the radio, the rest not.
      {true, kSilentAfterSix,
       progress_line("正在写频......", 156, 6, 36) + kNoAnswer +
           "对讲机中的数据可能不完整，请重新写频\n"},
  };
  for (const auto& c : kCases) {
    fake::Radio radio(fake::default_memory(), {false, std::chrono::milliseconds(30), c.fault});
    VirtualPair pair(radio);
    pair.start(transfer(c.write, startup_sheet()));
    pair.run(10min);
    EXPECT_EQ(play(pair.events, {true, {}}), Streams("", c.err)) << c.write;
  }
}

// The link's words in the language in use: as written under the C locale, English under English.
TEST(ConsolePlayer, TheEndOfASequenceEndsItsProgressLineAndDataGoesToTheOutput) {
  const std::vector<Event> events = {
      Began{Exchange::Read},
      Progress{0, 75},
      Progress{3, 75},
      Finished{Ending::ReadError, {set_the_port(), untitled(no_answer())}},
  };
  const struct {
    Language language;
    std::string progress, messages;
  } kCases[] = {
      {Language::AsWritten, "\r正在读频...... 0/75\r正在读频...... 3/75\n",
       "注意: 请设置串口\n通讯失败，请检查对讲机是否进入写频模式\n"},
      {Language::English, "\rReading radio... 0/75\rReading radio... 3/75\n",
       "Attention: Please set the serial port\n"
       "Communication failed. Check that the radio is in programming mode.\n"},
  };
  for (const auto& c : kCases) {
    use_language(*QCoreApplication::instance(), c.language, Face::CommandLine);
    EXPECT_EQ(play(events, {true, {}}).second, c.progress + c.messages);
    EXPECT_EQ(play(events, {false, {}}).second, c.messages);
  }
  use_language(*QCoreApplication::instance(), Language::AsWritten, Face::CommandLine);
  const std::vector<Event> packets = {
      MonitorPacket{{0x44, {1, 40, 0x01, 0x2C, 0x00, 0x05, 9}}},
      MonitorPacket{{0x44, {7, 1, 2, 3}}},  // no monitor packet: nothing
      MonitorPacket{{0x44, {2, 1, 0x03, 0xE8}}},
  };
  EXPECT_EQ(play(packets, {false, monitor_line}), Streams("40 300 5 9\n1000 1\n", ""));
}

}  // namespace
}  // namespace m27
