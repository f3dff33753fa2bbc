// SPDX-License-Identifier: GPL-3.0-or-later
// The manual page keeps up with `m27 --help`: every option, command and exit status the help
// names has its place in packaging/m27.1.

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <algorithm>

#include "app/command_line.h"
#include "cli/help.h"

namespace m27 {
namespace {

// The page's text, near enough as man prints it: a font macro's words joined as it prints them
// (.BI "read \-\-port" " DEV" prints "read --port DEV"), "\-" a minus, font changes gone.
QString manual_text() {
  QFile file(QStringLiteral(M27_MANUAL_PAGE));
  if (!file.open(QIODevice::ReadOnly)) return {};
  static const QRegularExpression kFontMacro(QStringLiteral("^\\.(B|I|BI|BR|RB|IR|RI|IB) (.*)$"));
  static const QRegularExpression kArgument(QStringLiteral("\"([^\"]*)\"|(\\S+)"));
  QStringList lines;
  for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
    const auto macro = kFontMacro.match(line);
    if (!macro.hasMatch()) {
      lines << line;
      continue;
    }
    QStringList words;
    for (const auto& word : kArgument.globalMatch(macro.captured(2))) {
      words << (word.hasCaptured(1) ? word.captured(1) : word.captured(2));
    }
    lines << words.join(macro.captured(1).size() == 1 ? QStringLiteral(" ") : QString());
  }
  return lines.join('\n')
      .replace(QStringLiteral("\\-"), QStringLiteral("-"))
      .remove(QRegularExpression(QStringLiteral("\\\\f[BIRP]")));
}

// The part of the page from the heading `.SH NAME` up to the next heading.
QString section(const QString& text, const QString& name) {
  const qsizetype start = text.indexOf(".SH " + name + '\n');
  if (start < 0) return {};
  return text.mid(start, text.indexOf(QStringLiteral("\n.SH "), start + 1) - start);
}

// The first line of each item of the page's COMMANDS, in words: "monitor rssi battery --port DEV".
QList<QStringList> command_items(const QString& page) {
  QList<QStringList> items;
  const QStringList lines = section(page, QStringLiteral("COMMANDS")).split('\n');
  for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
    if (lines[i] == QLatin1String(".TP")) {
      items << lines[i + 1].split(QRegularExpression(QStringLiteral("[ |]")), Qt::SkipEmptyParts);
    }
  }
  return items;
}

// A command of the help ("monitor rssi|battery|stop") has an item for each of its choices.
bool has_item(const QList<QStringList>& items, const QString& command) {
  const QStringList words = command.split(' ');
  for (const QString& choice : words.last().split('|')) {
    const QStringList wanted = words.mid(0, words.size() - 1) + QStringList{choice};
    const bool found = std::any_of(items.begin(), items.end(), [&](const QStringList& item) {
      return item.mid(0, 1) == wanted.mid(0, 1) &&
             std::all_of(wanted.begin(), wanted.end(),
                         [&](const QString& word) { return item.contains(word); });
    });
    if (!found) return false;
  }
  return true;
}

TEST(ManualPage, CoversEveryOptionCommandAndExitStatusOfTheHelp) {
  const QString page = manual_text();
  ASSERT_FALSE(page.isEmpty()) << M27_MANUAL_PAGE;
  const QString help = usage();
  // The help's list of commands: the words of each up to its first argument.
  const QString listed = help.section(QStringLiteral("\ncommands ("), 1).section("\n\n", 0, 0);
  static const QRegularExpression kCommand(QStringLiteral("^  ([a-z]+(?: [a-z|]+)*)"),
                                           QRegularExpression::MultilineOption);
  const auto items = command_items(page);
  QString every_help = help;
  int commands = 0;
  for (const auto& match : kCommand.globalMatch(listed)) {
    ++commands;
    EXPECT_TRUE(has_item(items, match.captured(1))) << match.captured(1).toStdString();
    every_help += command_help(match.captured(1).section(' ', 0, 0));
  }
  EXPECT_EQ(commands, 12);
  static const QRegularExpression kOption(QStringLiteral("(?<![\\w-])(--?[a-z][a-z-]*)"));
  for (const auto& option : kOption.globalMatch(every_help)) {
    EXPECT_TRUE(page.contains(option.captured(1))) << option.captured(1).toStdString();
  }
  const QString exits = section(page, QStringLiteral("EXIT STATUS"));
  static const QRegularExpression kStatus(QStringLiteral("(?:: |, |\\n)(\\d+) "));
  for (const auto& status : kStatus.globalMatch(help.section(QStringLiteral("Exit status"), 1))) {
    EXPECT_TRUE(exits.contains(status.captured(1) + ' ')) << status.captured(1).toStdString();
  }
}

}  // namespace
}  // namespace m27
