// SPDX-License-Identifier: GPL-3.0-or-later
#include "series/qt/default_log.h"

#include <system_error>

#include "link/qt/data_folder.h"
#include "series/job_log.h"

namespace m27 {

std::filesystem::path default_series_log() {
  const auto log = default_log_path(user_data_folder());
  std::error_code ignored;  // a folder that cannot be made is told when the log is opened
  std::filesystem::create_directories(log.parent_path(), ignored);
  return log;
}

}  // namespace m27
