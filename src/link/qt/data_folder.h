// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's data folder, which holds what the program keeps on its own (the backups of every
// read, the series log): one answer for the window and the command line, so a desktop session
// and a shell never keep two of anything.

#include <filesystem>

namespace m27 {

// $XDG_DATA_HOME, by default ~/.local/share, as Qt finds it.
std::filesystem::path user_data_folder();

}  // namespace m27
