// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The babble of a broken radio: a repeating pattern of frame look-alikes in the reply range
// 0x3D..0x46 (with plausible lengths and data whose checksums never match, and one length
// that is too long) and bytes outside the range. Wherever a receiver starts reading, no
// position of the pattern begins a frame with a correct checksum.

#include <cstddef>
#include <cstdint>

namespace m27::fake {

std::uint8_t garbage_byte(std::size_t index);

}  // namespace m27::fake
