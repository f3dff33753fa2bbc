// SPDX-License-Identifier: GPL-3.0-or-later
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

// The bytes, and when the first and the last left, in nanoseconds after kT0.
std::string line(const std::string& bytes, Duration first, Duration last) {
  return bytes + " | " + std::to_string(first / 1ns) + " | " + std::to_string(last / 1ns);
}

// What the radio sends within a second of kT0, stepping from deadline to deadline.
std::string sent_within_a_second(Radio& radio) {
  std::vector<std::uint8_t> bytes;
  Duration first{}, last{};
  while (const auto deadline = radio.next_deadline()) {
    if (*deadline > kT0 + 1s) break;
    const auto out = radio.transmit(*deadline);
    if (!out.empty() && bytes.empty()) first = *deadline - kT0;
    if (!out.empty()) last = *deadline - kT0;
    bytes.insert(bytes.end(), out.begin(), out.end());
  }
  return line(m27::hex(bytes), first, last);
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
    EXPECT_EQ(sent_within_a_second(radio), line(c.sent, c.first_at, c.last_at)) << c.fault;
  }
  Radio radio(default_memory(), {});  // a request whose last bytes come late
  const auto request = unhex(kOptionRead);
  radio.receive(kT0, std::span(request).first(2));
  radio.receive(kT0 + 40ms, std::span(request).subspan(2));
  EXPECT_EQ(sent_within_a_second(radio), line(kOptionReply, 40ms + 50ms, 40ms + 50ms));
}

}  // namespace
}  // namespace m27::fake
