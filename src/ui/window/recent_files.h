// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The channel files last opened or saved, newest first, remembered between runs.

#include <QStringList>

namespace m27 {

inline constexpr int kRecentFileCount = 8;

// `file` moved to the front of `files`, at most kRecentFileCount kept.
QStringList with_recent_file(QStringList files, const QString& file);

// The remembered files that still exist; those gone are forgotten.
QStringList load_recent_files();
void save_recent_files(const QStringList& files);

}  // namespace m27
