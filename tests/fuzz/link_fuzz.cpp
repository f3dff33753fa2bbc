// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes, "written" reports, timer events, starts, cancels and interrupts to the
// link engine
// and checks what no radio may break: a running sequence always has a deadline no further away
// than one attempt, and every deadline is kept (the sanitizers watch every buffer).

#include <cstdint>
#include <memory>

#include "channels/sheet.h"
#include "fuzz_check.h"
#include "link/link.h"
#include "link/read_transfer.h"
#include "link/write_plan.h"
#include "link/write_transfer.h"

namespace m27 {
namespace {

using namespace std::chrono_literals;

// The longest an attempt may take from the moment its request was queued: the longest request's
// line time, then the longest interval.
constexpr Duration kLongestAttempt = kByteTime * 21 + 5s;

struct Driver {
  Sheet sheet = startup_sheet();
  WritePlan plan = prepare_write(sheet).plan().value();
  Link link;
  TimePoint now{};

  // After every input: the actions taken, and a deadline exactly while a sequence runs.
  void settle() {
    while (link.poll()) {
    }
    const auto deadline = link.next_deadline();
    fuzz::check(link.busy() == deadline.has_value(),
                "a deadline is not there exactly while a sequence runs");
    fuzz::check(!deadline || *deadline - now <= kLongestAttempt,
                "a deadline lies past the longest attempt");
  }

  // Keeps every deadline on the way; a late or spurious timer event at the end is harmless.
  void advance(Duration duration) {
    const TimePoint target = now + duration;
    for (auto deadline = link.next_deadline(); deadline && *deadline <= target;
         deadline = link.next_deadline()) {
      now = std::max(now, *deadline);
      link.on_timer(now);
      settle();
    }
    now = target;
    link.on_timer(now);
  }
};

}  // namespace
}  // namespace m27

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace m27;
  Driver driver;
  Link& link = driver.link;
  link.set_port_open(true);
  for (std::size_t i = 0; i < size;) {
    const int kind = data[i] % 8;
    const int arg = data[i++] / 8;
    if (kind < 2) {  // a burst of bytes from the radio
      const std::size_t n = std::min<std::size_t>(arg + 1, size - i);
      link.on_bytes(driver.now, std::span(data + i, n));
      i += n;
    }
    if (kind == 2) link.on_written(driver.now);
    if (kind == 3) driver.advance(std::chrono::milliseconds(arg * 7));
    if (kind == 4) driver.advance(std::chrono::milliseconds(arg * 211));
    if (kind == 5 && arg % 2) link.start(driver.now, std::make_unique<WriteTransfer>(driver.plan));
    if (kind == 5 && arg % 2 == 0)
      link.start(driver.now, std::make_unique<ReadTransfer>(driver.sheet));
    if (kind == 6 && arg % 2) link.cancel();
    if (kind == 6 && arg % 2 == 0) link.interrupt();
    if (kind == 7 && arg % 8 == 7) link.on_port_lost();
    if (kind == 7 && arg % 8 != 7) link.set_port_open(arg % 4 != 0);
    driver.settle();
  }
  driver.advance(60s);  // whatever is running ends by itself
  driver.settle();
  return 0;
}
