// The fake radio is the oracle of the link tests: these prove its replies, its timing, its pacing,
// each fault, the monitor stream, and the memory dump an end-to-end test reads back.

#include <gtest/gtest.h>

#include "fake-radio/dump.h"
#include "fake-radio/radio.h"
#include "hex.h"

namespace m27::fake {
namespace {

using namespace std::chrono_literals;

const TimePoint kT0 = TimePoint{} + 1h;
const Duration kLine6 = 6 * kByteTime;  // an option or channel read on the line
const char* kOptionRead = "53 03 00 00 04 5A";

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

TEST(FakeRadio, AnswersEveryRequestFromItsMemory) {
  struct Case {
    const char* request;
    const char* reply;
    const char* stored;  // the line of the memory dump a write changes
  };
  const Case kCases[] = {
      {kOptionRead, "44 03 01 00 16 5E", ""},
      {"52 03 00 00 05 5A", "44 07 27 1A 27 1A 00 00 03 D0", ""},
      {"52 03 18 00 05 72", "44 07 27 13 27 13 00 00 00 BF", ""},
      {"54 03 00 00 07 5E", "44 04 00 00 2D 2B A0", ""},
      {"5B 03 00 00 00 5E", "44 04 00 BC 61 4E B3", ""},
      {"58 06 00 00 E5 01 14 00 58", "41 00 41", "options E5 01 14"},
      {"57 09 18 00 01 00 00 01 00 00 1F 99", "41 00 41", "channel 24 01 00 00 01 00 00 1F"},
      {"59 08 00 00 80 80 2A 28 80 00 33", "41 00 41", "rssi 2A 28"},
      {"5A 04 12 34 56 78 72", "41 00 41", "id 12345678"},
      {"52 03 19 00 05 73", "", ""},                    // channel read of row 25: there is none
      {"57 09 19 00 01 02 03 04 00 00 00 83", "", ""},  // channel write of row 25
      {"53 03 00 00 04 5B", "", ""},                    // option read, checksum one too high
  };
  for (const auto& c : kCases) {
    Radio radio(default_memory(), {});
    radio.receive(kT0, unhex(c.request));
    EXPECT_EQ(hex_of(run_until(radio, kT0 + 1s)), c.reply) << c.request;
    EXPECT_EQ(radio.requests_answered(), *c.reply ? 1u : 0u) << c.request;
    const std::string memory = dump(radio.memory());
    if (*c.stored) {
      EXPECT_NE(memory.find(std::string("\n") + c.stored + "\n"), memory.npos) << c.request;
    } else {
      EXPECT_EQ(memory, dump(default_memory())) << c.request;
    }
  }
}

// When each fault and each pacing sends what, from the first byte to the last. Paced, each byte
// arrives once it has been on the line for a byte time, one frame after the other.
TEST(FakeRadio, RepliesAfterTheSettleWindowPacedAndMisbehavingAsAsked) {
  const Duration kReply = kLine6 + 50ms;
  const char* kOptionReply = "44 03 01 00 16 5E";
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
    Radio radio(default_memory(), {.fault = *parse_fault(fault)});
    for (int i = 0; i < 3; ++i) {
      EXPECT_FALSE(radio.vanished()) << i;
      radio.receive(kT0 + i * 1s, unhex("5A 04 00 00 00 00 5E"));
    }
    EXPECT_EQ(radio.vanished(), fault[0] == 'v') << fault;
    EXPECT_EQ(hex_of(run_until(radio, kT0 + 10s)), "41 00 41 41 00 41") << fault;
  }
}

TEST(FakeRadio, AcknowledgesRowKButStoresItOneStepHigher) {
  Radio radio(default_memory(), {.fault = *parse_fault("store-wrong=24")});
  radio.receive(kT0, unhex("57 09 00 00 1F 40 27 D9 38 38 0D 3C"));
  radio.receive(kT0 + 1s, unhex("57 09 18 00 01 FF 00 01 00 00 1F 98"));
  EXPECT_EQ(hex_of(run_until(radio, kT0 + 10s)), "41 00 41 41 00 41");
  const std::string memory = dump(radio.memory());
  EXPECT_NE(memory.find("\nchannel 0 1F 40 27 D9 38 38 0D\n"), memory.npos);
  EXPECT_NE(memory.find("\nchannel 24 02 00 00 01 00 00 1F\n"), memory.npos) << "carried";
}

// A byte every byte time, and wherever a receiver starts reading, a reply command and a length up
// to 17 never end in a matching checksum.
TEST(FakeRadio, BabblesGarbageThatNeverFormsAFrame) {
  Radio radio(default_memory(), {.fault = {Fault::Kind::kGarbage, 0}});
  radio.receive(kT0, unhex(kOptionRead));
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

// The monitor packets sent, each as its data bytes with the time its first byte was due.
std::vector<std::pair<TimePoint, std::string>> monitor_packets(const std::vector<Timed>& sent) {
  std::vector<std::pair<TimePoint, std::string>> packets;
  for (std::size_t i = 0; i + 1 < sent.size(); i += sent[i + 1].byte + 3) {
    EXPECT_EQ(sent[i].byte, 0x3D);
    const std::size_t end = std::min(sent.size(), i + 2 + sent[i + 1].byte);
    const auto data = std::vector(sent.begin() + i + 2, sent.begin() + end);
    packets.push_back({sent[i].at, hex_of(data)});
  }
  return packets;
}

TEST(FakeRadio, StreamsMonitorPacketsEvery100MsUntilStopped) {
  Radio radio(default_memory(), {});
  radio.receive(kT0, unhex("55 01 01 57"));
  const auto rssi_sent = run_until(radio, kT0 + 1600ms);
  EXPECT_EQ(hex_of(std::vector(rssi_sent.begin(), rssi_sent.begin() + 10)),
            "3D 07 01 28 01 2C 00 05 09 A8");
  const auto rssi = monitor_packets(rssi_sent);
  ASSERT_EQ(rssi.size(), 16u);
  for (std::size_t k = 0; k < rssi.size(); ++k) {
    EXPECT_EQ(rssi[k].first, kT0 + 4 * kByteTime + 50ms + k * 100ms) << k;
    EXPECT_EQ(rssi[k].second.substr(0, 3), "01 ") << k;  // type 1 and its data
  }
  EXPECT_NE(rssi[0].second, rssi[1].second);
  EXPECT_EQ(radio.requests_answered(), 0u);  // the request itself gets no reply

  radio.receive(kT0 + 1600ms, unhex("55 01 02 58"));
  const auto battery = monitor_packets(run_until(radio, kT0 + 3600ms));
  ASSERT_EQ(battery.size(), 20u);
  EXPECT_EQ(battery[0].second, "02 01 03 E8");
  EXPECT_EQ(battery[10].second.substr(0, 5), "02 00");  // charging for one second, then not
  radio.receive(kT0 + 3600ms, unhex("55 01 00 56"));
  run_until(radio, kT0 + 4600ms);
  EXPECT_EQ(radio.monitor_mode(), MonitorMode::kOff);
  EXPECT_EQ(radio.next_deadline(), std::nullopt);
}

TEST(FakeRadioDump, ReadsBackWhatItWrote) {
  Memory changed = default_memory();
  changed.options = {0xE5, 0x03, 0x19};
  changed.channels[24] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  changed.rssi_narrow = 0;
  changed.rssi_wide = 255;
  for (const auto& memory : {default_memory(), changed, Memory{}}) {
    std::string error;
    EXPECT_EQ(parse_dump(dump(memory), &error), memory) << error;
  }
}

}  // namespace
}  // namespace m27::fake
