// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/qt/serial_port.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QTimer>

#include "link/qt/link_driver.h"
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

// Each choice closes the port open before, even a choice that fails, which says why; the exit
// releases the device. A missing device and one that is no serial port, the window's port test
// chooses.
TEST(SerialPort, ClosesTheOldPortOnEveryChoiceAndSaysWhyOneDidNotOpen) {
  PseudoTerminal pty;
  PseudoTerminal held;
  SerialPort holder(map_port(1, held.device()));
  ASSERT_EQ(holder.open_port(1), OpenOutcome::Opened);
  PortMap map = map_port(1, pty.device());
  map.set({3, held.device()});  // a device that another program holds
  SerialPort serial(map);       // port 5 maps to nothing
  serial.close_for_exit();      // harmless with nothing open
  const std::pair<int, OpenOutcome> kChoices[] = {{1, OpenOutcome::Opened},
                                                  {1, OpenOutcome::Opened},
                                                  {3, OpenOutcome::InUseOrNoPermission},
                                                  {1, OpenOutcome::Opened},
                                                  {5, OpenOutcome::DoesNotExist}};
  for (const auto& [port_no, outcome] : kChoices) {
    EXPECT_EQ(serial.open_port(port_no), outcome) << port_no;
    EXPECT_EQ(serial.is_open(), outcome == OpenOutcome::Opened) << port_no;
  }
  ASSERT_EQ(serial.open_port(1), OpenOutcome::Opened);
  serial.close_for_exit();
  EXPECT_FALSE(serial.is_open());
  EXPECT_EQ(SerialPort(map).open_port(1), OpenOutcome::Opened) << "the device was released";
}

// Input the system announced and the link discarded before the port was read makes Qt Serial
// Port report a read error; the port is fine and stays open.
TEST(LinkDriver, TakesNoDiscardedInputForALostPort) {
  PseudoTerminal pty;
  SerialPort serial(map_port(1, pty.device()));
  ASSERT_EQ(serial.open_port(1), OpenOutcome::Opened);
  LinkDriver driver(serial.port());
  int lost = 0;
  QObject::connect(&driver, &LinkDriver::reported,
                   [&](const Event& e) { lost += std::holds_alternative<PortLost>(e); });
  ASSERT_EQ(write(pty.master(), "abc", 3), 3);
  pollfd readable{static_cast<int>(serial.port().handle()), POLLIN, 0};
  ASSERT_EQ(poll(&readable, 1, 5000), 1);
  QTimer::singleShot(0, [&] { serial.port().clear(QSerialPort::Input); });
  QCoreApplication::processEvents();
  QCoreApplication::processEvents();
  EXPECT_TRUE(serial.is_open() && lost == 0);
}

}  // namespace
}  // namespace m27
