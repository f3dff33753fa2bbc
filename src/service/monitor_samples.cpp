// SPDX-License-Identifier: GPL-3.0-or-later
#include "service/monitor_samples.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <variant>

namespace m27 {
namespace {

constexpr std::size_t kRssiTraces = 4;
constexpr std::size_t kBatteryTraces = 2;
constexpr const char* kLineEnd = "\r\n";

// The decoded texts are plain integers, signed where the dialog shows a sign.
int number_of(const std::string& text) {
  int value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

std::optional<std::vector<int>> values_of(MonitorMode stream, const Frame& packet) {
  const MonitorView view = decode_monitor_packet(packet);
  if (const auto* rssi = std::get_if<RssiMonitor>(&view); rssi && stream == MonitorMode::Rssi) {
    return std::vector{number_of(rssi->rssi), number_of(rssi->snr), number_of(rssi->afc),
                       number_of(rssi->audio)};
  }
  if (const auto* battery = std::get_if<BatteryMonitor>(&view);
      battery && stream == MonitorMode::Battery) {
    return std::vector{battery->charging ? 1 : 0, number_of(battery->battery_level)};
  }
  return std::nullopt;
}

}  // namespace

std::optional<MonitorSample> monitor_sample(MonitorMode stream, SampleTime at,
                                            const Frame& packet) {
  auto values = values_of(stream, packet);
  if (!values) return std::nullopt;
  return MonitorSample{std::max(at, SampleTime{0}), std::move(*values)};
}

std::size_t MonitorSamples::trace_count() const {
  return stream_ == MonitorMode::Rssi ? kRssiTraces : kBatteryTraces;
}

void MonitorSamples::start(TimePoint now) {
  samples_.clear();
  started_ = now;
  running_ = true;
}

bool MonitorSamples::take(TimePoint now, const Frame& packet) {
  if (!running_) return false;
  auto sample =
      monitor_sample(stream_, std::chrono::duration_cast<SampleTime>(now - started_), packet);
  if (!sample) return false;
  samples_.push_back(std::move(*sample));
  return true;
}

std::span<const MonitorSample> MonitorSamples::last(SampleTime span) const {
  if (samples_.empty()) return {};
  const SampleTime from = samples_.back().at - span;
  const auto first =
      std::lower_bound(samples_.begin(), samples_.end(), from,
                       [](const MonitorSample& sample, SampleTime t) { return sample.at < t; });
  return {first, samples_.end()};
}

std::optional<TraceSummary> summarize(std::span<const MonitorSample> samples, std::size_t trace) {
  if (samples.empty()) return std::nullopt;
  TraceSummary summary{samples.front().values[trace], 0, samples.front().values[trace]};
  long long sum = 0;
  for (const MonitorSample& sample : samples) {
    const int value = sample.values[trace];
    summary.minimum = std::min(summary.minimum, value);
    summary.maximum = std::max(summary.maximum, value);
    sum += value;
  }
  summary.mean = static_cast<double>(sum) / static_cast<double>(samples.size());
  return summary;
}

std::string monitor_csv_header(MonitorMode stream) {
  return std::string(stream == MonitorMode::Rssi ? "seconds,rssi,snr,afc,audio"
                                                 : "seconds,charging,ad") +
         kLineEnd;
}

std::string monitor_csv_line(const MonitorSample& sample) {
  const auto ms = sample.at.count();
  char seconds[32];
  std::snprintf(seconds, sizeof seconds, "%lld.%03lld", static_cast<long long>(ms / 1000),
                static_cast<long long>(ms % 1000));
  std::string line = seconds;
  for (const int value : sample.values) line += ',' + std::to_string(value);
  return line + kLineEnd;
}

std::string monitor_csv(const MonitorSamples& samples) {
  std::string text = monitor_csv_header(samples.stream());
  for (const MonitorSample& sample : samples.samples()) text += monitor_csv_line(sample);
  return text;
}

}  // namespace m27
