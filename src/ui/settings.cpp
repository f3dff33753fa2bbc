// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/settings.h"

namespace m27 {

QSettings program_settings() {
  return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("m27"),
                   QStringLiteral("m27"));
}

}  // namespace m27
