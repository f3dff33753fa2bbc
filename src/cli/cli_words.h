// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line's own words in the language of the run. The texts are marked where they are
// written (QT_TRANSLATE_NOOP("cli", ...)) and translated here.

#include <QCoreApplication>
#include <string>

#include "channels/message.h"

namespace m27 {

inline QString cli_words(const char* text) { return QCoreApplication::translate("cli", text); }

// A message of the command's own, under the default title.
inline Message cli_message(const char* text) { return {cli_words(text).toStdString()}; }

}  // namespace m27
