#include "link/qt/port_map.h"

#include <gtest/gtest.h>

#include "support/qstring_printer.h"

namespace m27 {
namespace {

QStringList ports_of(const PortMap& map) {
  QStringList devices;
  for (int port_no = 0; port_no <= 17; ++port_no) devices << map.device(port_no);
  return devices;
}

TEST(PortMap, NumbersUsbAdaptersFirstThenTheRestInNaturalOrder) {
  const PortMap map =
      PortMap::from_devices({"/dev/ttyS10", "/dev/ttyUSB1", "/dev/ttyS0", "/dev/ttyACM0",
                             "/dev/ttyS2", "/dev/ttyUSB0", "/dev/ttyUSB10", "/dev/ttyS1"});
  QStringList expected = {
      "",           "/dev/ttyACM0", "/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyUSB10",
      "/dev/ttyS0", "/dev/ttyS1",   "/dev/ttyS2",   "/dev/ttyS10"};
  while (expected.size() < 18) expected << QString();  // no port 0, none beyond the list
  EXPECT_EQ(ports_of(map), expected);
}

TEST(PortMap, AnAssignmentInsideTheMenuReplacesTheDefault) {
  PortMap map = PortMap::from_devices({"/dev/ttyS0", "/dev/ttyS1"});
  map.set({1, "/dev/ttyUSB7"});
  map.set({9, "/dev/pts/4"});
  map.set({0, "/dev/ttyS9"});
  map.set({17, "/dev/ttyS9"});
  QStringList twenty;
  for (int i = 0; i < 20; ++i) twenty << QStringLiteral("/dev/ttyS%1").arg(i);
  EXPECT_EQ(PortMap::from_devices(twenty).device(16), QStringLiteral("/dev/ttyS15"));
  EXPECT_EQ(PortMap::from_devices(twenty).device(17), QString()) << "at most sixteen ports";
  QStringList expected(18);
  expected[1] = "/dev/ttyUSB7";
  expected[2] = "/dev/ttyS1";
  expected[9] = "/dev/pts/4";
  EXPECT_EQ(ports_of(map), expected);
}

TEST(PortAssignment, ReadsComNEqualsDevice) {
  struct Case {
    const char* text;
    int port_no;
    const char* device;
  };
  const Case kCases[] = {
      {"com16=/dev/pts/3", 16, "/dev/pts/3"},
      {"COM7=/dev/ttyS6", 7, "/dev/ttyS6"},
      {"com03=/dev/ttyS2", 3, "/dev/ttyS2"},
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
      "port3=/dev/ttyS0",  // not a com port
      "com=/dev/ttyS0",    // no number
      "com3x=/dev/ttyS0",  // a number with a tail
      "com-1=/dev/ttyS0",  // a sign
      "com٣=/dev/ttyS0",   // a digit of another script
  };
  for (const char* text : kBad) {
    EXPECT_EQ(parse_port_assignment(QString::fromUtf8(text)), std::nullopt) << text;
  }
}

}  // namespace
}  // namespace m27
