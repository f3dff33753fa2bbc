// SPDX-License-Identifier: GPL-3.0-or-later
// Reads arbitrary bytes as a series log, alone and between two good lines, and checks what must
// hold whatever the bytes: no line, torn or malformed, takes a good line's ID out of the used
// ones or its radio out of the done ones, and what the bytes say does not depend on what stands
// before them.

#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "series/log_history.h"

namespace m27 {
namespace {

const std::string kBefore = "2026-12-07T17:40:12+08:00,com1,7,4000000001,ok,,2.1,aa,完成\r\n";
const std::string kAfter = "2026-12-07T17:40:14+08:00,com2,8,4000000002,reserved,,1.0,aa,\r\n";

using fuzz::check;

}  // namespace
}  // namespace m27

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace m27;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const LogReading alone = read_log(bytes);
  const LogReading after_good = read_log(kBefore + bytes);
  const LogReading between = read_log(kBefore + bytes + "\r\n" + kAfter);

  auto used = alone.history.used_ids();
  used.insert(4000000001u);
  check(after_good.history.used_ids() == used, "a good line before changed what the bytes say");
  check(after_good.warnings.size() == alone.warnings.size(), "a good line before was skipped");
  check(between.history.used_ids().contains(4000000001u) &&
            between.history.used_ids().contains(4000000002u),
        "broken lines freed a used ID");
  check(between.history.done(4000000001u, "aa"), "broken lines undid a radio done");
  const auto barred = between.history.barred_ids();
  check(barred.contains(7u) && barred.contains(8u), "broken lines freed an ID a radio came with");
  const std::uint32_t lowest = lowest_free_id(alone.history);
  check(lowest > 0 && !alone.history.barred_ids().contains(lowest), "0 or a barred ID is free");
  return 0;
}
