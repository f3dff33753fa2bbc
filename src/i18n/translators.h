// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The translators that make the program speak a language: ours (built into the program) and Qt's
// own for its dialogs, buttons and edit menus (from Qt's translations folder).

#include <QString>

#include "i18n/language.h"

class QCoreApplication;

namespace m27 {

// Who speaks: the window's texts as written are Chinese, and so are Qt's own there; the command
// line's texts as written leave Qt's own (a file's error) as Qt has them.
enum class Face { Window, CommandLine };

// Replaces the translators this function installed before with the ones for `language`; Qt then
// tells every window that the language changed. False when Qt's own Chinese translations are
// needed and missing: Qt's texts stay English, everything else works.
bool use_language(QCoreApplication& app, Language language, Face face = Face::Window);

// The name of our translations for `language` among the resources (empty for the texts as
// written).
QString translation_file(Language language);

// The language in use: what use_language last installed.
Language language_in_use();

}  // namespace m27
