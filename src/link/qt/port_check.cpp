// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/qt/port_check.h"

#include <signal.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <filesystem>

#include "i18n/translated.h"
#include "link/qt/port_description.h"
#include "link/qt/port_words.h"
#include "link/qt/serial_devices.h"
#include "service/connection_check.h"

namespace m27 {
namespace {

namespace fs = std::filesystem;

// The slave sides of Unix 98 pseudo-terminals (the fake radio serves on one) have these major
// numbers and no entry in sysfs.
constexpr unsigned kFirstPtyMajor = 136;
constexpr unsigned kLastPtyMajor = 143;

CheckLine passed(const QString& text) { return {true, text, {}}; }
CheckLine failed(const QString& text, QStringList notes = {}) {
  return {false, text, std::move(notes)};
}

bool alive(qint64 pid) {
  return pid > 0 && (kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

// "未知程序" (an unknown program) when the system does not tell.
QString process_name(qint64 pid) {
  QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
  const QString name =
      comm.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(comm.readAll()).trimmed() : QString();
  return name.isEmpty() ? said(QT_TRANSLATE_NOOP("link", "未知程序")) : name;
}

// The lock file names serial programs use for a device: Qt's, its path below /dev with '/' as
// '_', and the older one, the file name of the device a link leads to.
QStringList lock_names(const QString& device) {
  QString below_dev = system_location(device);
  if (below_dev.startsWith(QLatin1String("/dev/"))) below_dev.remove(0, 5);
  QStringList names{QStringLiteral("LCK..") +
                    below_dev.replace(QLatin1Char('/'), QLatin1Char('_'))};
  const QFileInfo file(system_location(device));
  const QString file_name =
      QStringLiteral("LCK..") + QFileInfo(file.canonicalFilePath()).fileName();
  if (file.exists() && !names.contains(file_name)) names << file_name;
  return names;
}

// The PID a lock file starts with: "1234\n..." as Qt writes it, "      1234\n" as UUCP does.
std::optional<qint64> pid_in(const QString& lock_file) {
  QFile file(lock_file);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  bool ok = false;
  const qint64 pid = file.readLine(64).trimmed().toLongLong(&ok);
  if (!ok) return std::nullopt;
  return pid;
}

}  // namespace

QString marked(const CheckLine& line) {
  return (line.passed ? QStringLiteral("✓ ") : QStringLiteral("✗ ")) + line.text;
}

QString system_location(const QString& device) {
  return device.contains(QLatin1Char('/')) ? device : QStringLiteral("/dev/") + device;
}

DeviceKind device_kind(const QString& device) {
  struct stat status {};
  if (stat(QFile::encodeName(system_location(device)).constData(), &status) != 0) {
    return errno == ENOENT || errno == ENOTDIR ? DeviceKind::Missing : DeviceKind::NotSerial;
  }
  if (!S_ISCHR(status.st_mode)) return DeviceKind::NotSerial;
  const unsigned number = major(status.st_rdev);
  if (number >= kFirstPtyMajor && number <= kLastPtyMajor) return DeviceKind::Serial;
  const fs::path sys = fs::path("/sys/dev/char") /
                       (std::to_string(number) + ':' + std::to_string(minor(status.st_rdev)));
  std::error_code error;
  if (fs::read_symlink(sys / "subsystem", error).filename() != "tty") return DeviceKind::NotSerial;
  return is_serial_tty(sys) ? DeviceKind::Serial : DeviceKind::NotSerial;
}

bool may_open(const QString& device) {
  const QByteArray path = QFile::encodeName(system_location(device));
  return access(path.constData(), R_OK | W_OK) == 0 || errno != EACCES;
}

const QStringList& lock_folders() {
  static const QStringList kFolders{
      "/var/lock",       "/run/lock",         "/etc/locks", "/var/spool/locks",
      "/var/spool/uucp", "/var/lock/lockdev", "/tmp",       "/var/tmp"};
  return kFolders;
}

std::optional<LockHolder> lock_holder(const QString& device, const QStringList& folders) {
  for (const QString& folder : folders) {
    for (const QString& name : lock_names(device)) {
      const auto pid = pid_in(QDir(folder).filePath(name));
      if (!pid || !alive(*pid)) continue;
      return LockHolder{*pid, process_name(*pid), *pid == QCoreApplication::applicationPid()};
    }
  }
  return std::nullopt;
}

DeviceFacts look_at(const QString& device, const PortMap& ports) {
  DeviceFacts facts;
  facts.kind = device.isEmpty() ? DeviceKind::Missing : device_kind(device);
  if (facts.kind != DeviceKind::Serial) {
    for (const PortDescription& port : describe_ports(ports)) facts.port_lines << port_line(port);
    return facts;
  }
  facts.details = port_details(describe_device(0, device));
  facts.may_open = may_open(device);
  facts.holder = lock_holder(device);
  return facts;
}

std::vector<CheckLine> device_steps(const QString& device, const DeviceFacts& facts) {
  if (facts.kind != DeviceKind::Serial) {
    const QStringList notes =
        facts.port_lines.isEmpty()
            ? QStringList{said(QT_TRANSLATE_NOOP("link", "没有找到任何串口"))}
            : QStringList{said(QT_TRANSLATE_NOOP("link", "现有串口："))} + facts.port_lines;
    return {failed(facts.kind == DeviceKind::Missing
                       ? said(QT_TRANSLATE_NOOP("link", "串口不存在：%1")).arg(device)
                       : said(QT_TRANSLATE_NOOP("link", "不是串口：%1")).arg(device),
                   notes)};
  }
  std::vector<CheckLine> lines{
      passed(said(QT_TRANSLATE_NOOP("link", "串口存在：%1")).arg(device) +
             (facts.details.isEmpty() ? QString() : QStringLiteral(" — ") + facts.details))};
  if (!facts.may_open) {
    lines.push_back(failed(said(QT_TRANSLATE_NOOP("link", "没有权限打开串口 %1")).arg(device),
                           {dialout_hint()}));
    return lines;
  }
  lines.push_back(passed(said(QT_TRANSLATE_NOOP("link", "有权限打开串口"))));
  if (facts.holder && facts.holder->this_program) {
    lines.push_back(passed(said(QT_TRANSLATE_NOOP("link", "串口已由本程序打开"))));
  } else if (facts.holder) {
    lines.push_back(failed(said(QT_TRANSLATE_NOOP("link", "串口已被占用：%1，被 %2 (PID %3) 占用"))
                               .arg(device, facts.holder->name)
                               .arg(facts.holder->pid)));
  } else {
    lines.push_back(passed(said(QT_TRANSLATE_NOOP("link", "串口空闲"))));
  }
  return lines;
}

CheckLine open_step(SerialPort& port, int port_no, const QString& device) {
  const OpenOutcome outcome = port.open_port(port_no);
  if (outcome == OpenOutcome::Opened) return already_open_step();
  return failed(cannot_open(outcome, device, port.port().errorString()));
}

CheckLine already_open_step() {
  return passed(said(QT_TRANSLATE_NOOP("link", "串口已打开：9600,n,8,1")));
}

CheckLine answer_step(const Heard& heard) {
  const AnswerLine answer = answer_line(heard);
  return {answer.answered, translated(answer.text), {}};
}

}  // namespace m27
