// SPDX-License-Identifier: GPL-3.0-or-later
#include "series/qt/job_voice.h"

#include <QString>
#include <vector>

namespace m27 {
namespace {

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

void put_count(std::string& text, std::int64_t count) {
  const std::string digits = std::to_string(count);
  for (auto at = text.find("%n"); at != std::string::npos; at = text.find("%n", at)) {
    text.replace(at, 2, digits);
    at += digits.size();
  }
}

}  // namespace

JobVoice::JobVoice(Language language) {
  const QString file = translation_file(language);
  if (file.isEmpty()) return;
  auto translator = std::make_unique<QTranslator>();
  if (translator->load(file, QStringLiteral(":/i18n"))) translator_ = std::move(translator);
}

std::string JobVoice::say(const Words& words) const {
  const std::string context(words.context);
  std::string text(words.text);
  if (translator_ && !text.empty()) {
    const int count = words.count ? static_cast<int>(*words.count) : -1;
    const QString translation =
        translator_->translate(context.c_str(), text.c_str(), nullptr, count);
    if (!translation.isEmpty()) text = translation.toStdString();
  }
  if (words.count) put_count(text, *words.count);
  std::vector<std::string> values;
  values.reserve(words.arguments.size());
  for (const Words::Argument& argument : words.arguments) {
    if (const auto* number = std::get_if<std::int64_t>(&argument.value)) {
      values.push_back(std::to_string(*number));
    } else if (const auto* data = std::get_if<std::string>(&argument.value)) {
      values.push_back(*data);
    } else {
      values.push_back(say(std::get<Words>(argument.value)));
    }
  }
  return fill_in(text, values);
}

}  // namespace m27
