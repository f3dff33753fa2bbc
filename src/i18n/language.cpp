// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/language.h"

#include <cstdlib>

namespace m27 {
namespace {

// "zh_CN.UTF-8@euro" -> "zh"
std::string_view language_part(std::string_view locale) {
  return locale.substr(0, locale.find_first_of("_.@"));
}

bool is_c_locale(std::string_view locale) {
  return locale == "C" || locale == "POSIX" || locale.starts_with("C.");
}

// What one locale names; nullopt for a language we have no texts for.
std::optional<Language> language_in(std::string_view locale) {
  if (is_c_locale(locale)) return Language::AsWritten;
  const std::string_view language = language_part(locale);
  if (language == "zh") return Language::Chinese;
  if (language == "en") return Language::English;
  return std::nullopt;
}

// The first entry of LANGUAGE we have texts for; English when it names only others.
std::optional<Language> language_in_list(std::string_view list) {
  bool named = false;
  while (!list.empty()) {
    const std::size_t colon = list.find(':');
    const std::string_view entry = list.substr(0, colon);
    list.remove_prefix(colon == std::string_view::npos ? list.size() : colon + 1);
    if (entry.empty()) continue;
    if (const auto language = language_in(entry)) return language;
    named = true;
  }
  if (named) return Language::English;
  return std::nullopt;
}

std::string variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

}  // namespace

Language language_of(const LocaleVariables& variables) {
  if (is_c_locale(variables.lc_all)) return Language::AsWritten;
  if (const auto chosen = language_in_list(variables.language)) return *chosen;
  for (const std::string* locale : {&variables.lc_all, &variables.lc_messages, &variables.lang}) {
    if (locale->empty()) continue;
    return language_in(*locale).value_or(Language::English);
  }
  return Language::AsWritten;
}

LocaleVariables locale_variables() {
  return {variable("LC_ALL"), variable("LANGUAGE"), variable("LC_MESSAGES"), variable("LANG")};
}

std::optional<Language> language_named(std::string_view name) {
  if (name == "zh") return Language::Chinese;
  if (name == "en") return Language::English;
  return std::nullopt;
}

}  // namespace m27
