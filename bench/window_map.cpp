// SPDX-License-Identifier: GPL-3.0-or-later
// window_map: how long the main window takes from its construction until its window is mapped
// (exposed), against a bare Qt Widgets window with one label, in alternating runs in one
// process, so that both find the same libraries loaded and the same display.
//
//   window_map [RUNS]   (default 20; run it under a display or with QT_QPA_PLATFORM=offscreen)
//
// Goal (medians): at most 1.5 x the bare window.

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "ui/main_window.h"
#include "ui/message_boxes.h"

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

// Milliseconds from building the window until it is exposed.
double time_to_map(const std::function<std::unique_ptr<QWidget>()>& build) {
  QElapsedTimer timer;
  timer.start();
  const std::unique_ptr<QWidget> window = build();
  window->show();
  while (!window->windowHandle() || !window->windowHandle()->isExposed()) {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
  }
  QCoreApplication::processEvents();  // the first paint
  return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> samples) {
  std::sort(samples.begin(), samples.end());
  return samples[samples.size() / 2];
}

}  // namespace
}  // namespace m27

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  m27::SilentBoxes boxes;
  const auto bare = [] { return std::make_unique<QLabel>(QStringLiteral("m27")); };
  const auto window = [&boxes] { return std::make_unique<m27::MainWindow>(m27::PortMap{}, boxes); };
  m27::time_to_map(bare);  // loads what the first window of each kind needs
  m27::time_to_map(window);
  std::vector<double> bare_ms, window_ms;
  for (int i = 0; i < runs; ++i) {
    bare_ms.push_back(m27::time_to_map(bare));
    window_ms.push_back(m27::time_to_map(window));
  }
  const double ratio = m27::median(window_ms) / m27::median(bare_ms);
  std::printf(
      "main window mapped %6.1f ms  bare label window %6.1f ms  ratio %.2f  (goal %.2f)  %s\n",
      m27::median(window_ms), m27::median(bare_ms), ratio, m27::kGoal,
      ratio <= m27::kGoal ? "ok" : "goal missed");
  return ratio <= m27::kGoal ? 0 : 1;
}
