#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "fake-radio/radio.h"

namespace m27::fake {
namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;

const TimePoint kT0 = TimePoint{} + 1h;

struct Timed {
  TimePoint at;
  std::uint8_t byte;
};

// The frame as the protocol defines it, checksum computed here, independently of the model.
Bytes frame(std::uint8_t command, Bytes data) {
  unsigned sum = command + static_cast<unsigned>(data.size());
  for (auto b : data) sum += b;
  data.insert(data.begin(), {command, static_cast<std::uint8_t>(data.size())});
  data.push_back(static_cast<std::uint8_t>(sum));
  return data;
}

// Every byte the radio sends up to `until`, stepping from deadline to deadline.
std::vector<Timed> run_until(Radio& radio, TimePoint until) {
  std::vector<Timed> sent;
  while (const auto deadline = radio.next_deadline()) {
    if (*deadline > until) break;
    for (auto byte : radio.transmit(*deadline)) sent.push_back({*deadline, byte});
  }
  return sent;
}

Bytes bytes_of(const std::vector<Timed>& sent) {
  Bytes bytes;
  for (const auto& s : sent) bytes.push_back(s.byte);
  return bytes;
}

// Sends one request at kT0 and returns whatever comes back within a second.
Bytes ask(Radio& radio, const Bytes& request) {
  radio.receive(kT0, request);
  return bytes_of(run_until(radio, kT0 + 1s));
}

Radio factory_radio(Options options = {}) { return Radio(default_memory(), options); }

std::string hex(const Bytes& bytes) {
  std::string text;
  for (auto b : bytes) text += (text.empty() ? "" : " ") + std::to_string(b);
  return text;
}

TEST(FakeRadio, AnswersEveryReadFromItsMemory) {
  struct Case {
    Bytes request;
    Bytes reply;
  };
  const Case kCases[] = {
      {{0x53, 0x03, 0x00, 0x00, 0x04, 0x5A}, {0x44, 0x03, 0x01, 0x00, 0x16, 0x5E}},
      {{0x52, 0x03, 0x00, 0x00, 0x05, 0x5A}, frame(0x44, {0x27, 0x1A, 0x27, 0x1A, 0, 0, 0x03})},
      {{0x52, 0x03, 0x01, 0x00, 0x05, 0x5B}, frame(0x44, {0x27, 0x1E, 0x27, 0x1E, 1, 39, 0x07})},
      {{0x52, 0x03, 0x0E, 0x00, 0x05, 0x68}, frame(0x44, {0x27, 0x18, 0x27, 0x18, 0, 0, 0x03})},
      {{0x52, 0x03, 0x18, 0x00, 0x05, 0x72}, frame(0x44, {0x27, 0x13, 0x27, 0x13, 0, 0, 0x00})},
      {{0x54, 0x03, 0x00, 0x00, 0x07, 0x5E}, frame(0x44, {0, 0, 45, 43})},
      {{0x5B, 0x03, 0x00, 0x00, 0x00, 0x5E}, frame(0x44, {0x00, 0xBC, 0x61, 0x4E})},
  };
  for (const auto& c : kCases) {
    auto radio = factory_radio();
    EXPECT_EQ(ask(radio, c.request), c.reply) << hex(c.request);
    EXPECT_EQ(radio.requests_answered(), 1u);
  }
}

TEST(FakeRadio, StoresEveryWriteAndAcknowledges) {
  struct Case {
    Bytes request;
    void (*change)(Memory&);
  };
  const Case kCases[] = {
      {frame(0x58, {0, 0, 0xE5, 0x01, 20, 0}),
       [](Memory& m) {
         m.options = {0xE5, 0x01, 20};
       }},
      {frame(0x57, {0, 0, 0x1F, 0x40, 0x27, 0xD9, 56, 56, 0x0D}),
       [](Memory& m) { m.channels[0] = {0x1F, 0x40, 0x27, 0xD9, 56, 56, 0x0D}; }},
      {frame(0x57, {24, 0, 0x01, 0x00, 0x00, 0x01, 0, 0, 0x1F}),
       [](Memory& m) { m.channels[24] = {0x01, 0x00, 0x00, 0x01, 0, 0, 0x1F}; }},
      {{0x59, 0x08, 0x00, 0x00, 0x80, 0x80, 0x2A, 0x28, 0x80, 0x00, 0x33},
       [](Memory& m) { m.rssi_narrow = 42, m.rssi_wide = 40; }},
      {{0x5A, 0x04, 0x12, 0x34, 0x56, 0x78, 0x72}, [](Memory& m) { m.id = 0x12345678; }},
      {frame(0x5A, {0xFF, 0xFF, 0xFF, 0xFF}), [](Memory& m) { m.id = 4294967295u; }},
      {frame(0x5A, {0, 0, 0, 0}), [](Memory& m) { m.id = 0; }},
  };
  for (const auto& c : kCases) {
    auto radio = factory_radio();
    Memory expected = default_memory();
    c.change(expected);
    EXPECT_EQ(ask(radio, c.request), (Bytes{0x41, 0x00, 0x41})) << hex(c.request);
    EXPECT_EQ(radio.memory(), expected) << hex(c.request);
  }
}

TEST(FakeRadio, ReadsBackWhatWasWritten) {
  auto radio = factory_radio();
  radio.receive(kT0, frame(0x57, {7, 0, 0x12, 0x34, 0x56, 0x78, 9, 10, 0x04}));
  radio.receive(kT0 + 1s, frame(0x52, {7, 0, 5}));
  const auto sent = bytes_of(run_until(radio, kT0 + 2s));
  Bytes expected = {0x41, 0x00, 0x41};
  const auto record = frame(0x44, {0x12, 0x34, 0x56, 0x78, 9, 10, 0x04});
  expected.insert(expected.end(), record.begin(), record.end());
  EXPECT_EQ(sent, expected);
}

TEST(FakeRadio, IgnoresWhatIsNoRequestItServes) {
  const Bytes kBad[] = {
      frame(0x52, {25, 0, 5}),                    // channel read of row 25: there is none
      frame(0x57, {25, 0, 1, 2, 3, 4, 0, 0, 0}),  // channel write of row 25
      {0x53, 0x03, 0x00, 0x00, 0x04, 0x5B},       // option read, checksum one too high
      frame(0x53, {0, 0, 4, 0}),                  // option read with 4 data bytes
      frame(0x5A, {1, 2, 3}),                     // ID write with 3 ID bytes
      frame(0x50, {0, 0, 4}),                     // 0x50 is no command
      frame(0x44, {0x01, 0x00, 0x16}),            // a reply, e.g. one the PC echoed back
  };
  for (const auto& request : kBad) {
    auto radio = factory_radio();
    EXPECT_EQ(ask(radio, request), Bytes{}) << hex(request);
    EXPECT_EQ(radio.memory(), default_memory()) << hex(request);
    EXPECT_EQ(radio.requests_answered(), 0u) << hex(request);
  }
}

TEST(FakeRadio, FindsRequestsAmongOtherBytes) {
  const Bytes kOptionRead = {0x53, 0x03, 0x00, 0x00, 0x04, 0x5A};
  const Bytes kReply = {0x44, 0x03, 0x01, 0x00, 0x16, 0x5E};
  struct Case {
    Bytes before;
    std::size_t skipped;
  };
  const Case kCases[] = {
      {{0x00, 0xFF}, 2},
      {{0x53, 0x53}, 2},                 // a request's first byte twice
      {{0x53, 0x03, 0x00}, 3},           // the start of a request that never ended
      {{0x53, 0x03, 0, 0, 4, 0x5B}, 6},  // a whole request with a wrong checksum
      {{0x5A, 0x04, 0x45}, 3},           // an end request's command byte inside data
  };
  for (const auto& c : kCases) {
    auto radio = factory_radio();
    Bytes bytes = c.before;
    bytes.insert(bytes.end(), kOptionRead.begin(), kOptionRead.end());
    EXPECT_EQ(ask(radio, bytes), kReply) << hex(c.before);
    EXPECT_EQ(radio.bytes_skipped(), c.skipped) << hex(c.before);
    EXPECT_EQ(radio.request_log(), std::vector<Frame>{kOptionRead}) << hex(c.before);
  }
}

TEST(FakeRadio, AnswersRequestsFedOneByteAtATime) {
  const Bytes requests = {0x53, 0x03, 0x00, 0x00, 0x04, 0x5A, 0x52, 0x03, 0x18, 0x00, 0x05, 0x72};
  auto radio = factory_radio();
  for (std::size_t i = 0; i < requests.size(); ++i) {
    radio.receive(kT0 + i * 1ms, std::span(requests).subspan(i, 1));
  }
  Bytes expected = {0x44, 0x03, 0x01, 0x00, 0x16, 0x5E};
  const auto channel = frame(0x44, {0x27, 0x13, 0x27, 0x13, 0, 0, 0x00});
  expected.insert(expected.end(), channel.begin(), channel.end());
  EXPECT_EQ(bytes_of(run_until(radio, kT0 + 1s)), expected);
}

TEST(FakeRadio, CountsEndPacketsAndLogsRequests) {
  auto radio = factory_radio();
  const Bytes end = {0x45, 0x00, 0x45};
  const Bytes option_read = {0x53, 0x03, 0x00, 0x00, 0x04, 0x5A};
  radio.receive(kT0, end);
  radio.receive(kT0 + 1s, option_read);
  radio.receive(kT0 + 2s, end);
  run_until(radio, kT0 + 3s);
  EXPECT_EQ(radio.end_packets(), 2u);
  EXPECT_EQ(radio.requests_seen(), 3u);
  EXPECT_EQ(radio.requests_answered(), 1u);
  EXPECT_EQ(radio.request_log(), (std::vector<Frame>{end, option_read, end}));
}

TEST(FakeRadio, StartsReplyingAfterTheSettleWindow) {
  const Bytes kOptionRead = {0x53, 0x03, 0x00, 0x00, 0x04, 0x5A};
  const TimePoint line_end = kT0 + 6 * kByteTime;
  struct Case {
    const char* name;
    Options options;
    TimePoint start;
  };
  const Case kCases[] = {
      {"default", {}, line_end + 20ms + 30ms},
      {"no delay", {.reply_delay = 0ms}, line_end + 20ms},
      {"--delay 7", {.reply_delay = 7ms}, line_end + 27ms},
      {"slow=250", {.fault = {Fault::Kind::kSlow, 250}}, line_end + 270ms},
      {"early", {.fault = {Fault::Kind::kEarly, 0}}, line_end + 5ms},
  };
  for (const auto& c : kCases) {
    auto radio = factory_radio(c.options);
    radio.receive(kT0, kOptionRead);
    const auto sent = run_until(radio, kT0 + 1s);
    ASSERT_EQ(sent.size(), 6u) << c.name;
    for (const auto& s : sent) EXPECT_EQ(s.at, c.start) << c.name;
  }
}

TEST(FakeRadio, TakesLateBytesAsTheirRealArrival) {
  auto radio = factory_radio();
  const Bytes request = {0x53, 0x03, 0x00, 0x00, 0x04, 0x5A};
  radio.receive(kT0, std::span(request).first(2));
  radio.receive(kT0 + 40ms, std::span(request).subspan(2));
  const auto sent = run_until(radio, kT0 + 1s);
  ASSERT_FALSE(sent.empty());
  EXPECT_EQ(sent.front().at, kT0 + 40ms + 50ms);
}

TEST(FakeRadio, PacesItsBytesAt9600Baud) {
  auto radio = factory_radio({.paced = true});
  radio.receive(kT0, Bytes{0x52, 0x03, 0x00, 0x00, 0x05, 0x5A});
  const auto sent = run_until(radio, kT0 + 1s);
  ASSERT_EQ(sent.size(), 10u);
  // The reply starts 50 ms after the request's line end; each byte arrives once it has been on
  // the line for a byte time.
  const TimePoint start = kT0 + 6 * kByteTime + 50ms;
  for (std::size_t i = 0; i < sent.size(); ++i) {
    EXPECT_EQ(sent[i].at, start + (i + 1) * kByteTime) << i;
  }
}

TEST(FakeRadio, PacedFramesNeverOverlapOnTheLine) {
  auto radio = factory_radio({.paced = true, .reply_delay = 0ms});
  const Bytes two_reads = {0x53, 0x03, 0x00, 0x00, 0x04, 0x5A, 0x53, 0x03, 0x00, 0x00, 0x04, 0x5A};
  radio.receive(kT0, two_reads);
  const auto sent = run_until(radio, kT0 + 1s);
  ASSERT_EQ(sent.size(), 12u);
  for (std::size_t i = 1; i < sent.size(); ++i) EXPECT_GE(sent[i].at - sent[i - 1].at, kByteTime);
}

TEST(FakeRadio, MisbehavesAsAsked) {
  const Bytes kOptionRead = {0x53, 0x03, 0x00, 0x00, 0x04, 0x5A};
  struct Case {
    const char* name;
    Fault fault;
    Bytes sent;
  };
  const Case kCases[] = {
      {"none", {}, {0x44, 0x03, 0x01, 0x00, 0x16, 0x5E}},
      {"silent", {Fault::Kind::kSilent, 0}, {}},
      {"silent-after=0", {Fault::Kind::kSilentAfter, 0}, {}},
      {"bad-checksum", {Fault::Kind::kBadChecksum, 0}, {0x44, 0x03, 0x01, 0x00, 0x16, 0x5F}},
      {"cut-off", {Fault::Kind::kCutOff, 0}, {0x44, 0x03, 0x01}},
      {"echo",
       {Fault::Kind::kEcho, 0},
       {0x53, 0x03, 0x00, 0x00, 0x04, 0x5A, 0x44, 0x03, 0x01, 0x00, 0x16, 0x5E}},
  };
  for (const auto& c : kCases) {
    auto radio = factory_radio({.fault = c.fault});
    EXPECT_EQ(ask(radio, kOptionRead), c.sent) << c.name;
  }
}

TEST(FakeRadio, CutsEveryFrameInHalf) {
  auto radio = factory_radio({.fault = {Fault::Kind::kCutOff, 0}});
  EXPECT_EQ(ask(radio, frame(0x5A, {1, 2, 3, 4})), (Bytes{0x41}));
  EXPECT_EQ(radio.memory().id, 0x01020304u);  // the request was carried out, only its reply cut
}

TEST(FakeRadio, EchoesAtOnceAndRepliesAfterTheSettleWindow) {
  auto radio = factory_radio({.fault = {Fault::Kind::kEcho, 0}});
  radio.receive(kT0, Bytes{0x45, 0x00, 0x45});
  const auto sent = run_until(radio, kT0 + 1s);
  ASSERT_EQ(sent.size(), 3u);
  EXPECT_EQ(sent[0].at, kT0);
}

TEST(FakeRadio, FallsSilentAfterServingKRequests) {
  auto radio = factory_radio({.fault = {Fault::Kind::kSilentAfter, 2}});
  for (int i = 0; i < 4; ++i)
    radio.receive(kT0 + i * 1s, frame(0x5A, {0, 0, 0, Bytes::value_type(i)}));
  EXPECT_EQ(bytes_of(run_until(radio, kT0 + 10s)), (Bytes{0x41, 0x00, 0x41, 0x41, 0x00, 0x41}));
  EXPECT_EQ(radio.memory().id, 1u);  // the third and fourth writes were never carried out
  EXPECT_EQ(radio.requests_seen(), 4u);
  EXPECT_EQ(radio.requests_answered(), 2u);
}

// Whether a valid reply frame (command 0x3D..0x46, length up to 17, matching checksum) starts
// at `offset`, wherever a receiver happens to start reading.
bool frame_starts_at(const Bytes& bytes, std::size_t offset) {
  if (bytes[offset] < 0x3D || bytes[offset] > 0x46 || offset + 1 >= bytes.size()) return false;
  const std::size_t length = bytes[offset + 1];
  if (length > 17 || offset + length + 2 >= bytes.size()) return false;
  unsigned sum = 0;
  for (std::size_t i = offset; i < offset + length + 2; ++i) sum += bytes[i];
  return static_cast<std::uint8_t>(sum) == bytes[offset + length + 2];
}

TEST(FakeRadio, BabblesGarbageThatNeverFormsAFrame) {
  auto radio = factory_radio({.fault = {Fault::Kind::kGarbage, 0}});
  const Bytes option_read = {0x53, 0x03, 0x00, 0x00, 0x04, 0x5A};
  radio.receive(kT0, option_read);
  radio.receive(kT0 + 1s, option_read);
  const auto sent = run_until(radio, kT0 + 5s);
  ASSERT_GT(sent.size(), 4000u);  // 5 s at 960 bytes a second
  EXPECT_EQ(sent.front().at, kT0 + 6 * kByteTime);
  for (std::size_t i = 1; i < sent.size(); ++i) ASSERT_EQ(sent[i].at - sent[i - 1].at, kByteTime);

  const Bytes bytes = bytes_of(sent);
  std::size_t look_alikes = 0;
  for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
    ASSERT_FALSE(frame_starts_at(bytes, i)) << "a valid frame at " << i;
    if (bytes[i] >= 0x3D && bytes[i] <= 0x46 && bytes[i + 1] <= 17) ++look_alikes;
  }
  EXPECT_GT(look_alikes, 100u);
  EXPECT_EQ(radio.requests_answered(), 0u);
}

// The monitor packets in `bytes`, each as its data bytes with the time its first byte was due.
struct Packet {
  TimePoint at;
  Bytes data;
};
std::vector<Packet> monitor_packets(const std::vector<Timed>& sent) {
  std::vector<Packet> packets;
  for (std::size_t i = 0; i + 1 < sent.size();) {
    EXPECT_EQ(sent[i].byte, 0x3D);
    const std::size_t length = sent[i + 1].byte;
    Packet packet{sent[i].at, {}};
    for (std::size_t k = 0; k < length && i + 2 + k < sent.size(); ++k) {
      packet.data.push_back(sent[i + 2 + k].byte);
    }
    packets.push_back(packet);
    i += length + 3;
  }
  return packets;
}

TEST(FakeRadio, StreamsRssiPacketsEvery100Ms) {
  auto radio = factory_radio();
  radio.receive(kT0, Bytes{0x55, 0x01, 0x01, 0x57});
  const auto sent = run_until(radio, kT0 + 1600ms);
  const Bytes bytes = bytes_of(sent);
  ASSERT_EQ(bytes.size(), 160u);
  EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 10),
            (Bytes{0x3D, 0x07, 0x01, 0x28, 0x01, 0x2C, 0x00, 0x05, 0x09, 0xA8}));
  const auto packets = monitor_packets(sent);
  ASSERT_EQ(packets.size(), 16u);
  bool high_snr = false;
  bool high_afc = false;
  for (std::size_t k = 0; k < packets.size(); ++k) {
    EXPECT_EQ(packets[k].at, kT0 + 4 * kByteTime + 50ms + k * 100ms) << k;
    ASSERT_EQ(packets[k].data.size(), 7u);
    EXPECT_EQ(packets[k].data[0], 1);
    high_snr |= packets[k].data[2] >= 128;
    high_afc |= packets[k].data[4] >= 128;
  }
  EXPECT_TRUE(high_snr);
  EXPECT_TRUE(high_afc);
  EXPECT_NE(packets[0].data, packets[1].data);
  EXPECT_EQ(radio.requests_answered(), 0u);  // the request itself gets no reply
}

TEST(FakeRadio, StreamsBatteryPacketsEvery100Ms) {
  auto radio = factory_radio();
  radio.receive(kT0, Bytes{0x55, 0x01, 0x02, 0x58});
  const auto packets = monitor_packets(run_until(radio, kT0 + 2s));
  ASSERT_EQ(packets.size(), 20u);
  EXPECT_EQ(packets[0].data, (Bytes{0x02, 0x01, 0x03, 0xE8}));
  EXPECT_EQ(packets[10].data[1], 0);  // charging for one second, then not
  bool high_ad = false;
  for (const auto& p : packets) high_ad |= p.data[2] >= 128;
  EXPECT_TRUE(high_ad);
}

TEST(FakeRadio, StopsAndSwitchesTheStream) {
  auto radio = factory_radio();
  radio.receive(kT0, Bytes{0x55, 0x01, 0x01, 0x57});
  run_until(radio, kT0 + 500ms);
  radio.receive(kT0 + 500ms, Bytes{0x55, 0x01, 0x02, 0x58});
  const auto battery = monitor_packets(run_until(radio, kT0 + 1s));
  ASSERT_FALSE(battery.empty());
  EXPECT_EQ(battery[0].data, (Bytes{0x02, 0x01, 0x03, 0xE8}));
  radio.receive(kT0 + 1s, Bytes{0x55, 0x01, 0x00, 0x56});
  run_until(radio, kT0 + 2s);
  EXPECT_EQ(radio.monitor_mode(), MonitorMode::kOff);
  EXPECT_EQ(radio.next_deadline(), std::nullopt);
}

}  // namespace
}  // namespace m27::fake
