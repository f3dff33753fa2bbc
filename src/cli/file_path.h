// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A file named on the command line, as the core's file functions take it.

#include <QFile>
#include <QString>
#include <filesystem>

namespace m27 {

inline std::filesystem::path file_path(const QString& file) {
  return std::filesystem::path(QFile::encodeName(file).toStdString());
}

}  // namespace m27
