// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The core's words in the language in use: the template translated, then its arguments filled in.

#include <QString>

#include "channels/message.h"
#include "channels/words.h"

namespace m27 {

// Translates the template (by its count, when it has one, choosing the plural form), translates
// every argument that is words of its own, then fills the arguments in.
QString translated(const Words& words);

// The notice as the message box or the command line shows it.
Message translated(const Notice& notice);

}  // namespace m27
