// SPDX-License-Identifier: GPL-3.0-or-later
#include "series/qt/series_order_from.h"

#include <QCryptographicHash>
#include <utility>

namespace m27 {

SeriesOrder series_order_from(Sheet sheet, WritePlan plan, const QByteArray& file_bytes) {
  const QByteArray digest = QCryptographicHash::hash(file_bytes, QCryptographicHash::Sha256);
  return SeriesOrder{
      SeriesTemplate(std::move(sheet), std::move(plan), digest.toHex().toStdString())};
}

}  // namespace m27
