// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/arguments.h"

#include <QRegularExpression>
#include <cstdint>
#include <map>
#include <optional>

#include "cli/cli_words.h"
#include "link/qt/port_map.h"
#include "service/digits.h"

namespace m27 {
namespace {

const QString kPort = QStringLiteral("--port");
const QString kStart = QStringLiteral("--start");
const QString kCount = QStringLiteral("--count");
const QString kLayout = QStringLiteral("--layout");
const QString kInto = QStringLiteral("--into");
const QString kRowRange = QStringLiteral("--rows");
const QString kSkipUnfit = QStringLiteral("--skip-unfit");
const QString kNoBackup = QStringLiteral("--no-backup");
const QString kVerify = QStringLiteral("--verify");
const QString kFind = QStringLiteral("--find");
const QString kAll = QStringLiteral("--all");
const QString kIds = QStringLiteral("--ids");
const QString kKeepId = QStringLiteral("--keep-id");
const QString kLog = QStringLiteral("--log");
const QString kCsv = QStringLiteral("--csv");
const QString kReport = QStringLiteral("--report");
const QString kNewLog = QStringLiteral("--new-log");

Failure failure(const QString& reason) { return Failure{reason.toStdString()}; }

// The options ("--name VALUE" or "--name=VALUE", each at most once unless it may be repeated),
// the flags (each at most once, "--name") and the other words.
struct Scanned {
  std::map<QString, QStringList> options;
  QStringList flags;
  QStringList words;

  std::optional<QString> option(const QString& name) const {
    const auto found = options.find(name);
    if (found == options.end()) return std::nullopt;
    return found->second.front();
  }
  QStringList all(const QString& name) const {
    const auto found = options.find(name);
    return found == options.end() ? QStringList() : found->second;
  }
};

bool is_option(const QString& arg) { return arg.size() > 1 && arg.startsWith(QLatin1Char('-')); }

Result<Scanned> scan(const QStringList& args, const QStringList& known,
                     const QStringList& flags = {}, const QStringList& repeatable = {}) {
  Scanned scanned;
  for (qsizetype i = 0; i < args.size(); ++i) {
    const QString& arg = args[i];
    if (!is_option(arg)) {
      scanned.words << arg;
      continue;
    }
    if (flags.contains(arg)) {
      if (scanned.flags.contains(arg))
        return failure(cli_words(QT_TRANSLATE_NOOP("cli", "%1 is given twice")).arg(arg));
      scanned.flags << arg;
      continue;
    }
    const qsizetype equals = arg.indexOf(QLatin1Char('='));
    const QString name = equals < 0 ? arg : arg.left(equals);
    if (!known.contains(name))
      return failure(cli_words(QT_TRANSLATE_NOOP("cli", "unknown option %1")).arg(arg));
    if (scanned.options.count(name) && !repeatable.contains(name)) {
      return failure(cli_words(QT_TRANSLATE_NOOP("cli", "%1 is given twice")).arg(name));
    }
    QString value;
    if (equals >= 0) {
      value = arg.mid(equals + 1);
    } else if (++i < args.size()) {
      value = args[i];
    } else {
      return failure(cli_words(QT_TRANSLATE_NOOP("cli", "%1 needs a value")).arg(name));
    }
    scanned.options[name] << value;
  }
  return scanned;
}

Result<PortChoice> port_of(const Scanned& scanned, bool fake_radio) {
  if (const auto text = scanned.option(kPort)) return parse_port_choice(*text);
  if (fake_radio) return PortChoice{{}, kFirstPort};
  return failure(cli_words(QT_TRANSLATE_NOOP(
      "cli",
      "which port? give --port DEV (a device such as /dev/ttyUSB0, or com1..com16) or "
      "--fake-radio")));
}

Result<int> count_of(const Scanned& scanned) {
  const auto text = scanned.option(kCount);
  if (!text) return 1;
  bool ok = false;
  const int count = text->toInt(&ok);
  if (!ok || count < 1 || !text->front().isDigit()) {
    return failure(
        cli_words(QT_TRANSLATE_NOOP("cli", "--count %1: expected a number of radios, 1 or more"))
            .arg(*text));
  }
  return count;
}

// The one word a command expects after its name (id read, monitor rssi ...): which of `choices`.
Result<QString> choice_of(const QStringList& words, const QStringList& choices,
                          const QString& command) {
  if (words.isEmpty() || !choices.contains(words.front())) {
    return failure(cli_words(QT_TRANSLATE_NOOP("cli", "%1 needs one of: %2"))
                       .arg(command, choices.join(QLatin1String(", "))));
  }
  return words.front();
}

Failure extra_words(const QStringList& words) {
  return failure(cli_words(QT_TRANSLATE_NOOP("cli", "unexpected argument %1")).arg(words.front()));
}

Result<CliCommand> parse_file_command(const QString& name, const QStringList& args,
                                      bool fake_radio) {
  const bool read = name == QLatin1String("read");
  const bool write = name == QLatin1String("write");
  const QStringList flags = read    ? QStringList{kNoBackup}
                            : write ? QStringList{kVerify}
                                    : QStringList{};
  const auto scanned = scan(args, {kPort}, flags);
  if (!scanned) return Failure{scanned.reason()};
  if (scanned->words.isEmpty())
    return failure(cli_words(QT_TRANSLATE_NOOP("cli", "FILE is missing")));
  if (scanned->words.size() > 1) return extra_words(scanned->words.mid(1));
  auto port = port_of(*scanned, fake_radio);
  if (!port) return Failure{port.reason()};
  const QString& file = scanned->words.front();
  if (read) return CliCommand{ReadArgs{*port, file, !scanned->flags.contains(kNoBackup)}};
  if (write) return CliCommand{WriteArgs{*port, file, scanned->flags.contains(kVerify)}};
  return CliCommand{VerifyArgs{*port, file}};
}

Result<CliCommand> parse_diff(const QStringList& args) {
  const auto scanned = scan(args, {});
  if (!scanned) return Failure{scanned.reason()};
  if (scanned->words.size() < 2)
    return failure(cli_words(QT_TRANSLATE_NOOP("cli", "needs two files, A and B")));
  if (scanned->words.size() > 2) return extra_words(scanned->words.mid(2));
  return CliCommand{DiffArgs{scanned->words[0], scanned->words[1]}};
}

Result<CliCommand> parse_id(const QStringList& args, bool fake_radio) {
  const auto scanned = scan(args, {kPort, kStart, kCount});
  if (!scanned) return Failure{scanned.reason()};
  const auto choice = choice_of(scanned->words, {"read", "write"}, QStringLiteral("id"));
  if (!choice) return Failure{choice.reason()};
  if (scanned->words.size() > 1) return extra_words(scanned->words.mid(1));
  auto port = port_of(*scanned, fake_radio);
  if (!port) return Failure{port.reason()};
  if (*choice == QLatin1String("read")) {
    for (const QString& option : {kStart, kCount}) {
      if (scanned->option(option)) {
        return failure(cli_words(QT_TRANSLATE_NOOP("cli", "%1 belongs to id write")).arg(option));
      }
    }
    return CliCommand{IdReadArgs{*port}};
  }
  const auto start = scanned->option(kStart);
  if (!start)
    return failure(cli_words(QT_TRANSLATE_NOOP("cli", "id write needs --start N, the first ID")));
  const auto count = count_of(*scanned);
  if (!count) return Failure{count.reason()};
  return CliCommand{IdWriteArgs{*port, start->toStdString(), *count}};
}

Result<CliCommand> parse_monitor(const QStringList& args, bool fake_radio) {
  const auto scanned = scan(args, {kPort, kCsv});
  if (!scanned) return Failure{scanned.reason()};
  const auto choice =
      choice_of(scanned->words, {"rssi", "battery", "stop"}, QStringLiteral("monitor"));
  if (!choice) return Failure{choice.reason()};
  if (scanned->words.size() > 1) return extra_words(scanned->words.mid(1));
  auto port = port_of(*scanned, fake_radio);
  if (!port) return Failure{port.reason()};
  const auto kind = *choice == QLatin1String("rssi")      ? MonitorKind::Rssi
                    : *choice == QLatin1String("battery") ? MonitorKind::Battery
                                                          : MonitorKind::Stop;
  const QString csv = scanned->option(kCsv).value_or(QString());
  if (kind == MonitorKind::Stop && scanned->option(kCsv)) {
    return failure(
        cli_words(QT_TRANSLATE_NOOP("cli", "--csv belongs to monitor rssi and monitor battery")));
  }
  if (scanned->option(kCsv) && csv.isEmpty())
    return failure(cli_words(QT_TRANSLATE_NOOP("cli", "--csv needs a file")));
  return CliCommand{MonitorArgs{*port, kind, csv}};
}

Result<CliCommand> parse_rssi(const QStringList& args, bool fake_radio) {
  const auto scanned = scan(args, {kPort});
  if (!scanned) return Failure{scanned.reason()};
  const auto choice = choice_of(scanned->words, {"read", "adjust"}, QStringLiteral("rssi"));
  if (!choice) return Failure{choice.reason()};
  const QStringList values = scanned->words.mid(1);
  auto port = port_of(*scanned, fake_radio);
  if (*choice == QLatin1String("read")) {
    if (!values.isEmpty()) return extra_words(values);
    if (!port) return Failure{port.reason()};
    return CliCommand{RssiReadArgs{*port}};
  }
  if (values.size() < 2)
    return failure(cli_words(QT_TRANSLATE_NOOP("cli", "rssi adjust needs NARROW and WIDE")));
  if (values.size() > 2) return extra_words(values.mid(2));
  if (!port) return Failure{port.reason()};
  return CliCommand{RssiAdjustArgs{*port, values[0].toStdString(), values[1].toStdString()}};
}

// Exactly `count` words, named in `names` for the message when some are missing.
std::optional<Failure> word_count(const QStringList& words, qsizetype count, const QString& names) {
  if (words.size() < count)
    return failure(cli_words(QT_TRANSLATE_NOOP("cli", "needs %1")).arg(names));
  if (words.size() > count) return extra_words(words.mid(count));
  return std::nullopt;
}

// The ends of "OPTION FIRST..LAST", each read by `digits_value` (nothing for one above
// 4294967295); any other form fails with "OPTION TEXT: expected FIRST..LAST, " and `hint`.
using RangeEnds = std::pair<std::optional<std::uint32_t>, std::optional<std::uint32_t>>;
Result<RangeEnds> range_of(const QString& option, const QString& text, const QString& hint) {
  static const QRegularExpression kRange(QStringLiteral("^([0-9]+)\\.\\.([0-9]+)$"));
  const auto match = kRange.match(text);
  if (!match.hasMatch()) {
    return failure(cli_words(QT_TRANSLATE_NOOP("cli", "%1 %2: expected FIRST..LAST, %3"))
                       .arg(option, text, hint));
  }
  return RangeEnds{digits_value(match.captured(1).toStdString()),
                   digits_value(match.captured(2).toStdString())};
}

// "--rows FIRST..LAST": 1 <= FIRST <= LAST <= 999999, at most 25 rows, as the radio holds.
Result<CsvRowRange> row_range_of(const QString& text) {
  constexpr std::uint32_t kLastRow = 999999;
  const QString hint = cli_words(QT_TRANSLATE_NOOP("cli", "rows counted from 1"));
  const auto ends = range_of(kRowRange, text, hint);
  if (!ends) return Failure{ends.reason()};
  const auto [first, last] = *ends;
  if (!first || !last || *first < 1 || *first > *last || *last > kLastRow) {
    return failure(
        cli_words(QT_TRANSLATE_NOOP("cli", "--rows %1: expected FIRST..LAST, %2")).arg(text, hint));
  }
  if (*last - *first >= kRows) {
    return failure(
        cli_words(QT_TRANSLATE_NOOP("cli", "--rows %1: at most 25 rows, the radio's channels"))
            .arg(text));
  }
  return CsvRowRange{static_cast<int>(*first), static_cast<int>(*last)};
}

Result<CliCommand> parse_csv(const QStringList& args) {
  const auto scanned = scan(args, {kLayout, kInto, kRowRange}, {kSkipUnfit});
  if (!scanned) return Failure{scanned.reason()};
  const auto choice = choice_of(scanned->words, {"export", "import"}, QStringLiteral("csv"));
  if (!choice) return Failure{choice.reason()};
  const QStringList files = scanned->words.mid(1);
  if (*choice == QLatin1String("export")) {
    for (const QString& option : {kInto, kRowRange, kSkipUnfit}) {
      if (scanned->option(option) || scanned->flags.contains(option)) {
        return failure(cli_words(QT_TRANSLATE_NOOP("cli", "%1 belongs to csv import")).arg(option));
      }
    }
    if (const auto wrong =
            word_count(files, 2, cli_words(QT_TRANSLATE_NOOP("cli", "IN.m27 and OUT.csv"))))
      return *wrong;
    const QString layout = scanned->option(kLayout).value_or(QStringLiteral("grid"));
    if (layout != QLatin1String("grid") && layout != QLatin1String("generic")) {
      return failure(
          cli_words(QT_TRANSLATE_NOOP("cli", "--layout %1: expected grid or generic")).arg(layout));
    }
    const auto kind = layout == QLatin1String("grid") ? CsvLayout::Grid : CsvLayout::Generic;
    return CliCommand{CsvExportArgs{kind, files[0], files[1]}};
  }
  if (scanned->option(kLayout)) {
    return failure(cli_words(
        QT_TRANSLATE_NOOP("cli", "--layout belongs to csv export; an import reads either layout")));
  }
  if (const auto wrong =
          word_count(files, 2, cli_words(QT_TRANSLATE_NOOP("cli", "IN.csv and OUT.m27"))))
    return *wrong;
  CsvSelection selection{std::nullopt, scanned->flags.contains(kSkipUnfit)};
  if (const auto text = scanned->option(kRowRange)) {
    const auto range = row_range_of(*text);
    if (!range) return Failure{range.reason()};
    selection.rows = *range;
  }
  return CliCommand{
      CsvImportArgs{scanned->option(kInto).value_or(QString()), files[0], files[1], selection}};
}

// "--ids FIRST..LAST": IDs from 0 to 4294967295, FIRST not above LAST.
Result<std::pair<std::uint32_t, std::uint32_t>> id_range_of(const QString& text) {
  const auto ends = range_of(kIds, text, cli_words(QT_TRANSLATE_NOOP("cli", "such as 5000..5199")));
  if (!ends) return Failure{ends.reason()};
  const auto [first, last] = *ends;
  if (!first || !last) {
    return failure(
        cli_words(QT_TRANSLATE_NOOP("cli", "--ids %1: the IDs go from 0 to 4294967295")).arg(text));
  }
  if (*first > *last)
    return failure(cli_words(QT_TRANSLATE_NOOP("cli", "--ids %1: FIRST is above LAST")).arg(text));
  if (*last == 0)
    return failure(
        cli_words(QT_TRANSLATE_NOOP("cli", "--ids %1: no radio is given ID 0")).arg(text));
  return std::pair{*first, *last};
}

Result<CliCommand> parse_series(const QStringList& args) {
  const auto scanned =
      scan(args, {kIds, kPort, kLog, kCount, kReport}, {kKeepId, kNewLog}, {kPort});
  if (!scanned) return Failure{scanned.reason()};
  if (const auto wrong = word_count(scanned->words, 1, QStringLiteral("TEMPLATE.m27"))) {
    return *wrong;
  }
  const auto ids_text = scanned->option(kIds);
  if (!ids_text)
    return failure(
        cli_words(QT_TRANSLATE_NOOP("cli", "series needs --ids FIRST..LAST, the IDs to hand out")));
  const auto ids = id_range_of(*ids_text);
  if (!ids) return Failure{ids.reason()};
  SeriesArgs series{scanned->words.front(), ids->first, ids->second};
  for (const QString& text : scanned->all(kPort)) {
    const auto port = parse_port_choice(text);
    if (!port) return Failure{port.reason()};
    series.ports << *port;
  }
  if (series.ports.isEmpty()) series.ports << PortChoice{{}, kFirstPort};
  series.keep_id = scanned->flags.contains(kKeepId);
  series.new_log = scanned->flags.contains(kNewLog);
  series.log = scanned->option(kLog).value_or(QString());
  if (scanned->option(kLog) && series.log.isEmpty()) {
    return failure(cli_words(QT_TRANSLATE_NOOP("cli", "--log needs a file")));
  }
  series.report = scanned->option(kReport).value_or(QString());
  if (scanned->option(kReport) && series.report.isEmpty()) {
    return failure(cli_words(QT_TRANSLATE_NOOP("cli", "--report needs a file")));
  }
  if (scanned->option(kCount)) {
    const auto count = count_of(*scanned);
    if (!count) return Failure{count.reason()};
    series.count = *count;
  }
  return CliCommand{series};
}

Result<CliCommand> parse_ports(const QStringList& args) {
  if (!args.isEmpty()) return extra_words(args);
  return CliCommand{PortsArgs{}};
}

Result<CliCommand> parse_check(const QStringList& args) {
  const auto scanned = scan(args, {kPort}, {kFind, kAll});
  if (!scanned) return Failure{scanned.reason()};
  if (!scanned->words.isEmpty()) return extra_words(scanned->words);
  const bool find = scanned->flags.contains(kFind);
  const bool all = scanned->flags.contains(kAll);
  if (all && !find) return failure(cli_words(QT_TRANSLATE_NOOP("cli", "--all goes with --find")));
  const auto text = scanned->option(kPort);
  if (!text) return CliCommand{CheckArgs{std::nullopt, find, all}};
  if (find)
    return failure(
        cli_words(QT_TRANSLATE_NOOP("cli", "--find searches every port; --port checks one")));
  const auto port = parse_port_choice(*text);
  if (!port) return Failure{port.reason()};
  return CliCommand{CheckArgs{*port, false}};
}

}  // namespace

Result<PortChoice> parse_port_choice(const QString& text) {
  if (text.isEmpty())
    return failure(cli_words(QT_TRANSLATE_NOOP("cli", "--port needs a device or com1..com16")));
  if (parse_port_assignment(text)) {
    return failure(cli_words(QT_TRANSLATE_NOOP("cli",
                                               "--port %1: comN=DEVICE belongs before the command; "
                                               "after it, --port names the port "
                                               "to use (a device, or com1..com16)"))
                       .arg(text));
  }
  static const QRegularExpression kPortNumber(QStringLiteral("^com([0-9]+)$"),
                                              QRegularExpression::CaseInsensitiveOption);
  const auto match = kPortNumber.match(text);
  if (!match.hasMatch()) return PortChoice{text, 0};
  bool ok = false;
  const int port_no = match.captured(1).toInt(&ok);
  if (!ok || port_no < kFirstPort || port_no > kLastPort) {
    return failure(
        cli_words(QT_TRANSLATE_NOOP("cli", "--port %1: the ports are com1 to com16")).arg(text));
  }
  return PortChoice{{}, port_no};
}

Result<CliCommand> parse_cli_command(const QString& name, const QStringList& args,
                                     bool fake_radio) {
  if (name == QLatin1String("read") || name == QLatin1String("write") ||
      name == QLatin1String("verify")) {
    return parse_file_command(name, args, fake_radio);
  }
  if (name == QLatin1String("diff")) return parse_diff(args);
  if (name == QLatin1String("id")) return parse_id(args, fake_radio);
  if (name == QLatin1String("monitor")) return parse_monitor(args, fake_radio);
  if (name == QLatin1String("rssi")) return parse_rssi(args, fake_radio);
  if (name == QLatin1String("csv")) return parse_csv(args);
  if (name == QLatin1String("ports")) return parse_ports(args);
  if (name == QLatin1String("check")) return parse_check(args);
  if (name == QLatin1String("series")) return parse_series(args);
  return failure(cli_words(QT_TRANSLATE_NOOP("cli", "unknown command %1")).arg(name));
}

}  // namespace m27
