// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A strip chart of one value of a test-mode run: its last minute up to the newest packet, drawn
// as the packets arrive, with the minimum, mean and maximum of what it shows beside it; the
// charge lamp as a band, red while charging, without figures.

#include <QWidget>
#include <chrono>
#include <cstddef>
#include <span>

#include "service/monitor_samples.h"

class QPainter;

namespace m27 {

inline constexpr std::chrono::seconds kStripChartSpan{60};

enum class TraceStyle { Line, Band };

// Draws value `trace` of `shown` (the last `kStripChartSpan` of a run) into `area`.
void draw_strip_chart(QPainter& painter, const QRect& area, std::span<const MonitorSample> shown,
                      std::size_t trace, TraceStyle style);

class StripChart : public QWidget {
  Q_OBJECT

 public:
  // `samples` outlives the chart.
  StripChart(const char* name, const MonitorSamples& samples, std::size_t trace, TraceStyle style,
             QWidget* parent);

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const MonitorSamples& samples_;
  std::size_t trace_;
  TraceStyle style_;
};

}  // namespace m27
