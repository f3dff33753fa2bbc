// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The translators that make the program speak a language: ours (built into the program) and Qt's
// own for its dialogs, buttons and edit menus (from Qt's translations folder).

#include "i18n/language.h"

class QCoreApplication;

namespace m27 {

// Replaces the translators this function installed before with the ones for `language`; Qt then
// tells every window that the language changed. The texts as written are Chinese in the window,
// so Qt's own texts are Chinese there too. False when Qt's own translations for the language
// are missing: Qt's texts stay English, everything else works.
bool use_language(QCoreApplication& app, Language language);

// The language in use: what use_language last installed.
Language language_in_use();

}  // namespace m27
