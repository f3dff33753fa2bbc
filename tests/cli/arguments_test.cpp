#include "cli/arguments.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "support/qstring_printer.h"

namespace m27 {
namespace {

QStringList words(std::initializer_list<const char*> list) {
  QStringList args;
  for (const char* word : list) args << QString::fromUtf8(word);
  return args;
}

const PortChoice kUsb{"/dev/ttyUSB0", 0};
const PortChoice kCom1{{}, 1};
const PortChoice kCom3{{}, 3};

TEST(CliArguments, ParsesEveryCommand) {
  struct Case {
    const char* name;
    std::initializer_list<const char*> args;
    bool fake_radio;
    CliCommand expected;
  };
  const Case kCases[] = {
      {"read", {"--port", "/dev/ttyUSB0", "a.m27"}, false, ReadArgs{kUsb, "a.m27"}},
      {"read", {"a.m27", "--port=com3"}, false, ReadArgs{kCom3, "a.m27"}},
      {"read", {"a.m27"}, true, ReadArgs{kCom1, "a.m27"}},
      {"read", {"--port", "/dev/ttyUSB0", "a.m27"}, true, ReadArgs{kUsb, "a.m27"}},
      {"read", {"--port", "COM16", "表.m27"}, false, ReadArgs{{{}, 16}, "表.m27"}},
      {"read", {"--port", "/dev/pts/4", "-"}, false, ReadArgs{{"/dev/pts/4", 0}, "-"}},
      {"write", {"--port", "com1", "table.m27"}, false, WriteArgs{kCom1, "table.m27"}},
      {"write", {"table.m27"}, true, WriteArgs{kCom1, "table.m27"}},
      {"id", {"read", "--port", "com3"}, false, IdReadArgs{kCom3}},
      {"id", {"--port", "/dev/ttyUSB0", "read"}, false, IdReadArgs{kUsb}},
      {"id", {"write", "--port", "com1", "--start", "100"}, false, IdWriteArgs{kCom1, "100", 1}},
      {"id", {"--start=0", "write", "--count", "2"}, true, IdWriteArgs{kCom1, "0", 2}},
      // The ID field's own check refuses it later, with the dialog's message.
      {"id",
       {"write", "--port", "com1", "--start", "9999999999"},
       false,
       IdWriteArgs{kCom1, "9999999999", 1}},
      {"monitor", {"rssi", "--port", "com3"}, false, MonitorArgs{kCom3, MonitorKind::Rssi}},
      {"monitor", {"battery"}, true, MonitorArgs{kCom1, MonitorKind::Battery}},
      {"rssi", {"read", "--port", "/dev/ttyUSB0"}, false, RssiReadArgs{kUsb}},
      {"rssi", {"adjust", "--port", "com1", "42", "40"}, false, RssiAdjustArgs{kCom1, "42", "40"}},
      // Checked later, as the dialog checks its fields.
      {"rssi", {"adjust", "300", "x"}, true, RssiAdjustArgs{kCom1, "300", "x"}},
  };
  for (const auto& c : kCases) {
    const auto parsed = parse_cli_command(QString::fromUtf8(c.name), words(c.args), c.fake_radio);
    ASSERT_TRUE(parsed.ok()) << c.name << " " << words(c.args).join(' ').toStdString() << ": "
                             << parsed.reason();
    EXPECT_TRUE(*parsed == c.expected) << c.name << " " << words(c.args).join(' ').toStdString();
  }
}

TEST(CliArguments, RefusesBadUsage) {
  struct Case {
    const char* name;
    std::initializer_list<const char*> args;
  };
  const Case kBad[] = {
      {"read", {"--port", "/dev/x"}},                           // no FILE
      {"read", {"--port", "/dev/x", "a.m27", "b.m27"}},         // two files
      {"read", {"a.m27"}},                                      // no port and no fake radio
      {"read", {"a.m27", "--port"}},                            // --port without its value
      {"read", {"--port", "", "a.m27"}},                        // an empty device
      {"read", {"--port", "com0", "a.m27"}},                    // the ports start at com1
      {"read", {"--port", "com17", "a.m27"}},                   // and end at com16
      {"read", {"--port", "com1=/dev/x", "a.m27"}},             // an assignment goes before read
      {"read", {"--port", "/dev/x", "--port=com2", "a.m27"}},   // which of the two ports?
      {"read", {"--port", "/dev/x", "--start", "1", "a.m27"}},  // --start is id write's
      {"write", {"--port", "/dev/x", "-v", "a.m27"}},           // no such option
      {"write", {"--port", "/dev/x"}},                          // no FILE
      {"id", {"--port", "/dev/x"}},                             // neither read nor write
      {"id", {"erase", "--port", "/dev/x"}},                    // no such id command
      {"id", {"read", "--port", "/dev/x", "extra"}},            // read takes no value
      {"id", {"read", "--port", "/dev/x", "--start", "5"}},     // --start belongs to write
      {"id", {"read", "--port", "/dev/x", "--count", "5"}},     // so does --count
      {"id", {"write", "--port", "/dev/x"}},                    // no first ID
      {"id", {"write", "--port", "/dev/x", "--start"}},         // --start without its value
      {"id", {"write", "--port", "/dev/x", "--start", "1", "--count", "0"}},    // no radio
      {"id", {"write", "--port", "/dev/x", "--start", "1", "--count", "-3"}},   // fewer still
      {"id", {"write", "--port", "/dev/x", "--start", "1", "--count", "+2"}},   // a sign
      {"id", {"write", "--port", "/dev/x", "--start", "1", "--count", "two"}},  // no number
      {"id", {"write", "--start", "1"}},                                        // no port
      {"monitor", {"--port", "/dev/x"}},                                        // which stream?
      {"monitor", {"audio", "--port", "/dev/x"}},                               // no such stream
      {"monitor", {"rssi", "battery", "--port", "/dev/x"}},        // one stream at a time
      {"rssi", {"--port", "/dev/x"}},                              // neither read nor adjust
      {"rssi", {"read", "--port", "/dev/x", "42"}},                // read takes no value
      {"rssi", {"adjust", "--port", "/dev/x", "42"}},              // WIDE is missing
      {"rssi", {"adjust", "--port", "/dev/x", "42", "40", "38"}},  // a third value
      {"rssi", {"adjust", "42", "40"}},                            // no port
      {"erase", {"--port", "/dev/x"}},                             // no such command
  };
  for (const auto& c : kBad) {
    const auto parsed = parse_cli_command(QString::fromUtf8(c.name), words(c.args), false);
    EXPECT_FALSE(parsed.ok()) << c.name << " " << words(c.args).join(' ').toStdString();
  }
}

TEST(CliArguments, TellsWhatIsWrong) {
  struct Case {
    const char* name;
    std::initializer_list<const char*> args;
    const char* reason;
  };
  const Case kCases[] = {
      {"read", {"a.m27"}, "--port DEV"},
      {"read", {"--port", "com1=/dev/x", "a.m27"}, "belongs before the command"},
      {"read", {"--port", "com17", "a.m27"}, "com1 to com16"},
      {"id", {"write", "--port", "/dev/x"}, "--start"},
      {"monitor", {"--port", "/dev/x"}, "rssi, battery"},
  };
  for (const auto& c : kCases) {
    const auto parsed = parse_cli_command(QString::fromUtf8(c.name), words(c.args), false);
    ASSERT_FALSE(parsed.ok());
    EXPECT_NE(parsed.reason().find(c.reason), std::string::npos) << parsed.reason();
  }
}

}  // namespace
}  // namespace m27
