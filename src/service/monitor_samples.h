// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The samples of one run of a test-mode stream: what each packet showed and when, counted from
// the start request, kept for the whole run. The test-mode dialog draws the last minute of each
// trace with its minimum, mean and maximum; the run as CSV is what the dialog saves and what
// `m27 monitor --csv` writes as the packets arrive.

#include <chrono>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "link/frame.h"
#include "link/operation.h"
#include "service/monitor.h"

namespace m27 {

using SampleTime = std::chrono::milliseconds;  // since the start request

struct MonitorSample {
  SampleTime at{0};
  // As the dialog shows them: RSSI, SNR, AFC, audio level (SNR and AFC signed); or the charge
  // lamp (1 while charging, else 0) and the AD value.
  std::vector<int> values;

  friend bool operator==(const MonitorSample&, const MonitorSample&) = default;
};

struct TraceSummary {
  int minimum = 0;
  double mean = 0;
  int maximum = 0;

  friend bool operator==(const TraceSummary&, const TraceSummary&) = default;
};

// What a packet of `stream` shows, taken `at` into the run; nothing for a packet of any other kind.
std::optional<MonitorSample> monitor_sample(MonitorMode stream, SampleTime at, const Frame& packet);

class MonitorSamples {
 public:
  // `stream`: MonitorMode::Rssi or MonitorMode::Battery.
  explicit MonitorSamples(MonitorMode stream) : stream_(stream) {}

  MonitorMode stream() const { return stream_; }
  // The values each sample holds: 4 for the RSSI stream, 2 for the battery stream.
  std::size_t trace_count() const;

  // The start request, sent at `now`: the last run's samples go, and time counts from here.
  void start(TimePoint now);
  // The radio left this stream's mode: its packets are no longer taken.
  void stop() { running_ = false; }
  bool running() const { return running_; }
  // Keeps what a packet of this stream shows, taken at `now`; false, keeping nothing, while
  // stopped and for a packet of any other kind.
  bool take(TimePoint now, const Frame& packet);

  const std::vector<MonitorSample>& samples() const { return samples_; }
  // What a strip chart `span` wide shows: the samples of the last `span` up to the newest one.
  std::span<const MonitorSample> last(SampleTime span) const;

 private:
  MonitorMode stream_;
  bool running_ = false;
  TimePoint started_{};
  std::vector<MonitorSample> samples_;
};

// Minimum, mean and maximum of value `trace` of `samples`; nothing for no samples.
std::optional<TraceSummary> summarize(std::span<const MonitorSample> samples, std::size_t trace);

// "seconds,rssi,snr,afc,audio" or "seconds,charging,ad", with the line end.
std::string monitor_csv_header(MonitorMode stream);
// "12.345,40,300,-5,9": the seconds with three decimals, then the values, with the line end.
std::string monitor_csv_line(const MonitorSample& sample);
// The header and a line per sample.
std::string monitor_csv(const MonitorSamples& samples);

}  // namespace m27
