// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <optional>

#include "cli/help.h"
#include "version.h"

namespace m27 {
namespace {

bool is_subcommand(const QString& word) {
  return std::any_of(kSubcommands.begin(), kSubcommands.end(), [&](std::string_view name) {
    return word == QLatin1String(name.data(), static_cast<qsizetype>(name.size()));
  });
}

Failure failure(const QString& reason) { return Failure{reason.toStdString()}; }

// "--name VALUE" or "--name=VALUE" at args[i] (which it moves past the value); nullopt when
// args[i] is another argument, a failure when the value is missing.
std::optional<Result<QString>> option_value(const QStringList& args, qsizetype& i,
                                            const QString& name) {
  const QString& arg = args[i];
  if (arg.startsWith(name + QLatin1Char('='))) return Result<QString>(arg.mid(name.size() + 1));
  if (arg != name) return std::nullopt;
  if (++i == args.size()) return Result<QString>(failure(name + QStringLiteral(" needs a value")));
  return Result<QString>(args[i]);
}

bool is_file(const QString& word) {
  return word.endsWith(QLatin1String(".m27"), Qt::CaseInsensitive) || QFileInfo::exists(word);
}

// The options, before the commands' part of the help.
const char* const kUsage = QT_TRANSLATE_NOOP(
    "cli",
    "usage: m27 [--port comN=DEVICE]... [--trace FILE] [--language zh|en]\n"
    "           [--fake-radio] [FILE.m27]\n"
    "       m27 [--port comN=DEVICE]... [--trace FILE] [--language zh|en] COMMAND\n"
    "           [--port DEV | --fake-radio] [ARGS...]\n"
    "\n"
    "Without a command m27 opens its window, on FILE.m27 if one is named; port 1\n"
    "is opened at start-up.\n"
    "With a command it works on the command line, without a window or a display.\n"
    "\n"
    "options:\n"
    "  --port comN=DEVICE  before the command: let port N (1..16) open DEVICE, for\n"
    "                      example --port com1=/dev/ttyUSB0; may be repeated.\n"
    "                      By default the system's serial ports are numbered from 1,\n"
    "                      USB adapters (ttyUSB*, ttyACM*) first.\n"
    "  --fake-radio        start the bundled radio model m27-fake-radio and put it "
    "on\n"
    "                      port 1 (set M27_FAKE_RADIO to use another program)\n"
    "  --trace FILE        before the command: append every chunk of bytes that\n"
    "                      crosses the port to FILE, one line each: milliseconds\n"
    "                      since the port opened, > sent or < received, the bytes\n"
    "                      in hexadecimal (12.345 > 53 03 00 00 04 5A); for a bug\n"
    "                      report\n"
    "  --language zh|en    before the command: speak Chinese or English for this "
    "run;\n"
    "                      by default LANGUAGE, LC_MESSAGES and LANG decide, and\n"
    "                      the C locale keeps the texts as written\n"
    "  --version           print the program's version\n"
    "  -h, --help          show this text; m27 COMMAND --help shows a command's\n");

}  // namespace

Result<CommandLine> parse_command_line(const QStringList& args) {
  CommandLine line;
  for (qsizetype i = 0; i < args.size(); ++i) {
    const QString& arg = args[i];
    if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
      line.help = true;
    } else if (arg == QLatin1String("--version")) {
      line.version = true;
    } else if (arg == QLatin1String("--fake-radio")) {
      line.fake_radio = true;
    } else if (!line.subcommand.isEmpty()) {
      line.subcommand_args << arg;  // after a command even --port is the command's own
    } else if (auto trace = option_value(args, i, QStringLiteral("--trace"))) {
      if (!*trace) return Failure{trace->reason()};
      if (trace->value().isEmpty()) return failure(QStringLiteral("--trace needs a file"));
      line.trace = trace->value();
    } else if (auto language = option_value(args, i, QStringLiteral("--language"))) {
      if (!*language) return Failure{language->reason()};
      line.language = language_named(language->value().toStdString());
      if (!line.language) return failure(QStringLiteral("--language: expected zh or en"));
    } else if (auto port = option_value(args, i, QStringLiteral("--port"))) {
      if (!*port) return failure(QStringLiteral("--port needs comN=DEVICE"));
      const QString& value = port->value();
      const auto assignment = parse_port_assignment(value);
      if (!assignment) {
        return failure(
            QStringLiteral("--port %1: expected comN=DEVICE with N from 1 to 16").arg(value));
      }
      line.ports.push_back(*assignment);
    } else if (is_subcommand(arg)) {
      if (!line.file.isEmpty()) {
        return failure(
            QStringLiteral("%1 opens in the window; it cannot go with a command").arg(line.file));
      }
      line.subcommand = arg;
    } else if (!arg.startsWith(QLatin1Char('-')) && is_file(arg)) {
      if (!line.file.isEmpty()) return failure(QStringLiteral("the window opens one file"));
      line.file = arg;
    } else if (arg.startsWith(QLatin1Char('-'))) {
      return failure(QStringLiteral("unknown option %1").arg(arg));
    } else {
      return failure(QStringLiteral("unknown command %1").arg(arg));
    }
  }
  return line;
}

QString usage() {
  return QCoreApplication::translate("cli", kUsage) + QLatin1Char('\n') + commands_help();
}

QString version_text() { return QStringLiteral("m27 ") + QLatin1String(kVersion); }

}  // namespace m27
