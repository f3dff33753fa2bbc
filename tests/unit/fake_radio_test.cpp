// SPDX-License-Identifier: GPL-3.0-or-later
// The fake radio is the oracle of the link tests. Its replies, memory, monitor stream and the
// faults that count requests are proven by the link, window and end-to-end tests that drive it;
// these prove what they would not notice: when each reply comes and how each fault bends it.

#include <gtest/gtest.h>

#include "fake-radio/line_command.h"
#include "fake-radio/memory.h"
#include "fake-radio/radio.h"
#include "fake-radio/radio_line.h"
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
      {"echo-only", {}, "53 03 00 00 04 5A", 0ms, 0ms},
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

// What the line answers to a request at `at`, within 200 ms.
std::string answer(RadioLine& line, Duration at, const char* request) {
  line.receive(kT0 + at, unhex(request));
  std::vector<std::uint8_t> bytes;
  for (auto due = line.next_deadline(); due && *due <= kT0 + at + 200ms;
       due = line.next_deadline()) {
    const auto out = line.transmit(*due);
    bytes.insert(bytes.end(), out.begin(), out.end());
  }
  return m27::hex(bytes);
}

// Nothing answers while no radio is plugged in; a plugged radio is a factory one with its ID;
// with a swap time, a radio goes that long after its written ID was read back, and a fresh one
// with ID 0 comes as long after.
TEST(FakeRadioLine, SwapsRadiosOnCommandAndAfterEachIsNumbered) {
  const char* kReadId = "5B 03 00 00 00 5E";
  RadioLine line(default_memory(), {}, 1500ms);
  EXPECT_EQ(answer(line, 0s, kReadId), "44 04 00 BC 61 4E B3");
  line.unplug();
  EXPECT_EQ(answer(line, 1s, kReadId), "");
  line.plug(9);
  EXPECT_EQ(answer(line, 2s, kReadId), "44 04 00 00 00 09 51");
  EXPECT_EQ(answer(line, 3s, "5A 04 00 00 00 05 63"), "41 00 41");
  EXPECT_EQ(answer(line, 4s, kReadId), "44 04 00 00 00 05 4D");  // numbered 56 ms later
  EXPECT_EQ(answer(line, 5400ms, kReadId), "44 04 00 00 00 05 4D");
  EXPECT_EQ(answer(line, 6s, kReadId), "");
  EXPECT_EQ(answer(line, 7500ms, kReadId), "44 04 00 00 00 00 48");
  EXPECT_EQ(line.radio()->memory(), [] {
    Memory fresh = default_memory();
    fresh.id = 0;
    return fresh;
  }());
  ASSERT_EQ(line.unplugged().size(), 2u);
  EXPECT_EQ(line.unplugged()[1].id, 5u);
  line.plug(3, Fault{Fault::Kind::kSilent});
  EXPECT_EQ(answer(line, 9s, kReadId), "");
  EXPECT_EQ(line.radios_plugged(), 4u);
}

TEST(FakeRadioLine, TakesUnplugAndPlugLines) {
  const struct {
    const char* line;
    std::optional<LineCommand> command;
    const char* error;
  } kCases[] = {
      {"unplug", Unplug{}, ""},
      {" plug\t7 \r", Plug{7}, ""},
      {"plug 4294967295 store-wrong=3", Plug{4294967295u, Fault{Fault::Kind::kStoreWrong, 3}}, ""},
      {"plug 4294967296", std::nullopt, "not an ID 0..4294967295: 4294967296"},
      {"plug -1", std::nullopt, "not an ID 0..4294967295: -1"},
      {"plug", std::nullopt, "plug needs an ID and at most a fault"},
      {"plug 7 loud", std::nullopt, "unknown fault loud"},
      {"unplug now", std::nullopt, "unknown command: unplug now"},
      {"", std::nullopt, "unknown command: "},
  };
  for (const auto& c : kCases) {
    std::string error;
    EXPECT_EQ(parse_line_command(c.line, &error), c.command) << c.line;
    EXPECT_EQ(error, c.error);
  }
}

}  // namespace
}  // namespace m27::fake
