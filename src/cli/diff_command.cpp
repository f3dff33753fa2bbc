// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/diff_command.h"

#include <iostream>

#include "cli/console_player.h"
#include "cli/exit_status.h"
#include "cli/file_path.h"
#include "cli/missing_file.h"
#include "cli/verify_command.h"
#include "files/file_commands.h"
#include "i18n/translated.h"

namespace m27 {

int run(const DiffArgs& args, const PortMap&) {
  ConsolePlayer player(std::cout, std::cerr, {});
  Sheet first = startup_sheet();
  Sheet second = startup_sheet();
  if (const auto missing = missing_file({args.first, args.second})) {
    player.show(*missing);
    return kExitFailure;
  }
  auto refusal = open_channel_file(first, file_path(args.first)).refusal;
  if (!refusal) refusal = open_channel_file(second, file_path(args.second)).refusal;
  if (refusal) {
    player.show(translated(*refusal));
    return kExitFailure;
  }
  return report_differences(first, second, player);
}

}  // namespace m27
