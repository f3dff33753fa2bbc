// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The language chosen in the window's menu, remembered between runs; none chosen follows the
// system.

#include <optional>

#include "i18n/language.h"

namespace m27 {

std::optional<Language> saved_language();

// nullopt: follow the system again.
void save_language(std::optional<Language> language);

}  // namespace m27
