// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the port menu says when an item's port cannot be opened.

#include <optional>

#include "channels/message.h"
#include "link/qt/serial_port.h"

namespace m27 {

// The message item `com<port_no>` shows for a failed open, or nullopt when the item passes over
// that failure in silence. com1 and com2 report every failure, the others a port that does not
// exist or is in use.
std::optional<Message> port_failure_message(int port_no, OpenOutcome outcome);

}  // namespace m27
