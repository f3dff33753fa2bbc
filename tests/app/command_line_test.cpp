#include "app/command_line.h"

#include <gtest/gtest.h>

#include "support/qstring_printer.h"

namespace m27 {
namespace {

Result<CommandLine> parse(std::initializer_list<const char*> words) {
  QStringList args;
  for (const char* word : words) args << QString::fromUtf8(word);
  return parse_command_line(args);
}

TEST(CommandLine, SplitsThePortsTheSwitchesAndTheCommand) {
  struct Case {
    std::initializer_list<const char*> words;
    std::vector<PortAssignment> ports;  // only a --port before the command maps a port
    bool fake_radio;                    // --fake-radio counts after a command too
    bool help;
    const char* subcommand;
    QStringList subcommand_args;
    const char* trace = "";
  };
  const Case kCases[] = {
      {{}, {}, false, false, "", {}},  // the window
      {{"--port", "com1=/dev/ttyUSB0", "--port=com3=/dev/ttyS2", "--port", "com1=/dev/pts/7"},
       {{1, "/dev/ttyUSB0"}, {3, "/dev/ttyS2"}, {1, "/dev/pts/7"}},
       false,
       false,
       "",
       {}},
      {{"-h"}, {}, false, true, "", {}},
      {{"--port", "com2=/dev/ttyS1", "rssi", "table.m27", "--verbose", "--fake-radio", "--port",
        "com3", "--port=/dev/pts/7"},
       {{2, "/dev/ttyS1"}},
       true,
       false,
       "rssi",
       {"table.m27", "--verbose", "--port", "com3", "--port=/dev/pts/7"}},
      {{"id", "--help"}, {}, false, true, "id", {}},
      {{"--trace", "t.log", "read"}, {}, false, false, "read", {}, "t.log"},
      {{"--trace=t.log"}, {}, false, false, "", {}, "t.log"},  // the window
      // after a command --trace is the command's own (and refused there)
      {{"ports", "--trace", "t.log"}, {}, false, false, "ports", {"--trace", "t.log"}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(::testing::Message() << "case " << &c - kCases);
    const auto line = parse(c.words);
    ASSERT_TRUE(line.ok()) << line.reason();
    EXPECT_EQ(line->ports, c.ports);
    EXPECT_EQ(line->fake_radio, c.fake_radio);
    EXPECT_EQ(line->help, c.help);
    EXPECT_EQ(line->subcommand, QString::fromLatin1(c.subcommand));
    EXPECT_EQ(line->subcommand_args, c.subcommand_args);
    EXPECT_EQ(line->trace, QString::fromLatin1(c.trace));
  }
}

TEST(CommandLine, NamesTheFileTheWindowOpensOn) {
  const auto line = parse({"--fake-radio", "/home/dealer/SHOP.M27"});
  ASSERT_TRUE(line.ok()) << line.reason();
  EXPECT_EQ(line->file, QStringLiteral("/home/dealer/SHOP.M27"));
  EXPECT_TRUE(line->subcommand.isEmpty());
}

TEST(CommandLine, RefusesWhatItDoesNotKnow) {
  const std::initializer_list<const char*> kBad[] = {
      {"--port"},                   // the device is missing
      {"--port", "com0=/dev/tty"},  // no port 0 in the menu
      {"--port", "/dev/ttyUSB0"},   // before a command a port needs its number
      {"--verbose"},                // no such option
      {"erase"},                    // no such command
      {"-platform", "offscreen"},   // Qt's own options are not taken
      {"a.m27", "b.m27"},           // the window opens one file
      {"a.m27", "read"},            // a file for the window cannot go with a command
      {"--trace"},                  // the file is missing
  };
  for (const auto& words : kBad) EXPECT_FALSE(parse(words).ok()) << *words.begin();
}

TEST(CommandLine, UsageNamesEveryOptionAndCommand) {
  const QString text = usage();
  for (const char* word : {"--port comN=DEVICE", "--fake-radio", "--help", "--trace FILE",
                           "--version", "read", "write", "id", "monitor", "rssi", "csv", "ports"}) {
    EXPECT_TRUE(text.contains(QString::fromLatin1(word))) << word;
  }
}

}  // namespace
}  // namespace m27
