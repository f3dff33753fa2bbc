#pragma once
// The data bytes of the last good frame, as the receive machine holds them and as ReplyData and
// MonitorPacket carry them to a dialog.

#include <array>
#include <cstdint>

#include "link/receiver.h"

namespace m27 {

using RxData = std::array<std::uint8_t, kMaxReplyData + 1>;

}  // namespace m27
