// SPDX-License-Identifier: GPL-3.0-or-later
// series: series jobs of 1, 2 and 4 stations through the program's own runner, each station on
// an m27-fake-radio --paced --swap-after 1500 (a radio is taken off 1.5 s after its ID was read
// back, and a fresh one put on 1.5 s later). Per radio, the log's seconds (from its first answer
// to 完成) against the line floor of its write, read, ID write and ID read; per job, the radios
// per hour from its start to its last 完成.
//
//   series [RADIOS]   (radios a station, default 3)
//
// Goals: every radio within 1.10 x its floor; 4 stations at least 3.6 x the radios per hour of 1.

#include <QCoreApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "app/fake_radio.h"
#include "app/program_start.h"
#include "bench/line_floor.h"
#include "files/file_commands.h"
#include "series/qt/series_order_from.h"
#include "series/qt/series_runner.h"

namespace m27 {
namespace {

using std::chrono::milliseconds;

constexpr milliseconds kReplyDelay{30};
constexpr milliseconds kPatience{600'000};
constexpr double kRadioGoal = 1.10;
constexpr double kScalingGoal = 3.6;

struct JobFigures {
  int ok = 0;
  double worst_ratio = 0;  // of a radio's seconds to its floor
  double per_hour = 0;
};

std::optional<JobFigures> run_job(int stations, int radios, const QString& radio_program) {
  std::vector<std::unique_ptr<FakeRadio>> lines;
  std::vector<StationPort> ports;
  for (int i = 0; i < stations; ++i) {
    auto radio = FakeRadio::start(
        radio_program.toStdString(), kFakeRadioStartTimeout,
        {"--paced", "--delay", std::to_string(kReplyDelay.count()), "--swap-after", "1500"});
    if (!radio) {
      std::fprintf(stderr, "series: %s\n", radio.reason().c_str());
      return std::nullopt;
    }
    lines.push_back(std::move(radio).value());
    forward_output(*lines.back(), QCoreApplication::instance(), false);
    const QString device = QString::fromStdString(lines.back()->device());
    ports.push_back({device, device});
  }
  const auto bytes = channel_file_bytes(startup_sheet());
  const PreparedWrite prepared = prepare_write(startup_sheet());
  SeriesOrder order =
      series_order_from(prepared.sheet, *prepared.plan(), QByteArray::fromStdString(*bytes));
  const Duration floor = series_radio_floor(order.template_write.plan(), kReplyDelay);
  QTemporaryDir folder;
  order.last_id = 1'000'000;
  order.first_id = 1;
  order.count = stations * radios;
  for (const StationPort& port : ports) order.ports.push_back(port.name.toStdString());
  order.log_path = folder.filePath(QStringLiteral("series.csv")).toStdString();
  order.create_log = true;
  auto ready = get_ready(std::move(order));
  if (!ready) {
    std::fprintf(stderr, "series: %s\n", source_text(ready.why()).c_str());
    return std::nullopt;
  }
  SeriesRunner runner(std::move(ready).value(), ports);
  JobFigures figures;
  TimePoint last_done{};
  QObject::connect(&runner, &SeriesRunner::radio_finished, [&](int, const LogLine& line) {
    if (line.result != RadioResult::Ok) return;
    ++figures.ok;
    figures.worst_ratio = std::max(figures.worst_ratio, ms(line.elapsed) / ms(floor));
    last_done = Clock::now();
  });
  QEventLoop loop;
  QObject::connect(&runner, &SeriesRunner::finished, &loop, &QEventLoop::quit);
  QTimer::singleShot(kPatience, &loop, &QEventLoop::quit);
  const TimePoint start = Clock::now();
  runner.start();
  if (!runner.over()) loop.exec();
  figures.per_hour = figures.ok * 3'600'000.0 / ms(last_done - start);
  std::printf("%d station%s  %2d radios  worst radio %.3f x floor (%.1f ms)  %6.1f radios/hour\n",
              stations, stations > 1 ? "s" : " ", figures.ok, figures.worst_ratio, ms(floor),
              figures.per_hour);
  return figures;
}

int run(int radios) {
  const QString radio_program =
      QCoreApplication::applicationDirPath() + QStringLiteral("/m27-fake-radio");
  std::printf(
      "m27-fake-radio --paced --delay %d --swap-after 1500, %d radios a station; goals: a radio "
      "<= %.2f x floor, 4 stations >= %.1f x the radios per hour of 1\n",
      static_cast<int>(kReplyDelay.count()), radios, kRadioGoal, kScalingGoal);
  std::vector<JobFigures> jobs;
  for (int stations : {1, 2, 4}) {
    const auto figures = run_job(stations, radios, radio_program);
    if (!figures || figures->ok != stations * radios) return 1;
    jobs.push_back(*figures);
  }
  const double scaling = jobs.back().per_hour / jobs.front().per_hour;
  const bool radios_met = std::all_of(jobs.begin(), jobs.end(), [](const JobFigures& job) {
    return job.worst_ratio <= kRadioGoal;
  });
  const bool met = radios_met && scaling >= kScalingGoal;
  std::printf("4 stations: %.2f x the radios per hour of 1  %s\n", scaling,
              met ? "ok" : "goal missed");
  return met ? 0 : 1;
}

}  // namespace
}  // namespace m27

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  return m27::run(argc > 1 ? std::max(1, std::atoi(argv[1])) : 3);
}
