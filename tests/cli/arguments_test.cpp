#include "cli/arguments.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "cli/ports_command.h"
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
      {"read", {"a.m27", "--port=com3"}, false, ReadArgs{kCom3, "a.m27"}},
      {"read", {"a.m27"}, true, ReadArgs{kCom1, "a.m27"}},
      {"read", {"--port", "COM16", "表.m27"}, false, ReadArgs{{{}, 16}, "表.m27"}},
      {"read", {"--no-backup", "a.m27"}, true, ReadArgs{kCom1, "a.m27", false}},
      {"write", {"table.m27", "--verify"}, true, WriteArgs{kCom1, "table.m27", true}},
      {"verify", {"--port", "com3", "a.m27"}, false, VerifyArgs{kCom3, "a.m27"}},
      {"diff", {"a.m27", "b.m27"}, false, DiffArgs{"a.m27", "b.m27"}},
      {"id", {"--port", "/dev/ttyUSB0", "read"}, false, IdReadArgs{kUsb}},
      {"id", {"--start=0", "write", "--count", "2"}, true, IdWriteArgs{kCom1, "0", 2}},
      {"monitor", {"rssi", "--port", "com3"}, false, MonitorArgs{kCom3, MonitorKind::Rssi}},
      {"monitor", {"battery"}, true, MonitorArgs{kCom1, MonitorKind::Battery}},
      // Checked later, as the dialog checks its fields.
      {"rssi", {"adjust", "300", "x"}, true, RssiAdjustArgs{kCom1, "300", "x"}},
      {"csv",
       {"export", "a.m27", "a.csv"},
       false,
       CsvExportArgs{CsvLayout::Grid, "a.m27", "a.csv"}},
      {"csv",
       {"export", "--layout=generic", "a.m27", "a.csv"},
       false,
       CsvExportArgs{CsvLayout::Generic, "a.m27", "a.csv"}},
      {"csv",
       {"import", "a.csv", "--into", "base.m27", "b.m27"},
       false,
       CsvImportArgs{"base.m27", "a.csv", "b.m27"}},
      {"ports", {}, false, PortsArgs{}},
  };
  for (const auto& c : kCases) {
    const auto parsed = parse_cli_command(QString::fromUtf8(c.name), words(c.args), c.fake_radio);
    ASSERT_TRUE(parsed.ok()) << c.name << " " << words(c.args).join(' ').toStdString() << ": "
                             << parsed.reason();
    EXPECT_TRUE(*parsed == c.expected) << c.name << " " << words(c.args).join(' ').toStdString();
  }
}

TEST(CliArguments, RefusesBadUsageAndTellsWhy) {
  struct Case {
    const char* name;
    std::initializer_list<const char*> args;
    const char* reason;  // a part of what it says
  };
  const Case kBad[] = {
      {"read", {"--port", "/dev/x"}, ""},                       // no FILE
      {"read", {"a.m27"}, "--port DEV"},                        // no port and no fake radio
      {"read", {"--port", "com17", "a.m27"}, "com1 to com16"},  // and end at com16
      {"read", {"--port", "com1=/dev/x", "a.m27"}, "belongs before the command"},
      {"read", {"--port", "/dev/x", "--port=com2", "a.m27"}, ""},  // which of the two ports?
      {"read", {"--port", "/dev/x", "--verify", "a.m27"}, ""},     // --verify is write's
      {"diff", {"a.m27", "b.m27", "c.m27"}, "c.m27"},              // two files at a time
      {"id", {"--port", "/dev/x"}, ""},                            // neither read nor write
      {"id", {"write", "--port", "/dev/x"}, "--start"},            // no first ID
      {"id", {"write", "--port", "/dev/x", "--start", "1", "--count", "0"}, ""},  // no radio
      {"monitor", {"--port", "/dev/x"}, "rssi, battery"},                         // which stream?
      {"rssi", {"adjust", "--port", "/dev/x", "42"}, ""},                         // WIDE is missing
      {"erase", {"--port", "/dev/x"}, ""},                                        // no such command
      {"csv", {"export", "a.m27"}, "IN.m27 and OUT.csv"},
      {"csv", {"export", "--layout", "chirp", "a.m27", "a.csv"}, "grid or generic"},
      {"csv", {"export", "--into", "b.m27", "a.m27", "a.csv"}, "csv import"},
      {"csv", {"import", "--layout", "grid", "a.csv", "b.m27"}, "csv export"},
      {"ports", {"com1"}, "unexpected argument com1"},
  };
  for (const auto& c : kBad) {
    const auto parsed = parse_cli_command(QString::fromUtf8(c.name), words(c.args), false);
    ASSERT_FALSE(parsed.ok()) << c.name << " " << words(c.args).join(' ').toStdString();
    EXPECT_NE(parsed.reason().find(c.reason), std::string::npos) << parsed.reason();
  }
}

TEST(CliPorts, ALineSaysWhatIsKnown) {
  const PortDescription usb{2,      "/dev/ttyUSB0", "CP2102 USB to UART", "Silicon Labs", 0x10c4,
                            0xea60, "0001",         PortState::Busy};
  EXPECT_EQ(
      port_line(usb),
      "com2  /dev/ttyUSB0  CP2102 USB to UART, Silicon Labs, USB 10c4:ea60, serial 0001, busy");
  const PortDescription bare{16, "/dev/ttyS0", {}, {}, 0x0403, {}, {}, PortState::NoPermission};
  EXPECT_EQ(port_line(bare), "com16  /dev/ttyS0  no permission");  // half an ID says nothing
}

}  // namespace
}  // namespace m27
