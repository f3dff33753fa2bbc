// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/translators.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace m27 {
namespace {

const QString kOurs = QStringLiteral("m27_language");

Language in_use = Language::AsWritten;

// Loads `file` from `folder` into a translator of `app`'s; nullptr when it is not there.
QTranslator* loaded(QCoreApplication& app, const QString& file, const QString& folder) {
  auto* translator = new QTranslator(&app);
  translator->setObjectName(kOurs);
  if (translator->load(file, folder)) return translator;
  delete translator;
  return nullptr;
}

}  // namespace

QString translation_file(Language language) {
  switch (language) {
    case Language::AsWritten:
      return {};
    case Language::Chinese:
      return QStringLiteral("m27_zh_CN");
    case Language::English:
      return QStringLiteral("m27_en");
  }
  return {};
}

bool use_language(QCoreApplication& app, Language language, Face face) {
  for (QTranslator* old : app.findChildren<QTranslator*>(kOurs, Qt::FindDirectChildrenOnly)) {
    QCoreApplication::removeTranslator(old);
    delete old;
  }
  in_use = language;
  bool found = true;
  const bool qt_chinese =
      language == Language::Chinese || (language == Language::AsWritten && face == Face::Window);
  if (qt_chinese) {
    QTranslator* qt = loaded(app, QStringLiteral("qtbase_zh_CN"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    found = qt && QCoreApplication::installTranslator(qt);
  }
  if (const QString file = translation_file(language); !file.isEmpty()) {
    if (QTranslator* ours = loaded(app, file, QStringLiteral(":/i18n"))) {
      QCoreApplication::installTranslator(ours);
    }
  }
  return found;
}

Language language_in_use() { return in_use; }

}  // namespace m27
