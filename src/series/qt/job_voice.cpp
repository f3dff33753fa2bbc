// SPDX-License-Identifier: GPL-3.0-or-later
#include "series/qt/job_voice.h"

#include <QString>

#include "i18n/translators.h"

namespace m27 {

JobVoice::JobVoice(Language language) {
  const QString file = translation_file(language);
  if (file.isEmpty()) return;
  auto translator = std::make_unique<QTranslator>();
  if (translator->load(file, QStringLiteral(":/i18n"))) translator_ = std::move(translator);
}

std::string JobVoice::say(const Words& words) const {
  return said(words, [this](const Words& w) {
    std::string text(w.text);
    if (!translator_ || text.empty()) return text;
    const std::string context(w.context);
    const int count = w.count ? static_cast<int>(*w.count) : -1;
    const QString translation =
        translator_->translate(context.c_str(), text.c_str(), nullptr, count);
    return translation.isEmpty() ? text : translation.toStdString();
  });
}

}  // namespace m27
