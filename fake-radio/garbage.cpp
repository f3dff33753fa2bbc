// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake-radio/garbage.h"

#include <array>

namespace m27::fake {
namespace {

constexpr std::array<std::uint8_t, 45> kPattern = {
    0x44, 0x03, 0x01, 0x00, 0x16, 0x5F,  // an option record whose checksum is one too high
    0x00, 0xFF, 0x52,                    // bytes that cannot begin a reply
    0x41, 0x00, 0x40,                    // an acknowledgement whose checksum is one too low
    0x3D, 0x20,                          // a length of 32: more than a reply may carry
    0x46, 0x07, 0x27, 0x1A, 0x27, 0x1A, 0x00, 0x00, 0x03, 0xD3,  // a channel record, off by one
    0x42, 0x11, 0x03, 0x13, 0x23, 0x33, 0x43, 0x53, 0x63, 0x73,  // 17 data bytes, the most a
    0x83, 0x93, 0xA3, 0xB3, 0xC3, 0xD3, 0xE3, 0xF3, 0x03, 0x07,  // reply may carry, off by one
};

}  // namespace

std::uint8_t garbage_byte(std::size_t index) { return kPattern[index % kPattern.size()]; }

}  // namespace m27::fake
