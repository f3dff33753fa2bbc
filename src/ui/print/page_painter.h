// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The channel list laid out on one A4 page: the heading, the facts in rows of four and the
// table of channels, for the printer and for a PDF alike.

#include <QByteArray>
#include <QRectF>

#include "channels/channel_page.h"

class QPagedPaintDevice;
class QPainter;

namespace m27 {

// A4 portrait with margins of 15 mm on every side.
void set_page_layout(QPagedPaintDevice& device);

// Paints `page` into `area`, the printable part of the page in the painter's coordinates.
void paint_channel_page(QPainter& painter, const QRectF& area, const ChannelPage& page);

// The page as a PDF document, its fonts embedded (only the glyphs it uses), so that it reads the
// same on any machine.
QByteArray channel_page_pdf(const ChannelPage& page);

}  // namespace m27
