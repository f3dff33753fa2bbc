// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commands.h"

#include <signal.h>
#include <unistd.h>

#include <iostream>
#include <optional>

#include "channels/sheet.h"
#include "channels/sheet_comparison.h"
#include "cli/backup.h"
#include "cli/check_command.h"
#include "cli/cli_words.h"
#include "cli/console_player.h"
#include "cli/csv_command.h"
#include "cli/data_lines.h"
#include "cli/diff_command.h"
#include "cli/exit_status.h"
#include "cli/file_path.h"
#include "cli/id_series.h"
#include "cli/line_reader.h"
#include "cli/missing_file.h"
#include "cli/ports_command.h"
#include "cli/radio_reading.h"
#include "cli/sample_file.h"
#include "cli/series_command.h"
#include "cli/session.h"
#include "cli/stop_signal.h"
#include "cli/verify_command.h"
#include "files/file_commands.h"
#include "i18n/translated.h"
#include "link/qt/port_trace.h"
#include "link/requests.h"
#include "link/write_transfer.h"
#include "service/id_operations.h"
#include "service/monitor_command.h"
#include "service/rssi_operations.h"

namespace m27 {
namespace {

int exit_status(bool ok) { return ok ? kExitSuccess : kExitFailure; }

ConsolePlayer console(ConsoleOptions options) {
  return ConsolePlayer(std::cout, std::cerr, std::move(options));
}

ConsoleOptions transfer_console() { return {isatty(STDERR_FILENO) == 1, {}}; }

// What a command a stop signal ended before its work was done says: a read keeps nothing, a
// write left the radio with a mix of the old and the new records.
const char* const kReadInterrupted = QT_TRANSLATE_NOOP("cli", "读频已中断");
const char* const kWriteInterrupted =
    QT_TRANSLATE_NOOP("cli", "写频已中断：对讲机中的数据可能不完整，请重新写频");

// The exit status of a command whose last exchange sequence failed: 128 + the signal's number
// when a stop signal ended it (saying `what` was interrupted), else a failure.
int failure(Session& session, const char* what) {
  return session.stopped() ? session.interrupted(cli_message(what)) : kExitFailure;
}

int run(const ReadArgs& args, const PortMap& ports) {
  ConsolePlayer player = console(transfer_console());
  StopSignal stop;
  Session session(ports, args.port, player, &stop);
  if (!session.open()) return kExitFailure;
  auto sheet = read_radio(session);
  if (!sheet) return failure(session, kReadInterrupted);
  if (args.backup) back_up(*sheet, player);
  if (const auto refusal = save_channel_file(*sheet, file_path(args.file))) {
    player.show(translated(*refusal));
    return kExitFailure;
  }
  return kExitSuccess;
}

int run(const WriteArgs& args, const PortMap& ports) {
  ConsolePlayer player = console(transfer_console());
  if (const auto missing = missing_file({args.file})) {
    player.show(*missing);
    return kExitFailure;
  }
  Sheet sheet = startup_sheet();
  if (const auto refusal = open_whole_channel_file(sheet, file_path(args.file))) {
    player.show(translated(*refusal));
    return kExitFailure;
  }
  const PreparedWrite prepared = prepare_write(sheet);
  const auto plan = prepared.plan();
  if (!plan) {
    player.show(translated(*prepared.refusal()));
    return kExitFailure;
  }
  StopSignal stop;
  Session session(ports, args.port, player, &stop);
  if (!session.open()) return kExitFailure;
  if (!session.run(std::make_unique<WriteTransfer>(*plan))) {
    return failure(session, kWriteInterrupted);
  }
  if (!args.verify) return kExitSuccess;
  const auto verified = verify_radio(prepared.sheet, session, player);
  if (!verified) player.show(translated(read_back_failure()));
  return verified.value_or(kExitFailure);
}

int run(const IdReadArgs& args, const PortMap& ports) {
  ConsolePlayer player = console({false, id_line});
  StopSignal stop;
  Session session(ports, args.port, player, &stop);
  if (!session.open()) return kExitFailure;
  if (session.run(std::make_unique<ReadId>())) return kExitSuccess;
  return failure(session, QT_TRANSLATE_NOOP("cli", "读ID已中断"));
}

// A stop signal ends the series after the exchange in flight, or while it waits for Enter.
int run(const IdWriteArgs& args, const PortMap& ports) {
  ConsolePlayer player = console({});
  // The operation refuses the ID itself, before the port is even opened.
  if (const auto refusal = WriteId(args.start).refusal()) {
    player.show(*refusal);
    return kExitFailure;
  }
  StopSignal stop;
  Session session(ports, args.port, player, &stop);
  if (!session.open()) return kExitFailure;
  const auto start = id_value(args.start);
  IdSeries series(*start, args.count);
  LineReader input(STDIN_FILENO);
  stop.on_arrival([&input] { input.end(); });
  bool taken = false;
  while (true) {
    const std::string id = series.fields().id;
    taken = session.run(std::make_unique<WriteId>(id));
    series.written(taken);
    if (taken) {
      player.data(
          cli_words(QT_TRANSLATE_NOOP("cli", "ID %1 成功数 %2"))
              .arg(QString::fromStdString(id), QString::fromStdString(series.fields().successes))
              .toStdString());
    }
    if (series.done() || session.stopped()) break;
    player.note(cli_words(QT_TRANSLATE_NOOP("cli",
                                            "Connect the next radio and press Enter to "
                                            "write ID %1 (Ctrl-D ends the series)."))
                    .arg(QString::fromStdString(series.fields().id))
                    .toStdString());
    if (!input.next_line()) break;
  }
  // Unless its last radio took its ID, a series a stop signal ended is cut short.
  if (session.stopped() && !(series.done() && taken)) {
    return session.interrupted(cli_message(QT_TRANSLATE_NOOP("cli", "写ID已中断")));
  }
  return exit_status(!series.any_failed());
}

// With --csv the samples go into the file as well; a file that fails is told once, the monitor
// goes on, and the command fails at its end.
int run(const MonitorArgs& args, const PortMap& ports) {
  const bool rssi = args.kind == MonitorKind::Rssi;
  ConsolePlayer player = console({false, monitor_line});
  StopSignal stop;
  Session session(ports, args.port, player);
  if (!session.open()) return kExitFailure;
  const auto end = rssi ? MonitorButton::StopRssi : MonitorButton::StopBattery;
  if (args.kind == MonitorKind::Stop) {
    return exit_status(session.run(std::make_unique<MonitorCommand>(end)));
  }
  std::optional<SampleFile> samples;
  if (!args.csv.isEmpty()) {
    samples.emplace(args.csv, rssi ? MonitorMode::Rssi : MonitorMode::Battery, std::cerr);
    if (!samples->open()) return kExitFailure;
  }
  // A reader that has gone away (m27 monitor ... | head) ends the monitor as Ctrl-C does; so
  // does a lost port, which fails the command.
  bool port_lost = false;
  QObject::connect(&session.driver(), &LinkDriver::reported, [&](const Event& e) {
    port_lost = port_lost || std::holds_alternative<PortLost>(e);
    if (const auto* packet = std::get_if<MonitorPacket>(&e); packet && samples) {
      samples->take(Clock::now(), packet->packet);
    }
    if (!std::cout || port_lost) stop.raise();
  });
  player.note(cli_words(rssi ? kRssiMonitorColumns : kBatteryMonitorColumns).toStdString());
  const auto start = rssi ? MonitorButton::StartRssi : MonitorButton::StartBattery;
  if (samples) samples->start(Clock::now());
  if (!session.run(std::make_unique<MonitorCommand>(start))) return kExitFailure;
  stop.wait();
  if (port_lost) return kExitFailure;
  const bool stopped = session.run(std::make_unique<MonitorCommand>(end));
  return exit_status(stopped && !(samples && samples->failed()));
}

int run(const RssiReadArgs& args, const PortMap& ports) {
  ConsolePlayer player = console({false, rssi_line});
  StopSignal stop;
  Session session(ports, args.port, player, &stop);
  if (!session.open()) return kExitFailure;
  if (session.run(std::make_unique<ReadRssi>())) return kExitSuccess;
  return failure(session, QT_TRANSLATE_NOOP("cli", "读取RSSI已中断"));
}

int run(const RssiAdjustArgs& args, const PortMap& ports) {
  ConsolePlayer player = console({});
  auto adjust = std::make_unique<AdjustRssi>(args.narrow, args.wide);
  // The operation refuses the values itself, before the port is even opened.
  if (const auto refusal = adjust->refusal()) {
    player.show(*refusal);
    return kExitFailure;
  }
  StopSignal stop;
  Session session(ports, args.port, player, &stop);
  if (!session.open()) return kExitFailure;
  if (session.run(std::move(adjust))) return kExitSuccess;
  return failure(session, QT_TRANSLATE_NOOP("cli", "调整RSSI已中断"));
}

int run(const SeriesArgs& args, const PortMap& ports) { return run_series(args, ports); }

}  // namespace

int run_cli_command(const CliCommand& command, const PortMap& ports) {
  signal(SIGPIPE, SIG_IGN);  // a closed output shows as a failed write instead of killing us
  QObject::connect(&port_trace(), &PortTrace::failed, [](const QString& file, const QString& why) {
    std::cerr << "m27: --trace " << file.toStdString() << ": " << why.toStdString() << std::endl;
  });
  return std::visit([&](const auto& args) { return run(args, ports); }, command);
}

}  // namespace m27
