// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where series jobs keep their log unless the user names one.

#include <filesystem>

namespace m27 {

// series.csv in the program's folder of the user's data folder. That folder is the program's own
// and is made on first use, so the first job can create its log there when asked to; a folder
// the user names is never made.
std::filesystem::path default_series_log();

}  // namespace m27
