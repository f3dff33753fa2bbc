// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/series_command.h"

#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <iostream>

#include "cli/console_player.h"
#include "cli/exit_status.h"
#include "cli/file_path.h"
#include "cli/help.h"
#include "cli/series_console.h"
#include "cli/session.h"
#include "cli/stop_signal.h"
#include "files/file_commands.h"
#include "i18n/translated.h"
#include "link/qt/port_words.h"
#include "series/qt/default_log.h"
#include "series/qt/series_order_from.h"
#include "series/qt/series_runner.h"
#include "series/series_report.h"

namespace m27 {
namespace {

// A station for each port named; refused when a port names no device or two name one.
Result<std::vector<StationPort>> stations_of(const QList<PortChoice>& choices,
                                             const PortMap& ports) {
  std::vector<StationPort> stations;
  for (const PortChoice& choice : choices) {
    const bool numbered = choice.device.isEmpty();
    const QString name = numbered ? QStringLiteral("com%1").arg(choice.port_no) : choice.device;
    const QString device = numbered ? ports.device(choice.port_no) : choice.device;
    if (device.isEmpty()) {
      return Failure{QStringLiteral("--port %1: no such port (--port %1=DEVICE before the command "
                                    "sets one)")
                         .arg(name)
                         .toStdString()};
    }
    if (!QFileInfo::exists(device)) {
      return Failure{QStringLiteral("--port %1: %2")
                         .arg(name, cannot_open(OpenOutcome::DoesNotExist, device))
                         .toStdString()};
    }
    stations.push_back({name, device});
  }
  if (const auto same = same_device(stations)) {
    return Failure{QStringLiteral("--port %1 and --port %2 are the same device")
                       .arg(stations[same->first].name, stations[same->second].name)
                       .toStdString()};
  }
  return stations;
}

std::filesystem::path log_path(const QString& named) {
  if (!named.isEmpty()) return file_path(named);
  return default_series_log();
}

// The job made ready from the template file, or why not (told on `console`); the order's part of
// its report goes into `report`.
std::optional<ReadySeries> ready_series(const SeriesArgs& args,
                                        const std::vector<StationPort>& stations,
                                        SeriesConsole& console, SeriesReport& report) {
  Sheet sheet = startup_sheet();
  if (const auto refusal = open_whole_channel_file(sheet, file_path(args.template_file))) {
    console.note(message_line(translated(*refusal)));
    return std::nullopt;
  }
  PreparedWrite prepared = prepare_write(sheet);
  auto plan = prepared.plan();
  if (!plan) {
    console.note(message_line(translated(*prepared.refusal())));
    return std::nullopt;
  }
  QFile file(args.template_file);
  if (!file.open(QIODevice::ReadOnly)) {
    console.note(message_line(attention(file.errorString().toStdString())));
    return std::nullopt;
  }
  SeriesOrder order = series_order_from(std::move(prepared.sheet), *plan, file.readAll());
  order.first_id = args.first_id;
  order.last_id = args.last_id;
  order.keep_id = args.keep_id;
  order.count = args.count;
  for (const StationPort& station : stations) order.ports.push_back(station.name.toStdString());
  order.log_path = log_path(args.log);
  order.create_log = args.new_log;
  report = order_report(order, QFileInfo(args.template_file).fileName().toStdString());
  auto ready = get_ready(std::move(order));
  if (!ready) {
    std::string line = message_line(attention(ready.reason()));
    // A typo in --log must not start a second pool of IDs: a new log is asked for by name.
    if (ready.reason().starts_with(kLogMissing)) line += " (--new-log creates it)";
    console.note(line);
    return std::nullopt;
  }
  return std::move(ready).value();
}

// Until the job is over; a stop signal stops it after the exchanges in flight. The signal that
// stopped it, 0 when none did.
int run_to_its_end(SeriesRunner& runner) {
  StopSignal stop;
  QEventLoop loop;
  stop.on_arrival([&runner] { runner.stop(); });
  QObject::connect(&runner, &SeriesRunner::finished, &loop, &QEventLoop::quit);
  runner.start();
  if (!runner.over()) loop.exec();
  return stop.signal_number();
}

bool no_port_opened(const SeriesRunner& runner, std::size_t stations) {
  for (std::size_t i = 0; i < stations; ++i) {
    if (runner.open_outcome(i) == OpenOutcome::Opened) return false;
  }
  return true;
}

// A job that could not go on fails whatever else happened; a stop by a signal says so, and only
// the radios that failed (not those the stop interrupted) make the job's failure.
int exit_status(const SeriesJob& job, int signal_number) {
  if (job.failure()) return kExitFailure;
  if (signal_number > 0) return kExitStopped + signal_number;
  return job.totals().failed > 0 ? kExitRadioFailed : kExitSuccess;
}

// Whether the report of the job could be written to `file`; why not is told on `console`.
bool report_written(const QString& file, SeriesReport report, const SeriesRunner& runner,
                    bool stopped_by_signal, SeriesConsole& console) {
  runner.fill_in(report);
  report.interrupted = stopped_by_signal;
  const auto failure = write_report(file_path(file), report);
  if (failure) console.note("m27: --report " + file.toStdString() + ": " + failure->reason);
  return !failure;
}

}  // namespace

int run_series(const SeriesArgs& args, const PortMap& ports) {
  const auto stations = stations_of(args.ports, ports);
  if (!stations) {
    std::cerr << usage_error(QStringLiteral("series: ") + QString::fromStdString(stations.reason()))
                     .toStdString();
    return kExitUsage;
  }
  std::vector<std::string> names;
  for (const StationPort& station : *stations) names.push_back(station.name.toStdString());
  SeriesConsole console(std::cout, std::cerr, stderr_terminal(), names);
  SeriesReport report;
  auto ready = ready_series(args, *stations, console, report);
  if (!ready) return kExitFailure;
  SeriesRunner runner(std::move(*ready), *stations);
  for (const std::string& warning : runner.log_warnings()) console.note(warning);
  QObject::connect(&runner, &SeriesRunner::shown,
                   [&](int station, const ShowState& state) { console.show(station, state); });
  QObject::connect(&runner, &SeriesRunner::radio_finished,
                   [&](int, const LogLine& line) { console.data(radio_line(line)); });
  // A station's own reason; the log's failure, which stops them all, is told once at the end.
  QObject::connect(&runner, &SeriesRunner::station_stopped, [&](int station, const QString& why) {
    const std::string reason = why.toStdString();
    if (!reason.empty() && reason != runner.job().failure().value_or("")) {
      console.note(names[station] + ": " + reason);
    }
  });
  const int signal_number = run_to_its_end(runner);
  console.end_live();
  for (std::size_t i = 0; i < stations->size(); ++i) {
    if (const auto hint = dialout_hint(runner.open_outcome(i), (*stations)[i].device)) {
      console.note("m27: " + hint->toStdString());
      break;
    }
  }
  const bool reported = args.report.isEmpty() ||
                        report_written(args.report, report, runner, signal_number > 0, console);
  // Each port has said why it could not be opened; no radio was handled.
  if (no_port_opened(runner, stations->size())) return kExitFailure;
  console.data(summary_text(runner.job().totals(), runner.elapsed()));
  if (const auto failure = runner.job().failure()) console.note(message_line(attention(*failure)));
  const int status = exit_status(runner.job(), signal_number);
  return (reported || signal_number > 0) ? status : kExitFailure;
}

}  // namespace m27
