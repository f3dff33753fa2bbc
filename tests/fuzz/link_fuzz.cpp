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
using m27::TimePoint;

// The longest an attempt may take from the moment its request was queued: the longest request's
// line time, then the longest interval.
constexpr m27::Duration kLongestAttempt = m27::kByteTime * 21 + 5s;

void check(bool ok) {
  if (!ok) std::abort();
}

class Driver {
 public:
  void advance(m27::Duration d) {
    const TimePoint target = now_ + d;
    while (auto deadline = link_.next_deadline()) {
      if (*deadline > target) break;
      now_ = std::max(now_, *deadline);
      link_.on_timer(now_);
      drain();
    }
    now_ = target;
    link_.on_timer(now_);  // a late or spurious timer event is harmless
    drain();
  }

  void bytes(const std::uint8_t* data, std::size_t n) {
    link_.on_bytes(now_, std::span(data, n));
    drain();
  }

  void written() {
    link_.on_written(now_);
    drain();
  }

  void start(bool write) {
    if (write) {
      link_.start(now_, std::make_unique<m27::WriteTransfer>(sheet_));
    } else {
      link_.start(now_, std::make_unique<m27::ReadTransfer>(sheet_));
    }
    drain();
  }

  void cancel() {
    link_.cancel();
    drain();
  }

  void set_port_open(bool open) { link_.set_port_open(open); }

  void lose_port() {
    link_.on_port_lost();
    drain();
  }

 private:
  void drain() {
    while (link_.poll()) {
    }
    const auto deadline = link_.next_deadline();
    check(link_.busy() == deadline.has_value());
    if (deadline) check(*deadline - now_ <= kLongestAttempt);
  }

  m27::Sheet sheet_ = m27::startup_sheet();
  m27::Link link_;
  TimePoint now_{};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Driver driver;
  driver.set_port_open(true);
  std::size_t i = 0;
  while (i < size) {
    const std::uint8_t op = data[i++];
    switch (op % 8) {
      case 0:
      case 1: {  // a burst of bytes from the radio
        const std::size_t n = std::min<std::size_t>(op / 8 + 1, size - i);
        driver.bytes(data + i, n);
        i += n;
        break;
      }
      case 2:
        driver.written();
        break;
      case 3:
        driver.advance(std::chrono::milliseconds(op / 8 * 7));
        break;
      case 4:
        driver.advance(std::chrono::milliseconds(op / 8 * 211));
        break;
      case 5:
        driver.start(op / 8 % 2 == 1);
        break;
      case 6:
        driver.cancel();
        break;
      case 7:
        if (op / 8 % 8 == 7) {
          driver.lose_port();
        } else {
          driver.set_port_open(op / 8 % 4 != 0);
        }
        break;
    }
  }
  driver.advance(60s);  // whatever is running ends by itself
  return 0;
}
