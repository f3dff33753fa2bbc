// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/qt/port_map.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "link/qt/serial_devices.h"

namespace m27 {
namespace {

// "1=/dev/ttyS0 2=/dev/ttyS1": the ports from 0 to 17 that have a device.
std::string ports_of(const PortMap& map) {
  QStringList ports;
  for (int port_no = 0; port_no <= 17; ++port_no) {
    if (!map.device(port_no).isEmpty())
      ports << QStringLiteral("%1=%2").arg(port_no).arg(map.device(port_no));
  }
  return ports.join(QLatin1Char(' ')).toStdString();
}

TEST(PortMap, NumbersUsbAdaptersFirstThenTheRestUpToSixteenUnlessAssigned) {
  EXPECT_EQ(
      ports_of(
          PortMap::from_devices({"/dev/ttyS10", "/dev/ttyUSB1", "/dev/ttyS0", "/dev/ttyACM0",
                                 "/dev/ttyS2", "/dev/ttyUSB0", "/dev/ttyUSB10", "/dev/ttyS1"})),
      "1=/dev/ttyACM0 2=/dev/ttyUSB0 3=/dev/ttyUSB1 4=/dev/ttyUSB10 5=/dev/ttyS0 6=/dev/ttyS1 "
      "7=/dev/ttyS2 8=/dev/ttyS10");
  QStringList twenty;
  for (int i = 0; i < 20; ++i) twenty << QStringLiteral("/dev/ttyS%1").arg(i);
  EXPECT_TRUE(ports_of(PortMap::from_devices(twenty)).ends_with(" 16=/dev/ttyS15"));
  // An assignment inside the menu replaces the default.
  PortMap map = PortMap::from_devices({"/dev/ttyS0", "/dev/ttyS1"});
  map.set({1, "/dev/ttyUSB7"});
  map.set({9, "/dev/pts/4"});
  map.set({0, "/dev/ttyS9"});  // outside the menu: no port
  map.set({17, "/dev/ttyS9"});
  EXPECT_EQ(ports_of(map), "1=/dev/ttyUSB7 2=/dev/ttyS1 9=/dev/pts/4");
}

// A port a command names by its device never costs a look at the system's ports.
TEST(PortMap, ListsTheSystemsPortsOnlyForAPortNoAssignmentNamesAndOnlyOnce) {
  int listings = 0;
  PortMap map = PortMap::listed_by([&] {
    ++listings;
    return QStringList{"/dev/ttyS0", "/dev/ttyUSB0"};
  });
  map.set({1, "/dev/pts/3"});
  EXPECT_EQ(map.device(1), "/dev/pts/3");
  EXPECT_EQ(listings, 0);
  const PortMap copy = map;
  EXPECT_EQ(copy.device(2), "/dev/ttyS0");
  EXPECT_EQ(map.device(3) + map.device(2), "/dev/ttyS0");
  EXPECT_EQ(listings, 1);
}

// A command numbers the ports by the quick scan, the port menu and `m27 ports` by Qt's listing.
TEST(PortMap, TheQuickScanNumbersThisMachinesPortsAsQtsListingDoes) {
  EXPECT_EQ(ports_of(PortMap::from_system(PortScan::Quick)),
            ports_of(PortMap::from_system(PortScan::Full)));
}

TEST(PortMap, TheQuickScanTakesTtysWithADeviceBehindThemAndBluetoothPorts) {
  namespace fs = std::filesystem;
  const QTemporaryDir dir;
  const fs::path root = dir.path().toStdString();
  fs::create_directories(root / "dev");
  const struct {
    const char* name;
    const char* driver;  // nullptr: no device behind the tty
  } kTtys[] = {{"ttyUSB0", "cp210x"},   {"ttyS0", "port"},
               {"ttyS1", "serial8250"},  // no UART behind it: type 0
               {"ttyS2", "serial8250"},  // a 16550A: type 4
               {"tty3", nullptr},       {"rfcomm0", nullptr}};
  for (const auto& tty : kTtys) {
    fs::create_directories(root / "tty" / tty.name);
    if (!tty.driver) continue;
    fs::create_directories(root / "drivers" / tty.driver);
    fs::create_directories(root / "tty" / tty.name / "device");
    fs::create_directory_symlink(root / "drivers" / tty.driver,
                                 root / "tty" / tty.name / "device" / "driver");
  }
  std::ofstream(root / "tty" / "ttyS1" / "type") << "0\n";
  std::ofstream(root / "tty" / "ttyS2" / "type") << "4\n";
  QStringList found = scan_tty_class(root / "tty", root / "dev");
  found.sort();
  const std::string dev = (root / "dev").string();
  EXPECT_EQ(found.join(' ').toStdString(),
            dev + "/rfcomm0 " + dev + "/ttyS0 " + dev + "/ttyS2 " + dev + "/ttyUSB0");
}

TEST(PortAssignment, ReadsComNEqualsDeviceAndNothingElse) {
  struct Case {
    const char* text;
    const char* read;  // the port and the device; "" for a refusal
  };
  const Case kCases[] = {
      {"com16=/dev/pts/3", "16 /dev/pts/3"},
      {"COM7=/dev/ttyS6", "7 /dev/ttyS6"},
      {"com03=/dev/ttyS2", "3 /dev/ttyS2"},
      {"com2=/tmp/a=b", "2 /tmp/a=b"},  // only the first "=" separates
      {"com0=/dev/ttyS0", ""},          // the menu starts at com1
      {"com17=/dev/ttyS0", ""},         // and ends at com16
      {"com3", ""},                     // no device
      {"com3=", ""},                    // an empty device
      {"port3=/dev/ttyS0", ""},         // not a com port
      {"com=/dev/ttyS0", ""},           // no number
      {"com3x=/dev/ttyS0", ""},         // a number with a tail
      {"com٣=/dev/ttyS0", ""},          // a digit of another script
  };
  for (const auto& c : kCases) {
    const auto assignment = parse_port_assignment(QString::fromUtf8(c.text));
    EXPECT_EQ(assignment
                  ? std::to_string(assignment->port_no) + " " + assignment->device.toStdString()
                  : "",
              c.read)
        << c.text;
  }
}

}  // namespace
}  // namespace m27
