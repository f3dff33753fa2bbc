// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A station's requests as sequences on its port's link, and what the link reports of each as
// the step's outcome: the glue between a series job and the link engine, free of any port.

#include <memory>
#include <optional>
#include <string>

#include "link/operation.h"
#include "link/write_plan.h"
#include "series/station_io.h"

namespace m27 {

// The sequence that carries out `action` (Probe, WriteTemplate with `plan`, ReadBack, WriteRadioId,
// ReadRadioId); nullptr for an action that is no request.
std::unique_ptr<Operation> step_operation(const StationAction& action, const WritePlan& plan);

// Hears the events of one station's link, sequence after sequence.
class StepListener {
 public:
  // The step's outcome once `event` ends its sequence. A sequence ended by a lost port has none:
  // the PortLost that follows it names the port (`lost_port`).
  std::optional<StepOutcome> heard(const Event& event);

 private:
  StepOutcome outcome_;
};

// The message of a PortLost event, for the job's port_lost.
std::optional<Words> lost_port(const Event& event);

}  // namespace m27
