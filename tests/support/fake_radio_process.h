#pragma once
// `m27-fake-radio` as a process of the test, on a pseudo-terminal of its own. Its standard input
// is a pipe: closing it ends the radio, which then writes its memory dump when asked to.

#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>

#include "fake-radio/dump.h"

namespace m27::testing {

class FakeRadioProcess {
 public:
  // A hang fails the test instead of holding it.
  static constexpr int kPatienceMs = 60'000;

  // `arguments` as on its command line: "--fault", "silent", "--log", "--dump", FILE ...
  explicit FakeRadioProcess(const QStringList& arguments) {
    process_.start(QStringLiteral(M27_FAKE_RADIO_PATH), arguments);
    if (process_.waitForStarted(kPatienceMs) && process_.waitForReadyRead(kPatienceMs)) {
      path_ = QString::fromUtf8(process_.readLine()).trimmed();
    }
  }
  ~FakeRadioProcess() { stop(); }
  FakeRadioProcess(const FakeRadioProcess&) = delete;
  FakeRadioProcess& operator=(const FakeRadioProcess&) = delete;

  // Its pseudo-terminal, e.g. /dev/pts/5; empty when it did not start.
  const QString& path() const { return path_; }

  // What it has logged so far (with --log): "<- 54 03 00 00 07 5E" for a request received,
  // "-> 44 04 00 00 2D 2B 9D" for a frame sent.
  const QString& log() {
    log_ += QString::fromUtf8(process_.readAllStandardError());
    return log_;
  }

  // The lines of the log equal to `line`.
  int count_in_log(const QString& line) {
    return static_cast<int>(log().split(QLatin1Char('\n')).count(line));
  }

  void stop() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.closeWriteChannel();
    if (!process_.waitForFinished(kPatienceMs)) process_.kill();
    log();
  }

 private:
  QProcess process_;
  QString path_;
  QString log_;
};

// The memory a stopped radio dumped into `file`; nothing when the dump is missing or malformed.
inline std::optional<fake::Memory> read_dump(const QString& file) {
  QFile dump(file);
  if (!dump.open(QIODevice::ReadOnly)) return std::nullopt;
  return fake::parse_dump(dump.readAll().toStdString(), nullptr);
}

}  // namespace m27::testing
