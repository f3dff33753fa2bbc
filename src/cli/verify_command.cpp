// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/verify_command.h"

#include <unistd.h>

#include <iostream>

#include "channels/sheet_comparison.h"
#include "cli/cli_words.h"
#include "cli/exit_status.h"
#include "cli/file_path.h"
#include "cli/missing_file.h"
#include "cli/radio_reading.h"
#include "files/file_commands.h"
#include "i18n/translated.h"
#include "link/write_plan.h"

namespace m27 {
namespace {

// A file the write would refuse cannot be compared with what it would send.
std::optional<Message> write_refusal(const Sheet& sheet) {
  const PreparedWrite prepared = prepare_write(sheet);
  if (const Notice* refusal = prepared.refusal()) return translated(*refusal);
  return std::nullopt;
}

}  // namespace

int report_differences(const Sheet& first, const Sheet& second, ConsolePlayer& player) {
  const auto differences = compare_sheets(first, second);
  for (const Difference& difference : differences) {
    player.data(translated(difference_line(difference)).toStdString());
  }
  return differences.empty() ? kExitSuccess : kExitDifferent;
}

std::optional<int> verify_radio(const Sheet& expected, Session& session, ConsolePlayer& player) {
  const auto radio = read_radio(session);
  if (!radio && session.stopped()) {
    return session.interrupted(cli_message(QT_TRANSLATE_NOOP("cli", "校验已中断")));
  }
  if (!radio) return std::nullopt;
  const int status = report_differences(expected, *radio, player);
  player.show(translated(verification_verdict(status == kExitSuccess)));
  return status;
}

int run(const VerifyArgs& args, const PortMap& ports) {
  ConsolePlayer player(std::cout, std::cerr, {isatty(STDERR_FILENO) == 1, {}});
  Sheet file = startup_sheet();
  std::optional<Message> refusal = missing_file({args.file});
  if (!refusal) {
    if (const auto opening = open_whole_channel_file(file, file_path(args.file))) {
      refusal = translated(*opening);
    }
  }
  if (!refusal) refusal = write_refusal(file);
  if (refusal) {
    player.show(*refusal);
    return kExitFailure;
  }
  StopSignal stop;
  Session session(ports, args.port, player, &stop);
  if (!session.open()) return kExitFailure;
  return verify_radio(file, session, player).value_or(kExitFailure);
}

}  // namespace m27
