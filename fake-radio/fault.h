// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ways the fake radio can misbehave on demand, one at a time.

#include <optional>
#include <string_view>

namespace m27::fake {

struct Fault {
  enum class Kind {
    kNone,
    kSilent,       // never answers
    kSilentAfter,  // serves the first `parameter` requests, then ignores every request
    kBadChecksum,  // every frame it sends has its checksum off by one
    kCutOff,       // every frame it sends stops half-way through
    kGarbage,      // after the first request: an endless stream that never forms a valid frame
    kEcho,         // every received byte is sent straight back, as a cable with echo would
    kEchoOnly,     // the echo and nothing else: a cable whose radio is switched off
    kEarly,        // replies start 5 ms after the request, inside the program's settle window
    kSlow,         // replies wait `parameter` ms longer than the settle window
    kStoreWrong,   // acknowledges the write of row `parameter` but stores a changed record
    kTrailing,     // every frame it sends is followed, in the same burst, by another's first bytes
    kVanish,       // serves the first `parameter` requests, then closes its side of the line
  };
  Kind kind = Kind::kNone;
  int parameter = 0;
  friend bool operator==(const Fault&, const Fault&) = default;
};

// "silent", "silent-after=K", "bad-checksum", "cut-off", "garbage", "echo", "echo-only", "early",
// "slow=MS", "store-wrong=ROW", "trailing", "vanish=K"; K, MS and ROW are decimal numbers
// 0..1000000. nullopt for anything else.
std::optional<Fault> parse_fault(std::string_view text);

}  // namespace m27::fake
