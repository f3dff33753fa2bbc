// SPDX-License-Identifier: GPL-3.0-or-later
// m27-window: the window, on a channel file if one is named. m27 becomes this program when it is
// started without a command, with its arguments as they were.

#include <QApplication>
#include <QCoreApplication>
#include <iostream>

#include "app/fake_radio.h"
#include "app/program_start.h"
#include "cli/exit_status.h"
#include "i18n/translators.h"
#include "ui/window/language_setting.h"
#include "ui/window/main_window.h"
#include "ui/window/message_boxes.h"
#include "ui/window/plugins_after_first_paint.h"
#include "ui/window/text_hinting.h"

int main(int argc, char* argv[]) {
  using namespace m27;
  const auto line = parse_command_line(arguments(argc, argv));
  if (const auto status = answer_without_running(line)) return *status;
  if (!line->subcommand.isEmpty()) {
    std::cerr << usage_error(QStringLiteral("commands run as m27 %1").arg(line->subcommand))
                     .toStdString();
    return kExitUsage;
  }
  // The window's series job goes on from radio to radio on the bundled radio as the command
  // line's does; the swaps it tells of are not the window's output.
  auto started = start_options(*line, PortScan::Full, kSwappingRadio);
  if (!started) {
    complain(started.reason());
    return kExitFailure;
  }
  QApplication app(argc, argv);
  QGuiApplication::setDesktopFileName(QStringLiteral("m27"));
  hint_text_by_fonts(app);
  if (started->radio) forward_output(*started->radio, &app, false);
  if (!use_language(app, run_language(*line, saved_language()))) {
    complain("Qt's Chinese translations (qtbase_zh_CN.qm) are missing");
  }
  PluginsAfterFirstPaint plugins;
  QueuedMessageBoxes boxes;
  MainWindow window(std::move(started.value().ports), boxes);
  plugins.watch(window);
  boxes.set_owner(&window);
  // Ends the program even when a window refused to close or a box was still up.
  QObject::connect(&window, &MainWindow::exited, &app, [] { QCoreApplication::exit(0); });
  window.show();
  window.show_splash();
  if (!line->file.isEmpty()) window.open_file(line->file);
  return app.exec();
}
