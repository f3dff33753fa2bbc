// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the window remembers things between runs: ~/.config/m27/m27.ini.

#include <QSettings>

namespace m27 {

QSettings program_settings();

}  // namespace m27
