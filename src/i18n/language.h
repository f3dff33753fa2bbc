// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which language the program speaks, from the locale variables as the desktop sets them.

#include <optional>
#include <string>
#include <string_view>

namespace m27 {

enum class Language {
  AsWritten,  // every text as written: the window and the radio's words in Chinese, the command
              // line's help in English
  Chinese,
  English,
};

struct LocaleVariables {
  std::string lc_all;
  std::string language;  // LANGUAGE: a colon list, the first entry we can use decides
  std::string lc_messages;
  std::string lang;
};

// LC_ALL set to C, POSIX or C.* pins the texts as written (the idiom of scripts). Otherwise
// LANGUAGE decides, then LC_ALL, LC_MESSAGES and LANG: C or nothing keeps the texts as written,
// zh (zh_CN, zh_TW, zh_HK...) is Chinese, English and every language without a translation are
// English.
Language language_of(const LocaleVariables& variables);

// The variables of this process.
LocaleVariables locale_variables();

// "zh" or "en", as --language and the settings name them; nullopt for anything else.
std::optional<Language> language_named(std::string_view name);

}  // namespace m27
