// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/language_setting.h"

#include "ui/window/settings.h"

namespace m27 {
namespace {

const QString kKey = QStringLiteral("language");

}  // namespace

std::optional<Language> saved_language() {
  return language_named(program_settings().value(kKey).toString().toStdString());
}

void save_language(std::optional<Language> language) {
  QString name = QStringLiteral("system");
  if (language == Language::Chinese) name = QStringLiteral("zh");
  if (language == Language::English) name = QStringLiteral("en");
  store_setting(kKey, name);
}

}  // namespace m27
