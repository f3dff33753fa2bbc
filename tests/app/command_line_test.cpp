// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <gtest/gtest.h>

namespace m27 {
namespace {

// What the program makes of `words`, in one line: the parts it found, or why it refused them.
std::string outcome(const QStringList& words) {
  const auto line = parse_command_line(words);
  if (!line.ok()) return "refused: " + line.reason();
  QStringList parts;
  for (const auto& port : line->ports)
    parts << QStringLiteral("com%1=%2").arg(port.port_no).arg(port.device);
  if (line->fake_radio) parts << QStringLiteral("fake radio");
  if (line->help) parts << QStringLiteral("help");
  if (line->version) parts << QStringLiteral("version");
  if (!line->trace.isEmpty()) parts << "trace " + line->trace;
  if (!line->file.isEmpty()) parts << "window on " + line->file;
  if (!line->subcommand.isEmpty())
    parts << (QStringList{line->subcommand} + line->subcommand_args).join(' ');
  return parts.join(QLatin1String(", ")).toStdString();
}

// A trace before a command and an unknown command run end to end.
TEST(CommandLine, SplitsThePortsTheSwitchesAndTheCommandOrSaysWhatIsWrong) {
  struct Case {
    QStringList words;
    std::string expected;
  };
  const Case kCases[] = {
      {{}, ""},  // the window
      {{"--port", "com1=/dev/ttyUSB0", "--port=com3=/dev/ttyS2", "--port", "com1=/dev/pts/7"},
       "com1=/dev/ttyUSB0, com3=/dev/ttyS2, com1=/dev/pts/7"},
      {{"-h", "--version"}, "help, version"},
      // After the command everything but the three switches is the command's own.
      {{"--port", "com2=/dev/ttyS1", "rssi", "t.m27", "--help", "--fake-radio", "--port", "com3",
        "--trace", "t.log"},
       "com2=/dev/ttyS1, fake radio, help, rssi t.m27 --port com3 --trace t.log"},
      {{"--trace=t.log", "--fake-radio", "/home/dealer/SHOP.M27"},
       "fake radio, trace t.log, window on /home/dealer/SHOP.M27"},
      {{"--port"}, "refused: --port needs comN=DEVICE"},
      {{"--port", "com0=/dev/tty"},  // no port 0 in the menu
       "refused: --port com0=/dev/tty: expected comN=DEVICE with N from 1 to 16"},
      {{"--trace"}, "refused: --trace needs a value"},
      {{"--trace="}, "refused: --trace needs a file"},
      {{"-platform", "offscreen"}, "refused: unknown option -platform"},  // not Qt's own options
      {{"a.m27", "b.m27"}, "refused: the window opens one file"},
      {{"a.m27", "read"}, "refused: a.m27 opens in the window; it cannot go with a command"},
  };
  for (const auto& c : kCases)
    EXPECT_EQ(outcome(c.words), c.expected) << c.words.join(' ').toStdString();
}

}  // namespace
}  // namespace m27
