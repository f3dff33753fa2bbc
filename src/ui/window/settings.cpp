// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/settings.h"

#include <utility>

namespace m27 {

QSettings program_settings() {
  return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("m27"),
                   QStringLiteral("m27"));
}

void store_setting(const QString& key, const QVariant& value) {
  QSettings settings = program_settings();
  settings.setValue(key, value);
  settings.sync();
  if (settings.status() != QSettings::NoError) settings_failure().tell(settings.fileName());
}

void SettingsFailure::tell(const QString& file) {
  if (std::exchange(told_, true)) return;
  emit failed(file);
}

SettingsFailure& settings_failure() {
  static SettingsFailure failure;
  return failure;
}

}  // namespace m27
