// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/qt/data_folder.h"

#include <QFile>
#include <QStandardPaths>

namespace m27 {

std::filesystem::path user_data_folder() {
  const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  return QFile::encodeName(data).toStdString();
}

}  // namespace m27
