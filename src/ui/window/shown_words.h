// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the sheet holds as data (a bandwidth, an option value, a plan's title) in the words of the
// language in use, for the window to show. The sheet, the files and the radio keep the data; a
// value the program does not know is shown as it is.

#include <QString>

namespace m27 {

// The window's title before a plan names it.
inline constexpr const char* kProgramTitle = QT_TRANSLATE_NOOP("m27::ShownWords", "写频软件     ");

// `data` in the language in use.
QString shown_words(const QString& data);

}  // namespace m27
