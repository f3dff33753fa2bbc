// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The arguments of the command-line commands, once parsed:
//   read --port DEV [--no-backup] FILE, write --port DEV [--verify] FILE,
//   verify --port DEV FILE, diff FILE FILE, id read --port DEV,
//   id write --port DEV --start N [--count K], monitor rssi|battery [--csv FILE] --port DEV,
//   monitor stop --port DEV,
//   rssi read --port DEV, rssi adjust --port DEV NARROW WIDE,
//   csv export [--layout grid|generic] IN.m27 OUT.csv,
//   csv import [--into BASE.m27] [--rows FIRST..LAST] [--skip-unfit] IN.csv OUT.m27, ports,
//   check [--port DEV | --find [--all]].
//   series TEMPLATE.m27 --ids FIRST..LAST [--port DEV]... [--keep-id] [--log FILE] [--new-log]
//   [--count N].
// DEV is a device path or com1..com16; --fake-radio (taken by the program before the command
// is parsed) stands for com1 when no --port is given.

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "channels/result.h"
#include "files/csv_commands.h"

namespace m27 {

// The port a command works on: a device path, or a port number of the port map.
struct PortChoice {
  QString device;   // empty when `port_no` chose the port
  int port_no = 0;  // 1..16, or 0 when `device` is the port
  friend bool operator==(const PortChoice&, const PortChoice&) = default;
};

struct ReadArgs {
  PortChoice port;
  QString file;
  bool backup = true;  // a copy of what was read goes to the backup folder too
  friend bool operator==(const ReadArgs&, const ReadArgs&) = default;
};
struct WriteArgs {
  PortChoice port;
  QString file;
  bool verify = false;  // read the radio back afterwards and compare
  friend bool operator==(const WriteArgs&, const WriteArgs&) = default;
};
struct VerifyArgs {
  PortChoice port;
  QString file;
  friend bool operator==(const VerifyArgs&, const VerifyArgs&) = default;
};
struct DiffArgs {
  QString first;
  QString second;
  friend bool operator==(const DiffArgs&, const DiffArgs&) = default;
};
struct IdReadArgs {
  PortChoice port;
  friend bool operator==(const IdReadArgs&, const IdReadArgs&) = default;
};
struct IdWriteArgs {
  PortChoice port;
  std::string start;  // as typed: the ID field's own check decides whether it may be sent
  int count = 1;      // radios in the series
  friend bool operator==(const IdWriteArgs&, const IdWriteArgs&) = default;
};
// stop: only the stop request, for a stream a killed process left running.
enum class MonitorKind { Rssi, Battery, Stop };
struct MonitorArgs {
  PortChoice port;
  MonitorKind kind = MonitorKind::Rssi;
  QString csv = {};  // empty: no file of the samples
  friend bool operator==(const MonitorArgs&, const MonitorArgs&) = default;
};
struct RssiReadArgs {
  PortChoice port;
  friend bool operator==(const RssiReadArgs&, const RssiReadArgs&) = default;
};
struct RssiAdjustArgs {
  PortChoice port;
  std::string narrow;  // as typed, checked as the dialog's fields are
  std::string wide;
  friend bool operator==(const RssiAdjustArgs&, const RssiAdjustArgs&) = default;
};

struct CsvExportArgs {
  CsvLayout layout = CsvLayout::Grid;
  QString channel_file;
  QString csv_file;
  friend bool operator==(const CsvExportArgs&, const CsvExportArgs&) = default;
};
struct CsvImportArgs {
  QString base;  // empty: the start-up sheet
  QString csv_file;
  QString channel_file;
  CsvSelection selection;
  friend bool operator==(const CsvImportArgs&, const CsvImportArgs&) = default;
};
struct PortsArgs {
  friend bool operator==(const PortsArgs&, const PortsArgs&) = default;
};
struct CheckArgs {
  std::optional<PortChoice> port;  // nullopt: com1, or a search when com1 maps to nothing
  bool find = false;               // search every port where a programming cable can be
  bool all = false;                // the search probes every other serial port too
  friend bool operator==(const CheckArgs&, const CheckArgs&) = default;
};

struct SeriesArgs {
  QString template_file;
  std::uint32_t first_id = 0;
  std::uint32_t last_id = 0;
  QList<PortChoice> ports = {};  // a station each, com1 when none is given
  bool keep_id = false;
  QString log = {};               // empty: the default log of every job
  bool new_log = false;           // a log file that does not exist yet may be created
  std::optional<int> count = {};  // radios ok, then the job ends
  QString report = {};            // the job's report goes here when it ends; empty: none
  friend bool operator==(const SeriesArgs&, const SeriesArgs&) = default;
};

using CliCommand = std::variant<ReadArgs, WriteArgs, VerifyArgs, DiffArgs, IdReadArgs, IdWriteArgs,
                                MonitorArgs, RssiReadArgs, RssiAdjustArgs, CsvExportArgs,
                                CsvImportArgs, PortsArgs, CheckArgs, SeriesArgs>;

// Parses what follows the command `name` (read, write, verify, diff, id, monitor, rssi, csv,
// ports, check, series). `fake_radio`: the program runs the fake radio on com1, which a command
// without --port then uses. A failure says what is wrong, for the usage message.
Result<CliCommand> parse_cli_command(const QString& name, const QStringList& args, bool fake_radio);

// "com3" (any case) as port 3, anything else as a device path; a refusal for com0, com17, an
// empty text and "comN=DEV" (which belongs before the command).
Result<PortChoice> parse_port_choice(const QString& text);

}  // namespace m27
