// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// SHA-256 (FIPS 180-4), for the fingerprint of a series job's template in its log.

#include <string>
#include <string_view>

namespace m27 {

// The digest of `bytes` as 64 lower-case hexadecimal digits.
std::string sha256_hex(std::string_view bytes);

}  // namespace m27
