// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real m27-fake-radio as a child of a test, started with the given options: its
// pseudo-terminal; once it has stopped (the end of its input), its memory dump and its log.
// Its stderr (the --log lines) goes to a file, so a full pipe never stalls it. Every wait has a
// time-out, so a broken radio fails the test instead of hanging it.

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <optional>

#include "fake-radio/dump.h"

namespace m27::testing {

class FakeRadioProcess {
 public:
  static constexpr int kPatienceMs = 60'000;

  // `options` as m27-fake-radio takes them, e.g. {"--fault", "silent"}; --dump is added.
  explicit FakeRadioProcess(const QStringList& options = {}) {
    process_.setStandardErrorFile(dir_.filePath(QStringLiteral("radio.log")));
    process_.start(QStringLiteral(M27_FAKE_RADIO_PATH),
                   QStringList{QStringLiteral("--dump"), dump_path()} + options);
    if (process_.waitForStarted(kPatienceMs) && process_.waitForReadyRead(kPatienceMs)) {
      device_ = QString::fromUtf8(process_.readLine()).trimmed();
    }
  }
  ~FakeRadioProcess() { stop(); }

  // The device the program opens, e.g. /dev/pts/5; empty when the radio did not start.
  const QString& device() const { return device_; }

  // A line on its standard input: "unplug", "plug 7".
  void say(const QByteArray& line) {
    process_.write(line + "\n");
    process_.waitForBytesWritten(kPatienceMs);
  }
  // Its next line on stdout after the device (each swap: "unplugged", "plugged ID 7"); empty
  // when none came.
  QString next_line() {
    if (!process_.canReadLine()) process_.waitForReadyRead(kPatienceMs);
    return QString::fromUtf8(process_.readLine()).trimmed();
  }

  void stop() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.closeWriteChannel();  // the end of its input: it dumps its memory and exits
    if (!process_.waitForFinished(kPatienceMs)) process_.kill();
  }

  // Ends it as a signal from the system does, and waits for its end.
  void terminate() {
    process_.terminate();
    stop();
  }

  // Its exit status once it has ended; -1 after a crash.
  int exit_status() const {
    return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
  }

  // What it held when it ended (stops it first); nullopt without a whole dump. `unplugged`
  // n > 0: what the n-th radio unplugged held.
  std::optional<fake::Memory> memory(int unplugged = 0) {
    stop();
    const QString name = unplugged > 0 ? QStringLiteral("radio.dump.%1").arg(unplugged)
                                       : QStringLiteral("radio.dump");
    return fake::parse_dump(contents(name).toStdString(), nullptr);
  }

  // What it wrote on stderr: with --log every request ("<- ...") and reply ("-> ...") in hex.
  // Complete once it has stopped.
  QByteArray log() const { return contents(QStringLiteral("radio.log")); }

 private:
  QString dump_path() const { return dir_.filePath(QStringLiteral("radio.dump")); }
  QByteArray contents(const QString& name) const {
    QFile file(dir_.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  QTemporaryDir dir_;
  QProcess process_;
  QString device_;
};

}  // namespace m27::testing
