// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the port menu says when an item's port cannot be opened.

#include <optional>

#include "channels/message.h"
#include "link/qt/serial_port.h"

namespace m27 {

// The message item `com<port_no>` shows for a failed open of `device`, or nullopt when the item
// passes over that failure in silence. com1 and com2 report every failure, the others a port that
// does not exist or is in use. A port in use, or refused for want of rights, is named so on a
// line of its own, as the connection check names it.
std::optional<Message> port_failure_message(int port_no, OpenOutcome outcome,
                                            const QString& device);

}  // namespace m27
