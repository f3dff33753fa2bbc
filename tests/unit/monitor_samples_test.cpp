// SPDX-License-Identifier: GPL-3.0-or-later
// A run of a test-mode stream as samples: what is kept, the last minute's figures and the CSV.

#include <gtest/gtest.h>

#include "service/monitor_runs.h"

namespace m27 {
namespace {

using namespace std::chrono_literals;

Frame packet(std::initializer_list<std::uint8_t> data) { return Frame{0x44, data}; }

// A stream at 10 packets a second; each packet is taken at start + its time.
TEST(MonitorSamples, ARunKeepsItsPacketsSignedAndTimedFromTheStartRequest) {
  const TimePoint start = TimePoint{} + 5h;
  MonitorSamples rssi(MonitorMode::Rssi);
  EXPECT_FALSE(rssi.take(start, packet({1, 40, 0, 1, 0, 2, 3})));  // not started
  rssi.start(start);
  const struct {
    std::chrono::milliseconds at;
    Frame packet;
    bool kept;
  } kStream[] = {
      {100ms, packet({1, 40, 0x01, 0x2C, 0x00, 0x05, 9}), true},
      {200ms, packet({1, 42, 0xFF, 0xDD, 0xFF, 0xFB, 12}), true},  // SNR -35, AFC -5
      {250ms, packet({2, 1, 0x03, 0xE8}), false},                  // the battery stream's
      {300ms, packet({1, 44}), false},                             // too short
      {60'150ms, packet({1, 38, 0x00, 0x0A, 0x80, 0x00, 0}), true},
  };
  for (const auto& s : kStream) EXPECT_EQ(rssi.take(start + s.at, s.packet), s.kept);
  EXPECT_EQ(monitor_csv(rssi),
            "seconds,rssi,snr,afc,audio\r\n"
            "0.100,40,300,5,9\r\n"
            "0.200,42,-35,-5,12\r\n"
            "60.150,38,10,-32768,0\r\n");

  // The last minute up to the newest sample holds the second and the third.
  const auto shown = rssi.last(60s);
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(rssi.last(60'050ms).size(), 3u);  // a sample on the chart's edge is on the chart
  EXPECT_EQ(summarize(shown, 1), (TraceSummary{-35, -12.5, 10}));
  EXPECT_EQ(summarize(rssi.samples(), 0), (TraceSummary{38, 40, 42}));
  EXPECT_EQ(summarize({}, 0), std::nullopt);

  rssi.stop();
  EXPECT_FALSE(rssi.take(start + 62s, packet({1, 1, 0, 1, 0, 1, 1})));
  rssi.start(start + 70s);  // a new run starts empty, its time from its own request
  EXPECT_TRUE(rssi.take(start + 70s + 1234ms, packet({1, 1, 0, 1, 0, 1, 1})));
  EXPECT_EQ(monitor_csv(rssi), "seconds,rssi,snr,afc,audio\r\n1.234,1,1,1,1\r\n");
}

TEST(MonitorSamples, TheBatteryRunIsTheChargeLampAsZeroOrOneAndTheAdValue) {
  MonitorSamples battery(MonitorMode::Battery);
  battery.start(TimePoint{});
  battery.take(TimePoint{} + 50ms, packet({2, 1, 0xC3, 0x50}));
  battery.take(TimePoint{} + 1s, packet({2, 7, 0x03, 0xE8}));  // only 1 is charging
  battery.take(TimePoint{} + 2s, packet({1, 40, 0, 1, 0, 2, 3}));
  EXPECT_EQ(monitor_csv(battery), "seconds,charging,ad\r\n0.050,1,50000\r\n1.000,0,1000\r\n");
  EXPECT_EQ(summarize(battery.samples(), 1), (TraceSummary{1000, 25500, 50000}));
}

// One stop for both streams; a 开始 switches the radio over and keeps the other run's samples.
TEST(MonitorRuns, EachStartClearsItsOwnRunAndEndsTheOther) {
  MonitorRuns runs;
  const Frame rssi = packet({1, 40, 0, 1, 0, 2, 3});
  const Frame battery = packet({2, 0, 0x03, 0xE8});
  runs.pressed(MonitorButton::StartRssi, TimePoint{});
  runs.take(TimePoint{} + 1s, rssi);
  runs.take(TimePoint{} + 1s, battery);  // a late packet of the other stream
  runs.pressed(MonitorButton::StartBattery, TimePoint{} + 2s);
  runs.take(TimePoint{} + 3s, rssi);
  runs.take(TimePoint{} + 3s, battery);
  EXPECT_EQ(runs.rssi.samples().size(), 1u);
  EXPECT_EQ(runs.battery.samples(), (std::vector<MonitorSample>{{1s, {0, 1000}}}));
  runs.pressed(MonitorButton::StopRssi, TimePoint{} + 4s);
  EXPECT_FALSE(runs.rssi.running() || runs.battery.running());
  EXPECT_EQ(runs.battery.samples().size(), 1u);
}

}  // namespace
}  // namespace m27
