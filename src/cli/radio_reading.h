// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading a whole radio (options and 25 channels) on a command's session: for `read`, `verify`
// and the read-back of `write --verify`.

#include <optional>

#include "channels/sheet.h"
#include "cli/session.h"

namespace m27 {

// The radio's options and channels in a sheet of their own, the read's messages played on the
// session's console; nullopt when the read did not complete.
std::optional<Sheet> read_radio(Session& session);

}  // namespace m27
