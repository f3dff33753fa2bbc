// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake-radio/fault.h"

#include "fake-radio/number.h"

namespace m27::fake {
namespace {

constexpr int kLargestParameter = 1'000'000;

struct Name {
  std::string_view text;
  Fault::Kind kind;
  bool has_parameter;
};

constexpr Name kNames[] = {
    {"silent", Fault::Kind::kSilent, false},
    {"silent-after", Fault::Kind::kSilentAfter, true},
    {"bad-checksum", Fault::Kind::kBadChecksum, false},
    {"cut-off", Fault::Kind::kCutOff, false},
    {"garbage", Fault::Kind::kGarbage, false},
    {"echo", Fault::Kind::kEcho, false},
    {"echo-only", Fault::Kind::kEchoOnly, false},
    {"early", Fault::Kind::kEarly, false},
    {"slow", Fault::Kind::kSlow, true},
    {"store-wrong", Fault::Kind::kStoreWrong, true},
    {"trailing", Fault::Kind::kTrailing, false},
    {"vanish", Fault::Kind::kVanish, true},
};

}  // namespace

std::optional<Fault> parse_fault(std::string_view text) {
  const std::size_t equals = text.find('=');
  const std::string_view name = text.substr(0, equals);
  for (const auto& candidate : kNames) {
    if (candidate.text != name) continue;
    if (!candidate.has_parameter) {
      if (equals != std::string_view::npos) return std::nullopt;
      return Fault{candidate.kind, 0};
    }
    if (equals == std::string_view::npos) return std::nullopt;
    const auto parameter = parse_count(text.substr(equals + 1), kLargestParameter);
    if (!parameter) return std::nullopt;
    return Fault{candidate.kind, *parameter};
  }
  return std::nullopt;
}

}  // namespace m27::fake
