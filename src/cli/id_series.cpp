// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/id_series.h"

#include <string>

namespace m27 {

IdSeries::IdSeries(std::uint32_t start, int radios)
    : fields_{std::to_string(start), "0"}, left_(radios) {}

void IdSeries::written(bool taken) {
  if (done()) return;
  --left_;
  if (!taken) {
    failed_ = true;
    return;
  }
  const auto id = id_value(fields_.id);
  fields_ = after_write(id.value_or(0), fields_.successes);
}

}  // namespace m27
