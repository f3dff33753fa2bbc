// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/recent_files.h"

#include <QFileInfo>

#include "ui/window/settings.h"

namespace m27 {
namespace {

const QString kKey = QStringLiteral("recent_files");

}  // namespace

QStringList with_recent_file(QStringList files, const QString& file) {
  const QString absolute = QFileInfo(file).absoluteFilePath();
  files.removeAll(absolute);
  files.prepend(absolute);
  return files.mid(0, kRecentFileCount);
}

QStringList load_recent_files() {
  const QStringList remembered = program_settings().value(kKey).toStringList();
  QStringList existing;
  for (const QString& file : remembered) {
    if (QFileInfo::exists(file)) existing << file;
  }
  existing = existing.mid(0, kRecentFileCount);
  if (existing != remembered) save_recent_files(existing);
  return existing;
}

void save_recent_files(const QStringList& files) { store_setting(kKey, files); }

}  // namespace m27
