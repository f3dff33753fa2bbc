// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/arguments.h"

#include <gtest/gtest.h>

#include "link/qt/port_description.h"

namespace m27 {
namespace {

// `command`: the command's name and its arguments, separated by blanks.
Result<CliCommand> parse(const char* command, bool fake_radio) {
  QStringList words = QString::fromUtf8(command).split(QLatin1Char(' '), Qt::SkipEmptyParts);
  const QString name = words.takeFirst();
  return parse_cli_command(name, words, fake_radio);
}

const PortChoice kUsb{"/dev/ttyUSB0", 0};
const PortChoice kCom1{{}, 1};
const PortChoice kCom3{{}, 3};

// The forms of each command; every command also runs end to end.
TEST(CliArguments, ParsesEveryCommand) {
  struct Case {
    const char* command;
    bool fake_radio;  // a command without --port then uses com1
    CliCommand expected;
  };
  const Case kCases[] = {
      {"read --port=COM16 表.m27", false, ReadArgs{{{}, 16}, "表.m27"}},
      {"read --no-backup a.m27", true, ReadArgs{kCom1, "a.m27", false}},
      {"write table.m27 --verify", true, WriteArgs{kCom1, "table.m27", true}},
      {"verify --port com3 a.m27", false, VerifyArgs{kCom3, "a.m27"}},
      {"id --port /dev/ttyUSB0 read", false, IdReadArgs{kUsb}},
      {"id --start=0 write --count 2", true, IdWriteArgs{kCom1, "0", 2}},
      {"monitor rssi --port com3", false, MonitorArgs{kCom3, MonitorKind::Rssi}},
      {"monitor battery --csv b.csv", true, MonitorArgs{kCom1, MonitorKind::Battery, "b.csv"}},
      // Checked later, as the dialog checks its fields.
      {"rssi adjust 300 x", true, RssiAdjustArgs{kCom1, "300", "x"}},
      {"csv export a.m27 a.csv", false, CsvExportArgs{CsvLayout::Grid, "a.m27", "a.csv"}},
      {"csv export --layout=generic a.m27 a.csv", false,
       CsvExportArgs{CsvLayout::Generic, "a.m27", "a.csv"}},
      {"csv import a.csv --into base.m27 b.m27", false,
       CsvImportArgs{"base.m27", "a.csv", "b.m27", {}}},
      {"csv import --skip-unfit --rows=2..26 a.csv b.m27", false,
       CsvImportArgs{"", "a.csv", "b.m27", {CsvRowRange{2, 26}, true}}},
      {"check", true, CheckArgs{}},  // com1, or a search when com1 maps to nothing
      {"check --find --all", false, CheckArgs{std::nullopt, true, true}},
      {"check --port com3", false, CheckArgs{kCom3, false}},
      {"series t.m27 --ids 0..4294967295", false, SeriesArgs{"t.m27", 0, 4294967295u, {kCom1}}},
      {"series --port com3 --keep-id t.m27 --ids=7..9 --port /dev/ttyUSB0 --log l.csv --new-log "
       "--count 2 --report r.html",
       false, SeriesArgs{"t.m27", 7, 9, {kCom3, kUsb}, true, "l.csv", true, 2, "r.html"}},
  };
  for (const auto& c : kCases) {
    const auto parsed = parse(c.command, c.fake_radio);
    ASSERT_TRUE(parsed.ok()) << c.command << ": " << parsed.reason();
    EXPECT_TRUE(*parsed == c.expected) << c.command;
  }
}

TEST(CliArguments, RefusesBadUsageAndTellsWhy) {
  struct Case {
    const char* command;
    const char* reason;  // a part of what it says
  };
  const Case kBad[] = {
      {"read --port /dev/x", "FILE is missing"},
      {"read a.m27", "which port? give --port DEV"},  // no port and no fake radio
      {"read --port com17 a.m27", "--port com17: the ports are com1 to com16"},
      {"read --port com1=/dev/x a.m27", "belongs before the command"},
      {"read --port /dev/x --port=com2 a.m27", "--port is given twice"},
      {"read --port /dev/x --verify a.m27", "unknown option --verify"},  // write's own
      {"diff a.m27 b.m27 c.m27", "unexpected argument c.m27"},
      {"id --port /dev/x", "id needs one of: read, write"},
      {"id write --port /dev/x", "id write needs --start N"},
      {"id write --port /dev/x --start 1 --count 0", "--count 0: expected a number of radios"},
      {"monitor --port /dev/x", "monitor needs one of: rssi, battery, stop"},
      {"monitor stop --port /dev/x --csv s.csv", "--csv belongs to monitor rssi and monitor"},
      {"rssi adjust --port /dev/x 42", "rssi adjust needs NARROW and WIDE"},
      {"csv export a.m27", "needs IN.m27 and OUT.csv"},
      {"csv export --layout chirp a.m27 a.csv", "--layout chirp: expected grid or generic"},
      {"csv export --into b.m27 a.m27 a.csv", "--into belongs to csv import"},
      {"csv import --layout grid a.csv b.m27", "--layout belongs to csv export"},
      {"csv export --skip-unfit a.m27 a.csv", "--skip-unfit belongs to csv import"},
      {"csv import --rows 3 a.csv b.m27", "--rows 3: expected FIRST..LAST"},
      {"csv import --rows 0..3 a.csv b.m27", "--rows 0..3: expected FIRST..LAST"},
      {"csv import --rows 5..4 a.csv b.m27", "--rows 5..4: expected FIRST..LAST"},
      {"csv import --rows 1..26 a.csv b.m27", "--rows 1..26: at most 25 rows"},
      {"ports com1", "unexpected argument com1"},
      {"check --find --port com1", "--find searches every port; --port checks one"},
      {"check com1", "unexpected argument com1"},
      {"check --all", "--all goes with --find"},
      {"series t.m27", "series needs --ids FIRST..LAST"},
      {"series t.m27 --ids 5000", "--ids 5000: expected FIRST..LAST"},
      {"series t.m27 --ids 1..4294967296", "the IDs go from 0 to 4294967295"},
      {"series t.m27 --ids 1..2 --log=", "--log needs a file"},
      {"series t.m27 --ids 1..2 --report=", "--report needs a file"},
      {"series --ids 1..2", "needs TEMPLATE.m27"},
  };
  for (const auto& c : kBad) {
    const auto parsed = parse(c.command, false);
    ASSERT_FALSE(parsed.ok()) << c.command;
    EXPECT_NE(parsed.reason().find(c.reason), std::string::npos) << parsed.reason();
  }
}

TEST(CliPorts, ALineSaysWhatIsKnownAndNamesACablesChip) {
  const PortDescription usb{2,      "/dev/ttyUSB0", "CP2102 USB to UART", "Silicon Labs", 0x10c4,
                            0xea60, "0001",         PortState::Busy};
  EXPECT_EQ(port_line(usb),
            "com2  /dev/ttyUSB0  CP2102 USB to UART, Silicon Labs, USB 10c4:ea60 (Silicon Labs "
            "CP210x), serial 0001, busy");
  const std::tuple<quint16, quint16, const char*> kChips[] = {
      {0x0403, 0x6001, "FTDI FT232"},
      {0x067b, 0x2303, "Prolific PL2303"},
      {0x1a86, 0x7523, "WCH CH340"},
      {0x10c4, 0xea60, "Silicon Labs CP210x"},
      {0x0403, 0x6015, ""},  // FTDI, but not the FT232R of the cables
      {0x2303, 0x067b, ""}};
  for (const auto& [vendor, product, chip] : kChips) EXPECT_EQ(cable_chip(vendor, product), chip);
  const PortDescription bare{16, "/dev/ttyS0", {}, {}, 0x0403, {}, {}, PortState::NoPermission};
  EXPECT_EQ(port_line(bare), "com16  /dev/ttyS0  no permission");  // half an ID says nothing
}

}  // namespace
}  // namespace m27
