// SPDX-License-Identifier: GPL-3.0-or-later
// startup: a command-line run as a whole process, start-up included. `m27 --version` and
// `m27 read` on a missing device against bare_core (a bare Qt Core program built beside it), in
// alternating runs; then `m27 read` and `m27 write` against m27-fake-radio --paced with a 25 ms
// turnaround (the 20 ms settle and 5 ms more), against the line floor, with the CPU time of m27.
//
//   startup [RUNS] [M27]   (default 20; M27: the program to time, default the m27 beside this one)
//
// Goals (medians): --version within 1.3 x and the missing device within 1.5 x the bare program;
// a read and a write within 1.05 x the line floor, CPU time at most 3 % of the wall time.

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <variant>
#include <vector>

#include "app/fake_radio.h"
#include "bench/line_floor.h"
#include "channels/sheet.h"
#include "link/write_plan.h"

extern char** environ;

namespace m27 {
namespace {

using std::chrono::milliseconds;

constexpr milliseconds kReplyDelay{5};
constexpr int kTransferRuns = 5;
constexpr double kVersionGoal = 1.3;
constexpr double kMissingDeviceGoal = 1.5;
constexpr double kWallGoal = 1.05;
constexpr double kCpuGoal = 0.03;

Duration cpu_of(const rusage& usage) {
  const auto seconds = std::chrono::seconds(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec);
  const auto micros = std::chrono::microseconds(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec);
  return seconds + micros;
}

struct Sample {
  int status = -1;
  Duration wall{};
  Duration cpu{};
};

// Runs `words` to its end, all three standard streams on /dev/null.
Sample run(std::vector<std::string> words, char** environment) {
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  for (int fd : {0, 1, 2}) posix_spawn_file_actions_addopen(&actions, fd, "/dev/null", O_RDWR, 0);
  const TimePoint start = Clock::now();
  pid_t pid = -1;
  Sample sample;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environment) == 0) {
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    sample = {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Clock::now() - start, cpu_of(usage)};
  }
  posix_spawn_file_actions_destroy(&actions);
  return sample;
}

Sample median(std::vector<Sample> samples) {
  std::sort(samples.begin(), samples.end(),
            [](const Sample& a, const Sample& b) { return a.wall < b.wall; });
  return samples[samples.size() / 2];
}

bool report_start(const char* what, const Sample& m27, const Sample& bare, double goal) {
  const double ratio = ms(m27.wall) / ms(bare.wall);
  std::printf("%-22s %6.1f ms  bare %6.1f ms  ratio %.2f  (goal %.2f)  %s\n", what, ms(m27.wall),
              ms(bare.wall), ratio, goal, ratio <= goal ? "ok" : "goal missed");
  return ratio <= goal;
}

bool report_transfer(const char* what, const Sample& sample, Duration floor) {
  const double ratio = ms(sample.wall) / ms(floor);
  const double cpu_share = ms(sample.cpu) / ms(sample.wall);
  const bool met = sample.status == 0 && ratio <= kWallGoal && cpu_share <= kCpuGoal;
  std::printf(
      "%-5s wall %7.1f ms  floor %7.1f ms  ratio %.3f  cpu %5.1f ms = %4.2f %% of wall  %s\n", what,
      ms(sample.wall), ms(floor), ratio, ms(sample.cpu), 100 * cpu_share,
      sample.status != 0 ? "FAILED"
      : met              ? "ok"
                         : "goal missed");
  return met;
}

bool time_start_up(const std::string& m27, const std::string& bare, int runs) {
  const std::vector<std::string> kinds[] = {
      {bare}, {m27, "--version"}, {m27, "read", "--port", "/dev/nonexistent", "/tmp/x.m27"}};
  std::vector<Sample> samples[std::size(kinds)];
  for (const auto& words : kinds) run(words, environ);  // loads what the disk cache lacks
  for (int i = 0; i < runs; ++i) {
    for (std::size_t k = 0; k < std::size(kinds); ++k) samples[k].push_back(run(kinds[k], environ));
  }
  const Sample bare_median = median(samples[0]);
  const bool version = report_start("m27 --version", median(samples[1]), bare_median, kVersionGoal);
  const bool missing =
      report_start("m27 read (no device)", median(samples[2]), bare_median, kMissingDeviceGoal);
  return version && missing;
}

// A read into a file, then a write of it, each kTransferRuns times; backups go to a folder of
// their own.
bool time_transfers(const std::string& m27) {
  auto radio = FakeRadio::start(
      QCoreApplication::applicationDirPath().toStdString() + "/m27-fake-radio",
      kFakeRadioStartTimeout, {"--paced", "--delay", std::to_string(kReplyDelay.count())});
  if (!radio) {
    std::fprintf(stderr, "startup: %s\n", radio.reason().c_str());
    return false;
  }
  const QTemporaryDir dir;
  std::string data_home = "XDG_DATA_HOME=" + dir.path().toStdString();
  std::vector<char*> environment{data_home.data()};
  for (char** variable = environ; *variable; ++variable) environment.push_back(*variable);
  environment.push_back(nullptr);
  const std::string file = dir.filePath("radio.m27").toStdString();
  const std::string device = radio.value()->device();
  std::vector<Sample> reads, writes;
  for (int i = 0; i < kTransferRuns; ++i) {
    reads.push_back(run({m27, "read", "--port", device, file}, environment.data()));
    writes.push_back(run({m27, "write", "--port", device, file}, environment.data()));
  }
  std::printf("m27-fake-radio --paced --delay %d on %s, medians of %d:\n",
              static_cast<int>(kReplyDelay.count()), device.c_str(), kTransferRuns);
  const bool read = report_transfer("read", median(reads), read_floor(kReplyDelay));
  const auto plan = prepare_write(startup_sheet()).plan().value();
  const bool write = report_transfer("write", median(writes), write_floor(plan, kReplyDelay));
  return read && write;
}

}  // namespace
}  // namespace m27

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  const std::string here = QCoreApplication::applicationDirPath().toStdString();
  const std::string m27 = argc > 2 ? argv[2] : here + "/m27";
  std::printf("%s, medians of %d alternating runs:\n", m27.c_str(), runs);
  const bool start_up = m27::time_start_up(m27, here + "/bare_core", runs);
  const bool transfers = m27::time_transfers(m27);
  return start_up && transfers ? 0 : 1;
}
