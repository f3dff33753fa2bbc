// The fake radio is the oracle of the link tests. Its replies, memory, monitor stream and the
// faults that count requests are proven by the link, window and end-to-end tests that drive it;
// these prove what they would not notice: when each reply comes and how each fault bends it.

#include <gtest/gtest.h>

#include "fake-radio/memory.h"
#include "fake-radio/radio.h"
#include "hex.h"

namespace m27::fake {
namespace {

using namespace std::chrono_literals;

const TimePoint kT0 = TimePoint{} + 1h;
const Duration kLine6 = 6 * kByteTime;  // an option or channel read on the line
const Duration kReply = kLine6 + 50ms;  // after the 20 ms settle window and the 30 ms delay
const char* kOptionRead = "53 03 00 00 04 5A";
const char* kOptionReply = "44 03 01 00 16 5E";

struct Timed {
  TimePoint at;
  std::uint8_t byte;
};

// Every byte the radio sends up to `until`, stepping from deadline to deadline.
std::vector<Timed> run_until(Radio& radio, TimePoint until) {
  std::vector<Timed> sent;
  while (const auto deadline = radio.next_deadline()) {
    if (*deadline > until) break;
    for (auto byte : radio.transmit(*deadline)) sent.push_back({*deadline, byte});
  }
  return sent;
}

std::string hex_of(const std::vector<Timed>& sent) {
  std::vector<std::uint8_t> bytes;
  for (const auto& s : sent) bytes.push_back(s.byte);
  return m27::hex(bytes);
}

// When each fault and each pacing sends what, from the first byte to the last. Paced, each byte
// arrives once it has been on the line for a byte time.
TEST(FakeRadio, RepliesAfterTheSettleWindowPacedAndMisbehavingAsAsked) {
  struct Case {
    const char* fault;
    Options options;
    const char* sent;
    Duration first_at;
    Duration last_at;
  };
  const Case kCases[] = {
      {"", {}, kOptionReply, kReply, kReply},
      {"", {.reply_delay = 0ms}, kOptionReply, kLine6 + 20ms, kLine6 + 20ms},
      {"slow=250", {}, kOptionReply, kLine6 + 270ms, kLine6 + 270ms},
      {"early", {}, kOptionReply, kLine6 + 5ms, kLine6 + 5ms},
      {"", {.paced = true}, kOptionReply, kReply + kByteTime, kReply + 6 * kByteTime},
      {"silent", {}, "", {}, {}},
      {"bad-checksum", {}, "44 03 01 00 16 5F", kReply, kReply},
      {"cut-off", {}, "44 03 01", kReply, kReply},
      {"echo", {}, "53 03 00 00 04 5A 44 03 01 00 16 5E", 0ms, kReply},
      {"trailing", {}, "44 03 01 00 16 5E 44 07 27 1A 27", kReply, kReply},
  };
  for (Case c : kCases) {
    if (*c.fault) c.options.fault = *parse_fault(c.fault);
    Radio radio(default_memory(), c.options);
    radio.receive(kT0, unhex(kOptionRead));
    const auto sent = run_until(radio, kT0 + 1s);
    EXPECT_EQ(hex_of(sent), c.sent) << c.fault;
    if (sent.empty()) continue;
    EXPECT_EQ(sent.front().at, kT0 + c.first_at) << c.fault;
    EXPECT_EQ(sent.back().at, kT0 + c.last_at) << c.fault;
  }
  Radio radio(default_memory(), {});  // a request whose last bytes come late
  const auto request = unhex(kOptionRead);
  radio.receive(kT0, std::span(request).first(2));
  radio.receive(kT0 + 40ms, std::span(request).subspan(2));
  EXPECT_EQ(run_until(radio, kT0 + 1s).front().at, kT0 + 40ms + 50ms);
}

}  // namespace
}  // namespace m27::fake
