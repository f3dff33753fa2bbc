// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/strip_chart.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "ui/window/lamp.h"

namespace m27 {
namespace {

constexpr int kPlotWidth = 240;
constexpr int kLineHeight = 44;
constexpr int kBandHeight = 14;
constexpr int kFiguresWidth = 92;
constexpr int kFiguresGap = 6;
constexpr int kGridSeconds = 10;
const QColor kBackground{252, 252, 252};
const QColor kGridLine{222, 222, 222};
const QColor kFrameLine{150, 150, 150};
const QColor kTraceLine{20, 70, 170};
const QColor kFigureText{60, 60, 60};

// The minute shown: from the start of the run until it is a minute old, then the last minute.
struct TimeAxis {
  SampleTime end;
  QRectF plot;

  explicit TimeAxis(std::span<const MonitorSample> shown, const QRectF& plot_area)
      : end(std::max<SampleTime>(shown.empty() ? SampleTime{0} : shown.back().at, kStripChartSpan)),
        plot(plot_area) {}
  double x(SampleTime at) const {
    const double age = std::chrono::duration<double>(end - at).count();
    return plot.right() - age / kStripChartSpan.count() * plot.width();
  }
};

void draw_grid(QPainter& painter, const TimeAxis& axis) {
  painter.fillRect(axis.plot, kBackground);
  painter.setPen(QPen(kGridLine, 0));
  const auto first = std::chrono::ceil<std::chrono::seconds>(axis.end - kStripChartSpan);
  for (auto t = first; t <= axis.end; t += std::chrono::seconds(1)) {
    if (t.count() % kGridSeconds != 0) continue;
    const double x = axis.x(t);
    painter.drawLine(QPointF(x, axis.plot.top()), QPointF(x, axis.plot.bottom()));
  }
}

void draw_line(QPainter& painter, const TimeAxis& axis, std::span<const MonitorSample> shown,
               std::size_t trace, const TraceSummary& summary) {
  const double low = summary.minimum - (summary.minimum == summary.maximum ? 1 : 0);
  const double high = summary.maximum + (summary.minimum == summary.maximum ? 1 : 0);
  const QRectF inner = axis.plot.adjusted(0, 3, 0, -3);
  QPolygonF points;
  points.reserve(static_cast<qsizetype>(shown.size()));
  for (const MonitorSample& sample : shown) {
    const double y = inner.bottom() - (sample.values[trace] - low) / (high - low) * inner.height();
    points << QPointF(axis.x(sample.at), y);
  }
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setPen(QPen(kTraceLine, 0));
  if (points.size() == 1) {
    painter.drawPoint(points.front());
  } else {
    painter.drawPolyline(points);
  }
  painter.setRenderHint(QPainter::Antialiasing, false);
}

// Each packet's lamp until the next packet; the newest one a pixel wide.
void draw_band(QPainter& painter, const TimeAxis& axis, std::span<const MonitorSample> shown,
               std::size_t trace) {
  for (std::size_t i = 0; i < shown.size(); ++i) {
    const double left = std::max(axis.x(shown[i].at), axis.plot.left());
    const double right = i + 1 < shown.size() ? axis.x(shown[i + 1].at) : left + 1;
    painter.fillRect(QRectF(left, axis.plot.top(), right - left, axis.plot.height()),
                     shown[i].values[trace] == 1 ? kLampRed : kLampGreen);
  }
}

QString figure(double value) { return QString::number(value, 'f', 1); }

// 最大 at the top, 平均 in the middle, 最小 at the bottom, as the plot's scale runs.
void draw_figures(QPainter& painter, const QRect& area, const std::optional<TraceSummary>& s) {
  painter.setPen(kFigureText);
  const QString dash = QStringLiteral("–");
  const QString lines[] = {
      StripChart::tr("最大 %1").arg(s ? QString::number(s->maximum) : dash),
      StripChart::tr("平均 %1").arg(s ? figure(s->mean) : dash),
      StripChart::tr("最小 %1").arg(s ? QString::number(s->minimum) : dash),
  };
  const Qt::Alignment flags[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
  for (int i = 0; i < 3; ++i) painter.drawText(area, Qt::AlignLeft | flags[i], lines[i]);
}

}  // namespace

void draw_strip_chart(QPainter& painter, const QRect& area, std::span<const MonitorSample> shown,
                      std::size_t trace, TraceStyle style) {
  QRect plot_area = area;
  if (style == TraceStyle::Line) plot_area.setWidth(area.width() - kFiguresWidth - kFiguresGap);
  const TimeAxis axis(shown, QRectF(plot_area).adjusted(0.5, 0.5, -0.5, -0.5));
  draw_grid(painter, axis);
  const auto summary = summarize(shown, trace);
  if (style == TraceStyle::Band) {
    draw_band(painter, axis, shown, trace);
  } else if (summary) {
    draw_line(painter, axis, shown, trace, *summary);
  }
  painter.setPen(QPen(kFrameLine, 0));
  painter.drawRect(axis.plot);
  if (style == TraceStyle::Line) {
    QFont small = painter.font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    painter.setFont(small);
    draw_figures(painter,
                 QRect(plot_area.right() + kFiguresGap, area.top(), kFiguresWidth, area.height()),
                 summary);
  }
}

StripChart::StripChart(const char* name, const MonitorSamples& samples, std::size_t trace,
                       TraceStyle style, QWidget* parent)
    : QWidget(parent), samples_(samples), trace_(trace), style_(style) {
  setObjectName(QString::fromUtf8(name));
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize StripChart::sizeHint() const {
  if (style_ == TraceStyle::Band) return {kPlotWidth, kBandHeight};
  return {kPlotWidth + kFiguresGap + kFiguresWidth, kLineHeight};
}

void StripChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  draw_strip_chart(painter, rect(), samples_.last(kStripChartSpan), trace_, style_);
}

}  // namespace m27
