// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>

#include "cli/display_columns.h"
#include "cli/help.h"
#include "i18n/translators.h"

namespace m27 {
namespace {

// What the program makes of `words`, in one line: the parts it found, or why it refused them.
std::string outcome(const QStringList& words) {
  const auto line = parse_command_line(words);
  if (!line.ok()) return "refused: " + line.reason();
  QStringList parts;
  for (const auto& port : line->ports)
    parts << QStringLiteral("com%1=%2").arg(port.port_no).arg(port.device);
  if (line->fake_radio) parts << QStringLiteral("fake radio");
  if (line->help) parts << QStringLiteral("help");
  if (line->version) parts << QStringLiteral("version");
  if (!line->trace.isEmpty()) parts << "trace " + line->trace;
  if (line->language) parts << QStringLiteral("language %1").arg(int(*line->language));
  if (!line->file.isEmpty()) parts << "window on " + line->file;
  if (!line->subcommand.isEmpty())
    parts << (QStringList{line->subcommand} + line->subcommand_args).join(' ');
  return parts.join(QLatin1String(", ")).toStdString();
}

// A trace before a command and an unknown command run end to end.
TEST(CommandLine, SplitsThePortsTheSwitchesAndTheCommandOrSaysWhatIsWrong) {
  struct Case {
    QStringList words;
    std::string expected;
  };
  const Case kCases[] = {
      {{}, ""},  // the window
      {{"--port", "com1=/dev/ttyUSB0", "--port=com3=/dev/ttyS2", "--port", "com1=/dev/pts/7"},
       "com1=/dev/ttyUSB0, com3=/dev/ttyS2, com1=/dev/pts/7"},
      {{"-h", "--version"}, "help, version"},
      // After the command everything but the three switches is the command's own.
      {{"--port", "com2=/dev/ttyS1", "rssi", "t.m27", "--help", "--fake-radio", "--port", "com3",
        "--trace", "t.log"},
       "com2=/dev/ttyS1, fake radio, help, rssi t.m27 --port com3 --trace t.log"},
      {{"--trace=t.log", "--fake-radio", "/home/dealer/SHOP.M27"},
       "fake radio, trace t.log, window on /home/dealer/SHOP.M27"},
      {{"--port"}, "refused: --port needs comN=DEVICE"},
      {{"--port", "com0=/dev/tty"},  // no port 0 in the menu
       "refused: --port com0=/dev/tty: expected comN=DEVICE with N from 1 to 16"},
      {{"--trace"}, "refused: --trace needs a value"},
      {{"--language=en", "--language", "zh", "ports"}, "language 1, ports"},  // the last one
      {{"--language", "de"}, "refused: --language: expected zh or en"},
      {{"--trace="}, "refused: --trace needs a file"},
      {{"-platform", "offscreen"}, "refused: unknown option -platform"},  // not Qt's own options
      {{"a.m27", "b.m27"}, "refused: the window opens one file"},
      {{"a.m27", "read"}, "refused: a.m27 opens in the window; it cannot go with a command"},
  };
  for (const auto& c : kCases)
    EXPECT_EQ(outcome(c.words), c.expected) << c.words.join(' ').toStdString();
}

// The manual page keeps up with the help: every command the help lists heads an item of the
// page's COMMANDS, every option it names is on the page, and so is its exit status.
TEST(ManualPage, CoversEveryCommandOptionAndExitStatusOfTheHelp) {
  QFile file(QStringLiteral(M27_MANUAL_PAGE));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  // Without roff's quotes, font changes and escaped minus signs.
  const QString page = QString::fromUtf8(file.readAll())
                           .replace(QStringLiteral("\\-"), QStringLiteral("-"))
                           .remove(QRegularExpression(QStringLiteral("\\\\f[BIRP]|\"")));
  QString help = usage();
  static const QRegularExpression kCommand(QStringLiteral("^  ([a-z]+(?: [a-z|]+)*)"),
                                           QRegularExpression::MultilineOption);
  const QString listed = help.section(QStringLiteral("\ncommands ("), 1).section("\n\n", 0, 0);
  for (const auto& command : kCommand.globalMatch(listed)) {
    const QString head = "\n.TP\n.B[IR]? " + QRegularExpression::escape(command.captured(1));
    EXPECT_TRUE(page.contains(QRegularExpression(head + "[ \n]"))) << head.toStdString();
    help += command_help(command.captured(1).section(' ', 0, 0));
  }
  static const QRegularExpression kOption(QStringLiteral("(?<![\\w-])--?[a-z][a-z-]*"));
  for (const auto& option : kOption.globalMatch(help)) {
    EXPECT_TRUE(page.contains(option.captured())) << option.captured().toStdString();
  }
  const QString exit_status = usage().section(QStringLiteral("Exit status: "), 1).simplified();
  EXPECT_TRUE(page.simplified().contains(".SH EXIT STATUS " + exit_status)) << page.toStdString();
}

// The help and each command's help fit a terminal of 80 columns in every language (a Chinese
// character takes two), and each is in the language asked for.
TEST(Help, FitsEightyColumnsInEveryLanguage) {
  int argc = 1;
  char name[] = "m27";
  char* argv[] = {name};
  QCoreApplication app(argc, argv);
  const struct {
    Language language;
    const char* usage;
    bool quotes_chinese;  // the read's help names the window's 读取频率
  } kLanguages[] = {{Language::AsWritten, "usage:", true},
                    {Language::English, "usage:", false},
                    {Language::Chinese, "用法：", true}};
  for (const auto& l : kLanguages) {
    use_language(app, l.language, Face::CommandLine);
    QStringList helps{usage()};
    for (std::string_view command : kSubcommands) {
      helps << command_help(QString::fromLatin1(command.data(), command.size()));
    }
    for (const QString& help : helps) {
      EXPECT_TRUE(help.startsWith(QString::fromUtf8(l.usage))) << help.toStdString();
      for (const QString& line : help.split(QLatin1Char('\n'))) {
        const std::string text = line.toStdString();
        EXPECT_EQ(cut_to_columns(text, 80), text) << static_cast<int>(l.language);
      }
    }
    EXPECT_EQ(command_help(QStringLiteral("read")).contains(QStringLiteral("读取频率")),
              l.quotes_chinese);
  }
  use_language(app, Language::AsWritten, Face::CommandLine);
}

}  // namespace
}  // namespace m27
