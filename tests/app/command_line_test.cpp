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

TEST(CommandLine, NoArgumentsOpenTheWindow) {
  const auto line = parse({});
  ASSERT_TRUE(line.ok());
  EXPECT_TRUE(line->subcommand.isEmpty());
  EXPECT_FALSE(line->fake_radio);
  EXPECT_FALSE(line->help);
  EXPECT_TRUE(line->ports.empty());
}

TEST(CommandLine, CollectsPortsInTheirOrder) {
  const auto line =
      parse({"--port", "com1=/dev/ttyUSB0", "--port=com3=/dev/ttyS2", "--port", "com1=/dev/pts/7"});
  ASSERT_TRUE(line.ok()) << line.reason();
  const std::vector<PortAssignment> expected = {
      {1, "/dev/ttyUSB0"}, {3, "/dev/ttyS2"}, {1, "/dev/pts/7"}};
  EXPECT_EQ(line->ports, expected);
}

TEST(CommandLine, ReadsTheSwitches) {
  struct Case {
    const char* word;
    bool fake_radio;
    bool help;
  };
  const Case kCases[] = {
      {"--fake-radio", true, false},
      {"--help", false, true},
      {"-h", false, true},
  };
  for (const auto& c : kCases) {
    const auto line = parse({c.word});
    ASSERT_TRUE(line.ok()) << c.word;
    EXPECT_EQ(line->fake_radio, c.fake_radio) << c.word;
    EXPECT_EQ(line->help, c.help) << c.word;
  }
}

TEST(CommandLine, ACommandTakesWhatFollowsIt) {
  for (const char* command : {"read", "write", "id", "monitor", "rssi"}) {
    const auto line = parse({"--port", "com2=/dev/ttyS1", command, "table.m27", "--verbose",
                             "--fake-radio", "--port", "com3", "--port=/dev/pts/7"});
    ASSERT_TRUE(line.ok()) << command;
    EXPECT_EQ(line->subcommand, QString::fromLatin1(command));
    EXPECT_EQ(line->subcommand_args,
              (QStringList{"table.m27", "--verbose", "--port", "com3", "--port=/dev/pts/7"}))
        << command;
    EXPECT_TRUE(line->fake_radio) << "--fake-radio counts after a command too";
    const std::vector<PortAssignment> before = {{2, "/dev/ttyS1"}};
    EXPECT_EQ(line->ports, before) << "only a --port before the command maps a port";
  }
}

TEST(CommandLine, AfterACommandEvenAnAssignmentIsTheCommands) {
  const auto line = parse({"read", "--port", "com1=/dev/ttyUSB0", "a.m27"});
  ASSERT_TRUE(line.ok());
  EXPECT_TRUE(line->ports.empty());
  EXPECT_EQ(line->subcommand_args, (QStringList{"--port", "com1=/dev/ttyUSB0", "a.m27"}));
}

TEST(CommandLine, HelpAfterACommandKeepsTheCommand) {
  const auto line = parse({"id", "--help"});
  ASSERT_TRUE(line.ok());
  EXPECT_TRUE(line->help);
  EXPECT_EQ(line->subcommand, QStringLiteral("id"));
}

TEST(CommandLine, RefusesWhatItDoesNotKnow) {
  const std::initializer_list<const char*> kBad[] = {
      {"--port"},                   // the device is missing
      {"--port", "com0=/dev/tty"},  // no port 0 in the menu
      {"--port", "/dev/ttyUSB0"},   // before a command a port needs its number
      {"--port=com3"},              // no device
      {"--verbose"},                // no such option
      {"erase"},                    // no such command
      {"-platform", "offscreen"},   // Qt's own options are not taken
  };
  for (const auto& words : kBad) {
    const auto line = parse(words);
    EXPECT_FALSE(line.ok()) << *words.begin();
  }
}

TEST(CommandLine, UsageNamesEveryOptionAndCommand) {
  const QString text = usage();
  for (const char* word :
       {"--port comN=DEVICE", "--fake-radio", "--help", "read", "write", "id", "monitor", "rssi"}) {
    EXPECT_TRUE(text.contains(QString::fromLatin1(word))) << word;
  }
}

}  // namespace
}  // namespace m27
