// Feeds arbitrary bytes, "written" reports, timer events, starts and cancels to the link engine
// and checks what no radio may break: a running sequence always has a deadline no further away
// than one attempt, and every deadline is kept (the sanitizers watch every buffer).

#include <cstdint>
#include <cstdlib>
#include <memory>

#include "channels/sheet.h"
#include "link/link.h"
#include "link/read_transfer.h"
#include "link/write_transfer.h"

namespace {

using namespace std::chrono_literals;

// The longest an attempt may take from the moment its request was queued: the longest request's
// line time, then the longest interval.
constexpr m27::Duration kLongestAttempt = m27::kByteTime * 21 + 5s;

struct Driver {
  m27::Sheet sheet = m27::startup_sheet();
  m27::Link link;
  m27::TimePoint now{};

  // After every input: the actions taken, and a deadline exactly while a sequence runs.
  void settle() {
    while (link.poll()) {
    }
    const auto deadline = link.next_deadline();
    if (link.busy() != deadline.has_value() || (deadline && *deadline - now > kLongestAttempt)) {
      std::abort();
    }
  }

  // Keeps every deadline on the way; a late or spurious timer event at the end is harmless.
  void advance(m27::Duration duration) {
    const m27::TimePoint target = now + duration;
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

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Driver driver;
  m27::Link& link = driver.link;
  link.set_port_open(true);
  for (std::size_t i = 0; i < size;) {
    const std::uint8_t op = data[i++];
    const int arg = op / 8;
    switch (op % 8) {
      case 0:
      case 1: {  // a burst of bytes from the radio
        const std::size_t n = std::min<std::size_t>(arg + 1, size - i);
        link.on_bytes(driver.now, std::span(data + i, n));
        i += n;
        break;
      }
      case 2:
        link.on_written(driver.now);
        break;
      case 3:
        driver.advance(std::chrono::milliseconds(arg * 7));
        break;
      case 4:
        driver.advance(std::chrono::milliseconds(arg * 211));
        break;
      case 5:
        if (arg % 2) {
          link.start(driver.now, std::make_unique<m27::WriteTransfer>(driver.sheet));
        } else {
          link.start(driver.now, std::make_unique<m27::ReadTransfer>(driver.sheet));
        }
        break;
      case 6:
        link.cancel();
        break;
      case 7:
        if (arg % 8 == 7) {
          link.on_port_lost();
        } else {
          link.set_port_open(arg % 4 != 0);
        }
        break;
    }
    driver.settle();
  }
  driver.advance(60s);  // whatever is running ends by itself
  driver.settle();
  return 0;
}
