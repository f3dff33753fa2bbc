#include "app/command_line.h"

#include <QFileInfo>
#include <algorithm>

#include "cli/help.h"

namespace m27 {
namespace {

bool is_subcommand(const QString& word) {
  return std::any_of(kSubcommands.begin(), kSubcommands.end(), [&](std::string_view name) {
    return word == QLatin1String(name.data(), static_cast<qsizetype>(name.size()));
  });
}

Failure failure(const QString& reason) { return Failure{reason.toStdString()}; }

bool is_file(const QString& word) {
  return word.endsWith(QLatin1String(".m27"), Qt::CaseInsensitive) || QFileInfo::exists(word);
}

}  // namespace

Result<CommandLine> parse_command_line(const QStringList& args) {
  CommandLine line;
  for (qsizetype i = 0; i < args.size(); ++i) {
    const QString& arg = args[i];
    if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
      line.help = true;
    } else if (arg == QLatin1String("--fake-radio")) {
      line.fake_radio = true;
    } else if (!line.subcommand.isEmpty()) {
      line.subcommand_args << arg;  // after a command even --port is the command's own
    } else if (arg == QLatin1String("--port") || arg.startsWith(QLatin1String("--port="))) {
      QString value;
      if (arg == QLatin1String("--port")) {
        if (++i == args.size()) return failure(QStringLiteral("--port needs comN=DEVICE"));
        value = args[i];
      } else {
        value = arg.mid(7);
      }
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
  return QStringLiteral(
             "usage: m27 [--port comN=DEVICE]... [--fake-radio] [FILE.m27]\n"
             "       m27 [--port comN=DEVICE]... COMMAND [--port DEV | --fake-radio] [ARGS...]\n"
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
             "  --fake-radio        start the bundled radio model m27-fake-radio and put it on\n"
             "                      port 1 (set M27_FAKE_RADIO to use another program)\n"
             "  -h, --help          show this text; m27 COMMAND --help shows a command's\n"
             "\n") +
         commands_help();
}

}  // namespace m27
