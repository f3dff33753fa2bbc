// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/print/page_painter.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <array>

#include "i18n/translated.h"

namespace m27 {
namespace {

constexpr double kMarginMm = 15;
constexpr int kPdfResolution = 300;
constexpr double kHeadingPoints = 18;
constexpr double kTextPoints = 11;
constexpr int kFactsPerLine = 4;
constexpr double kRowSpacing = 1.7;  // a table row's height in lines of text
// Of the table's width: 信道, 接收频率, 接收亚音, 发射频率, 发射亚音, 带宽.
constexpr std::array<double, kPageColumns> kColumnShares = {0.09, 0.2, 0.18, 0.2, 0.18, 0.15};
const QColor kLabelText{100, 100, 100};
const QColor kHeaderFill{230, 230, 230};
const QColor kRuleLine{170, 170, 170};

QString text(const std::string& s) { return QString::fromStdString(s); }
QString text(const Words& words) { return translated(words); }

QFont font_of(const QPainter& painter, double points, bool bold) {
  QFont font = painter.font();
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

// Returns the height used.
double paint_facts(QPainter& painter, const QRectF& area, const ChannelPage& page) {
  painter.setFont(font_of(painter, kTextPoints, false));
  const QFontMetricsF metrics(painter.font(), painter.device());
  const double line = metrics.height() * 1.5;
  const double cell = area.width() / kFactsPerLine;
  const double gap = metrics.horizontalAdvance(QStringLiteral("  "));
  for (std::size_t i = 0; i < page.facts.size(); ++i) {
    const auto& [label, value] = page.facts[i];
    const QPointF at(area.left() + static_cast<double>(i % kFactsPerLine) * cell,
                     area.top() + static_cast<double>(i / kFactsPerLine) * line + metrics.ascent());
    painter.setPen(kLabelText);
    painter.drawText(at, text(label));
    painter.setPen(Qt::black);
    painter.drawText(at + QPointF(metrics.horizontalAdvance(text(label)) + gap, 0), text(value));
  }
  const auto lines = (page.facts.size() + kFactsPerLine - 1) / kFactsPerLine;
  return static_cast<double>(lines) * line;
}

template <typename Cells>
void paint_row(QPainter& painter, const QRectF& row, const Cells& cells) {
  double left = row.left();
  for (std::size_t c = 0; c < kPageColumns; ++c) {
    const double width = row.width() * kColumnShares[c];
    const QRectF cell(left, row.top(), width, row.height());
    painter.drawText(cell.adjusted(row.height() * 0.3, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     text(cells[c]));
    left += width;
  }
}

void paint_table(QPainter& painter, const QRectF& area, const ChannelPage& page) {
  painter.setFont(font_of(painter, kTextPoints, true));
  const double height = QFontMetricsF(painter.font(), painter.device()).height() * kRowSpacing;
  QRectF row(area.left(), area.top(), area.width(), height);
  painter.fillRect(row, kHeaderFill);
  painter.setPen(Qt::black);
  paint_row(painter, row, page.header);
  painter.setFont(font_of(painter, kTextPoints, false));
  for (const PageRow& cells : page.rows) {
    row.translate(0, height);
    painter.setPen(Qt::black);
    paint_row(painter, row, cells);
    painter.setPen(QPen(kRuleLine, 0));
    painter.drawLine(row.bottomLeft(), row.bottomRight());
  }
  painter.setPen(QPen(Qt::black, 0));
  painter.drawLine(area.topLeft() + QPointF(0, height), area.topRight() + QPointF(0, height));
}

}  // namespace

void set_page_layout(QPagedPaintDevice& device) {
  device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                   QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                   QPageLayout::Millimeter));
}

void paint_channel_page(QPainter& painter, const QRectF& area, const ChannelPage& page) {
  painter.save();
  painter.setFont(font_of(painter, kHeadingPoints, true));
  const QFontMetricsF heading(painter.font(), painter.device());
  painter.setPen(Qt::black);
  painter.drawText(area.topLeft() + QPointF(0, heading.ascent()), text(page.heading));
  double top = area.top() + heading.height() * 1.6;
  top += paint_facts(painter, QRectF(area.left(), top, area.width(), area.bottom() - top), page);
  top += heading.height() * 0.6;
  paint_table(painter, QRectF(area.left(), top, area.width(), area.bottom() - top), page);
  painter.restore();
}

QByteArray channel_page_pdf(const ChannelPage& page) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(kPdfResolution);
    set_page_layout(writer);
    writer.setTitle(text(page.heading));
    writer.setCreator(QStringLiteral("m27"));
    QPainter painter(&writer);
    const QRect area = writer.pageLayout().paintRectPixels(kPdfResolution);
    paint_channel_page(painter, QRectF(QPointF(0, 0), area.size()), page);
  }
  return bytes;
}

}  // namespace m27
