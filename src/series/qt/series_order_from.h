// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A series order begins with its template: the write the pre-write check let through and the
// bytes of the file it was read from, whose SHA-256 names the template in the log.

#include <QByteArray>

#include "series/series_order.h"

namespace m27 {

// The order for the sheet and the plan prepare_write gave for it; its other fields as
// SeriesOrder has them.
SeriesOrder series_order_from(Sheet sheet, WritePlan plan, const QByteArray& file_bytes);

}  // namespace m27
