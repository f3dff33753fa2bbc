// SPDX-License-Identifier: GPL-3.0-or-later
// transfer: a full write and a full read against m27-fake-radio --paced (9600 baud), through the
// same link driver as the program, each against the line-time floor, with the CPU time this
// process spent on it.
//
//   transfer [RUNS] [TRACE]     (default 3; TRACE: a file the serial trace is appended to)
//
// Goal: wall time within 1.10 x the floor, CPU time under 5 % of the wall time.

#include <sys/resource.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>

#include "bench/line_floor.h"
#include "channels/sheet.h"
#include "link/qt/link_driver.h"
#include "link/qt/port_trace.h"
#include "link/qt/run_to_end.h"
#include "link/qt/serial_port.h"
#include "link/read_transfer.h"
#include "link/write_transfer.h"

namespace m27 {
namespace {

using std::chrono::milliseconds;

constexpr milliseconds kReplyDelay{30};
constexpr milliseconds kPatience{60'000};
constexpr double kWallGoal = 1.10;
constexpr double kCpuGoal = 0.05;

Duration process_cpu() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = std::chrono::seconds(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec);
  const auto micros = std::chrono::microseconds(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec);
  return seconds + micros;
}

// Waits in the event loop until `signal` of `sender` or the patience runs out.
template <typename Sender, typename Signal>
void wait_for(Sender* sender, Signal signal) {
  QEventLoop loop;
  QObject::connect(sender, signal, &loop, &QEventLoop::quit);
  QTimer::singleShot(kPatience, &loop, &QEventLoop::quit);
  loop.exec();
}

struct Sample {
  bool ok = false;
  Duration wall{};
  Duration cpu{};
};

Sample measure(LinkDriver& driver, std::unique_ptr<Operation> operation) {
  const Duration cpu_before = process_cpu();
  const TimePoint start = Clock::now();
  const auto outcome = run_to_end(driver, std::move(operation), kPatience);
  return {outcome == Ending::Completed, Clock::now() - start, process_cpu() - cpu_before};
}

// Whether the transfer succeeded and met both goals.
bool report(const char* what, const Sample& sample, Duration floor) {
  const double ratio = ms(sample.wall) / ms(floor);
  const double cpu_share = ms(sample.cpu) / ms(sample.wall);
  const bool met = sample.ok && ratio <= kWallGoal && cpu_share < kCpuGoal;
  std::printf(
      "%-5s wall %7.1f ms  floor %7.1f ms  ratio %.3f  cpu %6.1f ms = %4.2f %% of wall  %s\n", what,
      ms(sample.wall), ms(floor), ratio, ms(sample.cpu), 100 * cpu_share,
      !sample.ok ? "FAILED"
      : met      ? "ok"
                 : "goal missed");
  return met;
}

int run(int runs) {
  QProcess radio;
  radio.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  radio.start(
      QCoreApplication::applicationDirPath() + QStringLiteral("/m27-fake-radio"),
      {QStringLiteral("--paced"), QStringLiteral("--delay"), QString::number(kReplyDelay.count())});
  if (!radio.canReadLine()) wait_for(&radio, &QProcess::readyReadStandardOutput);
  const QString device = QString::fromUtf8(radio.readLine()).trimmed();
  if (device.isEmpty()) {
    std::fprintf(stderr, "transfer: m27-fake-radio did not start\n");
    return 1;
  }
  PortMap ports;
  ports.set({kFirstPort, device});
  SerialPort serial(ports);
  if (serial.open_port(kFirstPort) != OpenOutcome::Opened) {
    std::fprintf(stderr, "transfer: cannot open %s\n", qPrintable(device));
    return 1;
  }
  LinkDriver driver(serial.port());

  std::printf(
      "m27-fake-radio --paced --delay %d on %s; goal: wall <= %.2f x floor, cpu < %.0f %%\n",
      static_cast<int>(kReplyDelay.count()), qPrintable(device), kWallGoal, 100 * kCpuGoal);
  bool all_ok = true;
  for (int i = 0; i < runs; ++i) {
    const WritePlan plan = prepare_write(startup_sheet()).plan().value();
    const Duration write_floor_time = write_floor(plan, kReplyDelay);
    all_ok &=
        report("write", measure(driver, std::make_unique<WriteTransfer>(plan)), write_floor_time);
    all_ok &= report("read", measure(driver, std::make_unique<ReadTransfer>(startup_sheet())),
                     read_floor(kReplyDelay));
  }
  serial.close_for_exit();
  radio.closeWriteChannel();
  wait_for(&radio, &QProcess::finished);
  return all_ok ? 0 : 1;
}

}  // namespace
}  // namespace m27

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
  if (argc > 2) {
    if (const auto reason = m27::port_trace().start(QString::fromLocal8Bit(argv[2]))) {
      std::fprintf(stderr, "transfer: %s: %s\n", argv[2], qPrintable(*reason));
      return 1;
    }
  }
  return m27::run(runs);
}
