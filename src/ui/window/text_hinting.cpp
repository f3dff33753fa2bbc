// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/text_hinting.h"

#include <QFont>
#include <QGuiApplication>

namespace m27 {

void hint_text_by_fonts(QGuiApplication& app) {
  if (app.devicePixelRatio() != 1.0) return;
  QFont font = QGuiApplication::font();
  font.setHintingPreference(QFont::PreferFullHinting);
  QGuiApplication::setFont(font);
}

}  // namespace m27
