// SPDX-License-Identifier: GPL-3.0-or-later
// strip_chart: what drawing the test mode's traces costs. A minute of the RSSI stream at 10
// packets a second (600 samples, in virtual time) is drawn the way the dialog draws it on every
// packet: its four strip charts, each at its size, into an image the size of the chart.
//
//   strip_chart [PAINTS]   (default 2000)
//
// Goal (median): the four charts of one packet within 2 % of the 100 ms between packets (2 ms),
// so that drawing never holds up the dialog's updates. The drawing thread's CPU time is shown
// beside the wall time: on a shared machine the wall time's tail is other programs' turn.

#include "ui/dialogs/strip_chart.h"

#include <time.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#include "service/monitor_runs.h"

namespace m27 {
namespace {

using std::chrono::milliseconds;

constexpr milliseconds kPacketInterval{100};
constexpr int kPackets = 600;
constexpr double kGoal = 0.02;
const QSize kChartSize{338, 44};  // as the dialog lays a chart out

// A stream that moves as a real one does: RSSI drifting, SNR and AFC signed.
Frame packet(int i) {
  const int snr = (i * 37) % 600 - 300;
  const int afc = (i * 13) % 80 - 40;
  return Frame{
      0x44,
      {1, static_cast<std::uint8_t>(40 + i % 20), static_cast<std::uint8_t>(snr >> 8 & 0xFF),
       static_cast<std::uint8_t>(snr & 0xFF), static_cast<std::uint8_t>(afc >> 8 & 0xFF),
       static_cast<std::uint8_t>(afc & 0xFF), static_cast<std::uint8_t>(i % 50)}};
}

double thread_cpu_ms() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

double ms_since(std::chrono::steady_clock::time_point begin) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin)
      .count();
}

// The median and the 90th percentile.
std::pair<double, double> spread(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return {values[values.size() / 2], values[values.size() * 9 / 10]};
}

int run(int paints) {
  MonitorRuns runs;
  const TimePoint start{};
  runs.pressed(MonitorButton::StartRssi, start);
  for (int i = 1; i <= kPackets; ++i) runs.take(start + i * kPacketInterval, packet(i));
  QImage image(kChartSize, QImage::Format_ARGB32_Premultiplied);
  std::vector<double> wall;
  std::vector<double> cpu;
  for (int n = 0; n < paints; ++n) {
    const auto begin = std::chrono::steady_clock::now();
    const double cpu_begin = thread_cpu_ms();
    for (std::size_t trace = 0; trace < runs.rssi.trace_count(); ++trace) {
      QPainter painter(&image);
      draw_strip_chart(painter, image.rect(), runs.rssi.last(kStripChartSpan), trace,
                       TraceStyle::Line);
    }
    cpu.push_back(thread_cpu_ms() - cpu_begin);
    wall.push_back(ms_since(begin));
  }
  const auto [wall_median, wall_90] = spread(wall);
  const auto [cpu_median, cpu_90] = spread(cpu);
  const double budget = kGoal * std::chrono::duration<double, std::milli>(kPacketInterval).count();
  const bool met = wall_median <= budget;
  std::printf(
      "strip charts: %zu samples a trace, 4 traces a packet: median %.3f ms (CPU %.3f), "
      "90th %.3f ms (CPU %.3f); goal %.1f ms: %s\n",
      runs.rssi.last(kStripChartSpan).size(), wall_median, cpu_median, wall_90, cpu_90, budget,
      met ? "met" : "MISSED");
  return met ? 0 : 1;
}

}  // namespace
}  // namespace m27

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  return m27::run(argc > 1 ? std::atoi(argv[1]) : 2000);
}
