// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One exchange sequence from its start to its end, for code without a window of its own (the
// command line, the bench): the caller waits in a nested event loop while the driver works.

#include <chrono>
#include <memory>
#include <optional>

#include "link/qt/link_driver.h"

namespace m27 {

// Starts `operation` on `driver` and returns once it has finished: how it ended. Nothing when it
// could not start or `patience` ran out first (the link's own time-outs end every wait; the
// patience only guards a bench against a broken build).
std::optional<Ending> run_to_end(LinkDriver& driver, std::unique_ptr<Operation> operation,
                                 std::optional<std::chrono::milliseconds> patience = std::nullopt);

}  // namespace m27
