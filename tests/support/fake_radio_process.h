#pragma once
// The real m27-fake-radio as a child of a test: its pseudo-terminal, and its memory dump once
// it has ended. Every wait has a time-out, so a broken radio fails the test instead of hanging it.

#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <optional>
#include <string>

#include "fake-radio/dump.h"

namespace m27::testing {

class FakeRadioProcess {
 public:
  static constexpr int kPatienceMs = 30'000;

  // `options` as m27-fake-radio takes them, e.g. {"--fault", "silent"}.
  explicit FakeRadioProcess(QStringList options = {}) {
    process_.start(M27_FAKE_RADIO_PATH, QStringList{"--dump", dump_path()} + options);
    if (process_.waitForStarted(kPatienceMs) && process_.waitForReadyRead(kPatienceMs)) {
      device_ = QString::fromUtf8(process_.readLine()).trimmed();
    }
  }
  ~FakeRadioProcess() { stop(); }
  FakeRadioProcess(const FakeRadioProcess&) = delete;
  FakeRadioProcess& operator=(const FakeRadioProcess&) = delete;

  // The device to open, e.g. /dev/pts/5; empty when the radio did not start.
  const QString& device() const { return device_; }

  // Ends the radio the way its parent would: its standard input closes.
  void stop() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.closeWriteChannel();
    if (!process_.waitForFinished(kPatienceMs)) process_.kill();
  }

  // What the radio held when it ended (stops it first).
  std::optional<fake::Memory> memory() {
    stop();
    QFile dump(dump_path());
    if (!dump.open(QIODevice::ReadOnly)) return std::nullopt;
    std::string error;
    return fake::parse_dump(dump.readAll().toStdString(), &error);
  }

 private:
  QString dump_path() const { return dir_.filePath("radio.dump"); }

  QTemporaryDir dir_;
  QProcess process_;
  QString device_;
};

}  // namespace m27::testing
