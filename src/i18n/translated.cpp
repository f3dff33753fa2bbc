// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/translated.h"

#include <QCoreApplication>

namespace m27 {
namespace {

std::string value_of(const Words::Argument& argument) {
  if (const auto* number = std::get_if<std::int64_t>(&argument.value)) {
    return std::to_string(*number);
  }
  if (const auto* data = std::get_if<std::string>(&argument.value)) return *data;
  return translated(std::get<Words>(argument.value)).toStdString();
}

}  // namespace

QString translated(const Words& words) {
  const std::string context(words.context);
  const std::string text(words.text);
  const int count = words.count ? static_cast<int>(*words.count) : -1;
  const QString translation =
      QCoreApplication::translate(context.c_str(), text.c_str(), nullptr, count);
  std::vector<std::string> values;
  values.reserve(words.arguments.size());
  for (const Words::Argument& argument : words.arguments) values.push_back(value_of(argument));
  return QString::fromStdString(fill_in(translation.toStdString(), values));
}

Message translated(const Notice& notice) {
  return {translated(notice.text).toStdString(), translated(notice.title).toStdString(),
          notice.icon};
}

}  // namespace m27
