#include "link/qt/port_map.h"

#include <gtest/gtest.h>

#include "support/qstring_printer.h"

namespace m27 {
namespace {

TEST(PortMap, NumbersUsbAdaptersFirstThenTheRestInNaturalOrder) {
  const PortMap map =
      PortMap::from_devices({"/dev/ttyS10", "/dev/ttyUSB1", "/dev/ttyS0", "/dev/ttyACM0",
                             "/dev/ttyS2", "/dev/ttyUSB0", "/dev/ttyUSB10", "/dev/ttyS1"});
  const char* kExpected[] = {"/dev/ttyACM0", "/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyUSB10",
                             "/dev/ttyS0",   "/dev/ttyS1",   "/dev/ttyS2",   "/dev/ttyS10"};
  int port_no = 1;
  for (const char* device : kExpected) {
    EXPECT_EQ(map.device(port_no), QString::fromLatin1(device)) << "com" << port_no;
    ++port_no;
  }
  EXPECT_EQ(map.device(port_no), QString()) << "beyond the list a port does not exist";
}

TEST(PortMap, MapsAtMostSixteenPorts) {
  QStringList devices;
  for (int i = 0; i < 20; ++i) devices << QStringLiteral("/dev/ttyS%1").arg(i);
  const PortMap map = PortMap::from_devices(devices);
  EXPECT_EQ(map.device(16), QStringLiteral("/dev/ttyS15"));
  EXPECT_EQ(map.device(17), QString());
}

TEST(PortMap, AnEmptyMapHasNoPorts) {
  const PortMap map;
  for (int port_no = 0; port_no <= 17; ++port_no) EXPECT_EQ(map.device(port_no), QString());
}

TEST(PortMap, AnAssignmentReplacesTheDefault) {
  PortMap map = PortMap::from_devices({"/dev/ttyS0", "/dev/ttyS1"});
  map.set({1, "/dev/ttyUSB7"});
  map.set({9, "/dev/pts/4"});
  EXPECT_EQ(map.device(1), QStringLiteral("/dev/ttyUSB7"));
  EXPECT_EQ(map.device(2), QStringLiteral("/dev/ttyS1"));
  EXPECT_EQ(map.device(9), QStringLiteral("/dev/pts/4"));
}

TEST(PortMap, IgnoresAssignmentsOutsideTheMenu) {
  PortMap map;
  map.set({0, "/dev/ttyS0"});
  map.set({17, "/dev/ttyS0"});
  for (int port_no = 1; port_no <= 16; ++port_no) EXPECT_EQ(map.device(port_no), QString());
}

TEST(PortAssignment, ReadsComNEqualsDevice) {
  struct Case {
    const char* text;
    int port_no;
    const char* device;
  };
  const Case kCases[] = {
      {"com1=/dev/ttyUSB0", 1, "/dev/ttyUSB0"}, {"com16=/dev/pts/3", 16, "/dev/pts/3"},
      {"COM7=/dev/ttyS6", 7, "/dev/ttyS6"},     {"com03=/dev/ttyS2", 3, "/dev/ttyS2"},
      {"com2=/tmp/a=b", 2, "/tmp/a=b"},  // only the first "=" separates
  };
  for (const auto& c : kCases) {
    const auto assignment = parse_port_assignment(QString::fromLatin1(c.text));
    ASSERT_TRUE(assignment.has_value()) << c.text;
    EXPECT_EQ(assignment->port_no, c.port_no) << c.text;
    EXPECT_EQ(assignment->device, QString::fromLatin1(c.device)) << c.text;
  }
}

TEST(PortAssignment, RefusesAnythingElse) {
  const char* kBad[] = {
      "com0=/dev/ttyS0",   // the menu starts at com1
      "com17=/dev/ttyS0",  // and ends at com16
      "com3",              // no device
      "com3=",             // an empty device
      "=/dev/ttyS0",       // no port
      "port3=/dev/ttyS0",  // not a com port
      "com=/dev/ttyS0",    // no number
      "com3x=/dev/ttyS0",  // a number with a tail
      "com 3=/dev/ttyS0",  // a blank inside
      "com-1=/dev/ttyS0",  // a sign
      "com٣=/dev/ttyS0",   // a digit of another script
  };
  for (const char* text : kBad) {
    EXPECT_EQ(parse_port_assignment(QString::fromUtf8(text)), std::nullopt) << text;
  }
}

}  // namespace
}  // namespace m27
