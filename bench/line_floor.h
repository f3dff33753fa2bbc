// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The least time a transfer can take on the line: every request and reply byte at 9600 baud,
// the 20 ms settle after every request, and the radio's own delay before every reply.

#include "link/operation.h"
#include "link/write_plan.h"

namespace m27 {

// A duration in milliseconds, for the reports.
inline double ms(Duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// One option exchange and 25 channel exchanges.
Duration read_floor(Duration reply_delay);

// The plan's option and channel exchanges, and its end packet (no reply, only the settle).
Duration write_floor(const WritePlan& plan, Duration reply_delay);

// What a series station asks of a radio once it has answered: the write, the read that checks
// it, the ID written and the ID read back.
Duration series_radio_floor(const WritePlan& plan, Duration reply_delay);

}  // namespace m27
