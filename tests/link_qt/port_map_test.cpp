// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/qt/port_map.h"

#include <gtest/gtest.h>

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
