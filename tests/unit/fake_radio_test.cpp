// The fake radio is the oracle of the link tests: these prove its replies, its timing, its pacing,
// each fault and the monitor stream. Its memory dump is proven end to end, where it is used.

#include <gtest/gtest.h>

#include "fake-radio/dump.h"
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

// The radio with `fault` (as the command line names it) after each request, one a second.
Radio served(const char* fault, std::initializer_list<const char*> requests) {
  Radio radio(default_memory(), {.fault = *fault ? *parse_fault(fault) : Fault{}});
  int i = 0;
  for (const char* request : requests) radio.receive(kT0 + i++ * 1s, unhex(request));
  return radio;
}

bool holds(const Radio& radio, const std::string& dump_line) {
  return dump(radio.memory()).find("\n" + dump_line + "\n") != std::string::npos;
}

// Reads of rows 0 and 24, RSSI, ID; writes of options, row 24, RSSI, ID; no reply to row 25 or
// to a checksum one too high.
TEST(FakeRadio, AnswersEveryRequestFromItsMemory) {
  const std::tuple<const char*, const char*, const char*> kCases[] = {
      {kOptionRead, kOptionReply, ""},
      {"52 03 00 00 05 5A", "44 07 27 1A 27 1A 00 00 03 D0", ""},
      {"52 03 18 00 05 72", "44 07 27 13 27 13 00 00 00 BF", ""},
      {"54 03 00 00 07 5E", "44 04 00 00 2D 2B A0", ""},
      {"5B 03 00 00 00 5E", "44 04 00 BC 61 4E B3", ""},
      {"58 06 00 00 E5 01 14 00 58", "41 00 41", "options E5 01 14"},
      {"57 09 18 00 01 00 00 01 00 00 1F 99", "41 00 41", "channel 24 01 00 00 01 00 00 1F"},
      {"59 08 00 00 80 80 2A 28 80 00 33", "41 00 41", "rssi 2A 28"},
      {"5A 04 12 34 56 78 72", "41 00 41", "id 12345678"},
      {"52 03 19 00 05 73", "", ""},
      {"57 09 19 00 01 02 03 04 00 00 00 83", "", ""},
      {"53 03 00 00 04 5B", "", ""},
  };
  for (const auto& [request, reply, stored] : kCases) {
    Radio radio = served("", {request});
    EXPECT_EQ(hex_of(run_until(radio, kT0 + 1s)), reply) << request;
    EXPECT_EQ(radio.requests_answered(), *reply ? 1u : 0u) << request;
    EXPECT_TRUE(*stored ? holds(radio, stored) : radio.memory() == default_memory());
  }
}

// When each fault and each pacing sends what, from the first byte to the last. Paced, each byte
// arrives once it has been on the line for a byte time, one frame after the other.
TEST(FakeRadio, RepliesAfterTheSettleWindowPacedAndMisbehavingAsAsked) {
  struct Case {
    const char* fault;
    Options options;
    const char* sent;
    Duration first_at;
    Duration last_at;
    std::string request = kOptionRead;
  };
  const Case kCases[] = {
      {"", {}, kOptionReply, kReply, kReply},
      {"", {.reply_delay = 0ms}, kOptionReply, kLine6 + 20ms, kLine6 + 20ms},
      {"slow=250", {}, kOptionReply, kLine6 + 270ms, kLine6 + 270ms},
      {"early", {}, kOptionReply, kLine6 + 5ms, kLine6 + 5ms},
      {"",
       {.paced = true},
       "44 03 01 00 16 5E 44 03 01 00 16 5E",
       kReply + kByteTime,
       kReply + 12 * kByteTime,
       std::string(kOptionRead) + " " + kOptionRead},
      {"silent", {}, "", {}, {}},
      {"silent-after=0", {}, "", {}, {}},
      {"vanish=0", {}, "", {}, {}},
      {"bad-checksum", {}, "44 03 01 00 16 5F", kReply, kReply},
      {"cut-off", {}, "44 03 01", kReply, kReply},
      {"echo", {}, "53 03 00 00 04 5A 44 03 01 00 16 5E", 0ms, kReply},
      {"trailing", {}, "44 03 01 00 16 5E 44 07 27 1A 27", kReply, kReply},
  };
  for (Case c : kCases) {
    if (*c.fault) c.options.fault = *parse_fault(c.fault);
    Radio radio(default_memory(), c.options);
    radio.receive(kT0, unhex(c.request));
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

// Falling silent after K requests, the command-line tests pin down (a write served whole, then
// no read-back); a vanishing radio serves K and then goes away.
TEST(FakeRadio, ServesKRequestsAndThenFallsSilentOrVanishes) {
  for (const char* fault : {"silent-after=2", "vanish=2"}) {
    const char* kIdWrite = "5A 04 00 00 00 00 5E";
    Radio radio = served(fault, {kIdWrite, kIdWrite, kIdWrite});
    EXPECT_EQ(hex_of(run_until(radio, kT0 + 10s)), "41 00 41 41 00 41") << fault;
    EXPECT_EQ(radio.vanished(), fault[0] == 'v') << fault;
  }
}

// The changed record of row 24 carries into the next step of the high byte.
TEST(FakeRadio, AcknowledgesRowKButStoresItOneStepHigher) {
  Radio radio = served("store-wrong=24", {"57 09 00 00 1F 40 27 D9 38 38 0D 3C",
                                          "57 09 18 00 01 FF 00 01 00 00 1F 98"});
  EXPECT_EQ(hex_of(run_until(radio, kT0 + 10s)), "41 00 41 41 00 41");
  EXPECT_TRUE(holds(radio, "channel 0 1F 40 27 D9 38 38 0D"));
  EXPECT_TRUE(holds(radio, "channel 24 02 00 00 01 00 00 1F"));
}

// A byte every byte time, and wherever a receiver starts reading, a reply command and a length up
// to 17 never end in a matching checksum.
TEST(FakeRadio, BabblesGarbageThatNeverFormsAFrame) {
  Radio radio = served("garbage", {kOptionRead});
  const auto sent = run_until(radio, kT0 + 5s);
  ASSERT_GT(sent.size(), 4000u);  // 5 s at 960 bytes a second
  EXPECT_EQ(sent.front().at, kT0 + kLine6);
  std::size_t look_alikes = 0;
  for (std::size_t i = 0; i + 1 < sent.size(); ++i) {
    ASSERT_EQ(sent[i + 1].at - sent[i].at, kByteTime);
    const std::size_t end = i + sent[i + 1].byte + 2;
    if (sent[i].byte < 0x3D || sent[i].byte > 0x46 || sent[i + 1].byte > 17 || end >= sent.size())
      continue;
    ++look_alikes;
    unsigned sum = 0;
    for (std::size_t k = i; k < end; ++k) sum += sent[k].byte;
    ASSERT_NE(sum % 256, sent[end].byte) << "a valid frame at " << i;
  }
  EXPECT_GT(look_alikes, 100u);
  EXPECT_EQ(radio.requests_answered(), 0u);
}

// A packet every 100 ms from the settled request on, the first whole; the request itself gets
// no reply. The battery shows charging for one second, then not; a stop ends the stream.
TEST(FakeRadio, StreamsMonitorPacketsEvery100MsUntilStopped) {
  Radio radio = served("", {"55 01 01 57"});
  const auto rssi = run_until(radio, kT0 + 1600ms);
  ASSERT_EQ(rssi.size(), 16u * 10);
  const std::string first = hex_of(std::vector(rssi.begin(), rssi.begin() + 10));
  EXPECT_EQ(first, "3D 07 01 28 01 2C 00 05 09 A8");
  EXPECT_NE(hex_of(std::vector(rssi.begin() + 10, rssi.begin() + 20)), first);  // it moves
  for (std::size_t k = 0; k < 16; ++k) {
    EXPECT_EQ(rssi[10 * k].at, kT0 + 4 * kByteTime + 50ms + k * 100ms) << k;
    EXPECT_EQ(hex_of(std::vector(rssi.begin() + 10 * k, rssi.begin() + 10 * k + 3)), "3D 07 01");
  }
  EXPECT_EQ(radio.requests_answered(), 0u);
  radio.receive(kT0 + 1600ms, unhex("55 01 02 58"));
  const auto battery = run_until(radio, kT0 + 3600ms);
  ASSERT_EQ(battery.size(), 20u * 7);
  EXPECT_EQ(hex_of(std::vector(battery.begin(), battery.begin() + 6)), "3D 04 02 01 03 E8");
  EXPECT_EQ(hex_of(std::vector(battery.begin() + 70, battery.begin() + 74)), "3D 04 02 00");
  radio.receive(kT0 + 3600ms, unhex("55 01 00 56"));
  run_until(radio, kT0 + 4600ms);
  EXPECT_EQ(radio.monitor_mode(), MonitorMode::kOff);
  EXPECT_EQ(radio.next_deadline(), std::nullopt);
}

}  // namespace
}  // namespace m27::fake
