// SPDX-License-Identifier: GPL-3.0-or-later
// The connection check's port steps. The tests run as root on pseudo-terminals: a refused
// permission and a USB identity come as injected facts.

#include "link/qt/port_check.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <filesystem>

#include "link/qt/port_search.h"
#include "link/qt/serial_devices.h"
#include "support/pseudo_terminal.h"

namespace m27 {
namespace {

using testing::PseudoTerminal;

// "✓ text | note" lines of the steps, one per step.
std::string shown(const std::vector<CheckLine>& lines) {
  QStringList shown_lines;
  for (const CheckLine& line : lines) {
    shown_lines << (line.passed ? QStringLiteral("✓ ") : QStringLiteral("✗ ")) + line.text +
                       (line.notes.isEmpty() ? QString() : " | " + line.notes.join(" | "));
  }
  return shown_lines.join('\n').toStdString();
}

TEST(PortCheck, TellsASerialPortFromWhatIsNoneWithoutOpeningIt) {
  const QTemporaryDir dir;
  QFile(dir.filePath("file")).open(QIODevice::WriteOnly);
  const PseudoTerminal pty;
  const struct {
    QString device;
    DeviceKind kind;
  } kCases[] = {
      {pty.device(), DeviceKind::Serial},  // a pseudo-terminal, as the fake radio's
      {dir.filePath("gone"), DeviceKind::Missing},
      {dir.filePath("file/x"), DeviceKind::Missing},
      {dir.filePath("file"), DeviceKind::NotSerial},
      {dir.path(), DeviceKind::NotSerial},
      {"/dev/null", DeviceKind::NotSerial},  // a character device, but no tty
      {"null", DeviceKind::NotSerial},       // a bare name is in /dev
      {"/dev/tty", DeviceKind::NotSerial},   // a tty with no hardware behind it
  };
  for (const auto& c : kCases) EXPECT_EQ(device_kind(c.device), c.kind) << c.device.toStdString();
}

// Qt Serial Port's lock file names the program that holds a port; a lock whose process is gone
// names nobody.
TEST(PortCheck, FindsWhoHoldsAPortInItsLockFile) {
  const QTemporaryDir locks;
  QProcess sleeper;
  sleeper.start("sleep", {"30"});
  ASSERT_TRUE(sleeper.waitForStarted());
  const qint64 own = QCoreApplication::applicationPid();
  const qint64 pid = sleeper.processId();
  const std::pair<const char*, QByteArray> kLocks[] = {
      {"LCK..pts_7", QByteArray::number(own) + "\nm27\nhost\n"},    // as Qt writes it
      {"LCK..ttyUSB0", "      " + QByteArray::number(pid) + "\n"},  // as UUCP programs do
      {"LCK..ttyUSB2", "junk\n"}};
  for (const auto& [name, text] : kLocks) {
    QFile file(locks.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
  }
  const QStringList folders{"/nonexistent", locks.path()};
  EXPECT_EQ(lock_holder("/dev/pts/7", folders), (LockHolder{own, "link_qt_test", true}));
  EXPECT_EQ(lock_holder("ttyUSB0", folders), (LockHolder{pid, "sleep", false}));
  EXPECT_EQ(lock_holder("/dev/ttyUSB2", folders), std::nullopt);
  sleeper.kill();
  sleeper.waitForFinished();
  EXPECT_EQ(lock_holder("/dev/ttyUSB0", folders), std::nullopt);
}

TEST(PortCheck, StopsAtTheFirstStepThatFailsAndSaysWhatToDo) {
  const auto serial = [](bool may_open, std::optional<LockHolder> holder = {}) {
    return DeviceFacts{DeviceKind::Serial, {}, may_open, std::move(holder), {}};
  };
  const struct {
    DeviceFacts facts;
    const char* shown;
  } kCases[] = {
      {{DeviceKind::Serial, "USB 067b:2303 (Prolific PL2303)", true, {}, {}},
       "✓ 串口存在：/dev/ttyUSB0 — USB 067b:2303 (Prolific PL2303)\n✓ 有权限打开串口\n✓ 串口空闲"},
      {serial(false),
       "✓ 串口存在：/dev/ttyUSB0\n✗ 没有权限打开串口 /dev/ttyUSB0 | "
       "请把自己加入dialout组：sudo usermod -aG dialout $USER，然后重新登录"},
      {serial(true, LockHolder{4242, "minicom", false}),
       "✓ 串口存在：/dev/ttyUSB0\n✓ 有权限打开串口\n"
       "✗ 串口已被占用：/dev/ttyUSB0，被 minicom (PID 4242) 占用"},
      {{DeviceKind::Missing, {}, true, {}, {"com1  /dev/ttyS0"}},
       "✗ 串口不存在：/dev/ttyUSB0 | 现有串口： | com1  /dev/ttyS0"},
      {{DeviceKind::NotSerial, {}, true, {}, {}}, "✗ 不是串口：/dev/ttyUSB0 | 没有找到任何串口"},
  };
  for (const auto& c : kCases) EXPECT_EQ(shown(device_steps("/dev/ttyUSB0", c.facts)), c.shown);
}

// The drivers come from a sysfs of the test's own: a CH340 cable, an Arduino on cdc_acm, a
// built-in port. Probed: the cable, what --port maps (a ttyS one too); with --all, everything.
TEST(PortSearch, ProbesProgrammingCablesAndMappedPortsOnly) {
  QTemporaryDir sys;
  const std::filesystem::path tty_class = sys.filePath("class/tty").toStdString();
  for (const auto& [tty, driver] : {std::pair{"ttyUSB0", "ch341"},
                                    {"ttyACM0", "cdc_acm"},
                                    {"ttyS1", "serial8250"},
                                    {"ttyS0", "serial8250"}}) {
    std::filesystem::create_directories(tty_class / tty / "device");
    std::filesystem::create_directory_symlink(
        sys.filePath(QStringLiteral("bus/drivers/") + driver).toStdString(),
        tty_class / tty / "device" / "driver");
  }
  PortMap map;
  map.set({2, "/dev/pts/4"});
  map.set({3, "/dev/ttyS1"});
  std::vector<PortDescription> ports;
  for (const auto& [n, device] : {std::pair{1, "/dev/ttyUSB0"},
                                  {2, "/dev/pts/4"},
                                  {3, "/dev/ttyS1"},
                                  {4, "/dev/ttyACM0"},
                                  {5, "/dev/ttyS0"}}) {
    ports.push_back({n, device, {}, {}, {}, {}, {}, {}, tty_driver(device, tty_class)});
  }
  const auto devices = [](const std::vector<PortDescription>& chosen) {
    std::string names;
    for (const auto& port : chosen) names += port.device.toStdString() + ' ';
    return names;
  };
  const SearchPlan plan = ports_to_search(ports, map);
  EXPECT_EQ(devices(plan.probed), "/dev/ttyUSB0 /dev/pts/4 /dev/ttyS1 ");
  EXPECT_EQ(devices(plan.passed_over), "/dev/ttyACM0 /dev/ttyS0 ");
  EXPECT_EQ(devices(ports_to_search(ports, map, true).probed),
            "/dev/ttyUSB0 /dev/pts/4 /dev/ttyS1 /dev/ttyACM0 /dev/ttyS0 ");
  EXPECT_EQ(search_report({passed_over(ports[3])}),
            QStringList({"com4 (/dev/ttyACM0)：未检测：不是常见的写频线", "没有找到对讲机"}));
}

}  // namespace
}  // namespace m27
