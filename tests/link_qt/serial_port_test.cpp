#include "link/qt/serial_port.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include "support/not_a_terminal.h"
#include "support/pseudo_terminal.h"

namespace m27 {
namespace {

using namespace testing;

PortMap map_port(int port_no, const QString& device) {
  PortMap map;
  map.set({port_no, device});
  return map;
}

TEST(SerialPort, OpensAt9600EightDataBitsNoParityOneStopBitAndDropsWhatCameBefore) {
  PseudoTerminal pty;
  ASSERT_EQ(write(pty.master(), "old", 3), 3);
  SerialPort serial(map_port(3, pty.device()));
  ASSERT_EQ(serial.open_port(3), OpenOutcome::Opened);
  const QSerialPort& port = serial.port();
  EXPECT_EQ(std::tuple(port.baudRate(), port.dataBits(), port.parity(), port.stopBits(),
                       port.flowControl(), port.openMode()),
            std::tuple(9600, QSerialPort::Data8, QSerialPort::NoParity, QSerialPort::OneStop,
                       QSerialPort::NoFlowControl, QIODevice::ReadWrite));
  ASSERT_EQ(write(pty.master(), "N", 1), 1);
  pollfd readable{static_cast<int>(port.handle()), POLLIN, 0};
  ASSERT_EQ(poll(&readable, 1, 5000), 1);
  char received[8] = {};
  EXPECT_EQ(read(readable.fd, received, sizeof received), 1);
  EXPECT_EQ(received[0], 'N');
}

TEST(SerialPort, ReportsWhyAPortDidNotOpen) {
  PseudoTerminal held;
  NotATerminal file;
  SerialPort holder(map_port(1, held.device()));
  ASSERT_EQ(holder.open_port(1), OpenOutcome::Opened);

  struct Case {
    const char* what;
    QString device;
    OpenOutcome expected;
  };
  const Case kCases[] = {
      {"a number that maps to nothing", QString(), OpenOutcome::DoesNotExist},
      {"a device that is missing", "/dev/m27-no-such-tty", OpenOutcome::DoesNotExist},
      {"a device another program holds", held.device(), OpenOutcome::InUseOrNoPermission},
      {"a device that is no serial port", file.device(), OpenOutcome::Failed},
  };
  for (const auto& c : kCases) {
    SerialPort serial(map_port(5, c.device));
    EXPECT_EQ(serial.open_port(5), c.expected) << c.what;
    EXPECT_FALSE(serial.is_open()) << c.what;
  }
}

// Chosen again, a port reopens; a failed choice leaves the old one closed; the exit releases it.
TEST(SerialPort, ClosesTheOldPortOnEveryChoiceAndAtTheExit) {
  PseudoTerminal pty;
  PortMap map = map_port(1, pty.device());
  map.set({2, "/dev/m27-no-such-tty"});
  SerialPort serial(map);
  serial.close_for_exit();
  EXPECT_FALSE(serial.is_open());
  ASSERT_EQ(serial.open_port(1), OpenOutcome::Opened);
  EXPECT_EQ(serial.open_port(1), OpenOutcome::Opened);
  EXPECT_EQ(serial.open_port(2), OpenOutcome::DoesNotExist);
  EXPECT_FALSE(serial.is_open());
  ASSERT_EQ(serial.open_port(1), OpenOutcome::Opened);
  serial.close_for_exit();
  EXPECT_FALSE(serial.is_open());
  SerialPort again(map);
  EXPECT_EQ(again.open_port(1), OpenOutcome::Opened) << "the device was released";
}

}  // namespace
}  // namespace m27
