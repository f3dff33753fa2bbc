#pragma once
// m27-fake-radio as a child of the test: started with the given options, it reports its
// pseudo-terminal; stopping it (the end of its input) makes it write its dump and exit. Its
// stderr (the --log lines) goes to a file, so that a full pipe never stalls it.

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace m27::testing {

class FakeRadioProcess {
 public:
  static constexpr int kPatienceMs = 60'000;

  explicit FakeRadioProcess(const QStringList& options) {
    process_.setStandardErrorFile(log_dir_.filePath(QStringLiteral("radio.log")));
    process_.start(QStringLiteral(M27_FAKE_RADIO_PATH), options);
    if (process_.waitForStarted() && process_.waitForReadyRead(kPatienceMs)) {
      path_ = QString::fromUtf8(process_.readLine()).trimmed();
    }
  }
  ~FakeRadioProcess() { stop(); }
  FakeRadioProcess(const FakeRadioProcess&) = delete;
  FakeRadioProcess& operator=(const FakeRadioProcess&) = delete;

  // The pseudo-terminal the program opens; empty when the radio did not start.
  const QString& path() const { return path_; }

  void stop() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.closeWriteChannel();  // the end of its input: it dumps its memory and exits
    if (!process_.waitForFinished(kPatienceMs)) process_.kill();
  }

  // What it wrote on stderr: with --log every request ("<- ...") and reply ("-> ...") in hex.
  // Complete once it has stopped.
  QByteArray log() const {
    QFile file(log_dir_.filePath(QStringLiteral("radio.log")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

 private:
  QTemporaryDir log_dir_;
  QProcess process_;
  QString path_;
};

}  // namespace m27::testing
