// SPDX-License-Identifier: GPL-3.0-or-later
// window_map: a window program's start until its window is mapped (exposed and painted once), as
// a whole process: the main window against a bare Qt Widgets window with one label, in
// alternating runs. Both are this program started again (`--window`, `--bare`), so both load the
// same libraries and find the same display.
//
//   window_map [RUNS]   (default 20; under a display, or with QT_QPA_PLATFORM=offscreen)
//
// Goal (medians): at most 1.5 x the bare window.

#include <spawn.h>
#include <sys/wait.h>

#include <QApplication>
#include <QLabel>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/window/main_window.h"
#include "ui/window/message_boxes.h"
#include "ui/window/plugins_after_first_paint.h"
#include "ui/window/text_hinting.h"

extern char** environ;

namespace m27 {
namespace {

constexpr double kGoal = 1.5;

// Boxes a bench never shows: the window opens no port and asks nothing.
class SilentBoxes : public MessageBoxes {
 public:
  void show(const Message&, std::function<void()> then) override {
    if (then) then();
  }
  void ask_yes_no(const Message&, std::function<void(bool)> answer) override { answer(false); }
  void ask_save(const Message&, std::function<void(SaveAnswer)> answer) override {
    answer(SaveAnswer::Discard);
  }
};

// Shows the window and ends the process once it is exposed and painted: what comes after (the
// windows' teardown) is not part of starting, and neither process pays for it.
int show_until_mapped(QWidget& window) {
  window.show();
  while (!window.windowHandle() || !window.windowHandle()->isExposed()) {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
  }
  QCoreApplication::processEvents();
  std::_Exit(0);
}

int run_child(int argc, char* argv[], bool main_window) {
  QApplication app(argc, argv);
  if (!main_window) {
    QLabel label(QStringLiteral("m27"));
    return show_until_mapped(label);
  }
  hint_text_by_fonts(app);
  PluginsAfterFirstPaint plugins;
  SilentBoxes boxes;
  MainWindow window(PortMap{}, boxes);
  plugins.watch(window);
  return show_until_mapped(window);
}

// Milliseconds from spawning this program with `mode` until it has ended.
double time_run(const std::string& self, const char* mode) {
  std::string program = self;
  std::string flag = mode;
  char* argv[] = {program.data(), flag.data(), nullptr};
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = -1;
  if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv, environ) != 0) return 0;
  int status = 0;
  waitpid(pid, &status, 0);
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

double median(std::vector<double> samples) {
  std::sort(samples.begin(), samples.end());
  return samples[samples.size() / 2];
}

}  // namespace
}  // namespace m27

int main(int argc, char* argv[]) {
  if (argc > 1 && std::strcmp(argv[1], "--bare") == 0) return m27::run_child(argc, argv, false);
  if (argc > 1 && std::strcmp(argv[1], "--window") == 0) return m27::run_child(argc, argv, true);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  const std::string self = argv[0];
  m27::time_run(self, "--bare");  // loads what the disk cache lacks
  m27::time_run(self, "--window");
  std::vector<double> bare, window;
  for (int i = 0; i < runs; ++i) {
    bare.push_back(m27::time_run(self, "--bare"));
    window.push_back(m27::time_run(self, "--window"));
  }
  const double ratio = m27::median(window) / m27::median(bare);
  std::printf(
      "main window mapped %6.1f ms  bare label window %6.1f ms  ratio %.2f  (goal %.2f)  %s\n",
      m27::median(window), m27::median(bare), ratio, m27::kGoal,
      ratio <= m27::kGoal ? "ok" : "goal missed");
  return ratio <= m27::kGoal ? 0 : 1;
}
