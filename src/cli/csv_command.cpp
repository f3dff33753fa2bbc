// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/csv_command.h"

#include <QFile>
#include <filesystem>
#include <iostream>

#include "cli/console_player.h"
#include "cli/exit_status.h"
#include "cli/missing_file.h"
#include "files/csv_commands.h"
#include "files/file_commands.h"
#include "i18n/translated.h"

namespace m27 {
namespace {

std::filesystem::path file_path(const QString& file) {
  return std::filesystem::path(QFile::encodeName(file).toStdString());
}

int refuse(const Message& message) {
  ConsolePlayer(std::cout, std::cerr, {}).show(message);
  return kExitFailure;
}

}  // namespace

int run(const CsvExportArgs& args, const PortMap&) {
  if (const auto missing = missing_file({args.channel_file})) return refuse(*missing);
  Sheet sheet = startup_sheet();
  if (const auto refusal = open_channel_file(sheet, file_path(args.channel_file)).refusal) {
    return refuse(translated(*refusal));
  }
  if (const auto refusal = export_csv(sheet, args.layout, file_path(args.csv_file))) {
    return refuse(translated(*refusal));
  }
  return kExitSuccess;
}

int run(const CsvImportArgs& args, const PortMap&) {
  if (const auto missing = missing_file({args.base, args.csv_file})) return refuse(*missing);
  Sheet sheet = startup_sheet();
  if (!args.base.isEmpty()) {
    if (const auto refusal = open_channel_file(sheet, file_path(args.base)).refusal) {
      return refuse(translated(*refusal));
    }
  }
  const auto outcome = import_csv(sheet, file_path(args.csv_file), args.selection);
  for (const Words& line : outcome.skipped) std::cerr << translated(line).toStdString() << '\n';
  if (outcome.refusal) return refuse(translated(*outcome.refusal));
  if (const auto refusal = save_imported_channels(sheet, file_path(args.channel_file))) {
    return refuse(translated(*refusal));
  }
  return kExitSuccess;
}

}  // namespace m27
