// m27-fake-radio as a process: it serves its pseudo-terminal, keeps what was written, dumps it on
// exit and refuses bad arguments. (Its end at the end of its input, every other end-to-end test
// uses.) Every wait has a generous time-out, so a broken radio fails the test instead of hanging.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "fake-radio/dump.h"

extern char** environ;

namespace m27::fake {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Clock = std::chrono::steady_clock;
constexpr std::chrono::milliseconds kPatience{10'000};

// Waits for `fd` to become readable before `deadline`; false on time-out.
bool readable(int fd, Clock::time_point deadline) {
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
  pollfd p{fd, POLLIN, 0};
  return poll(&p, 1, std::max<int>(0, static_cast<int>(left.count()))) == 1;
}

// m27-fake-radio started with `args`: its input a pipe the test holds open, its stdout and
// stderr one pipe to the test.
class RadioProcess {
 public:
  explicit RadioProcess(const std::vector<std::string>& args) {
    int in[2], out[2];
    if (pipe(in) != 0 || pipe(out) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDERR_FILENO);
    for (int fd : {in[0], in[1], out[0], out[1]}) posix_spawn_file_actions_addclose(&actions, fd);
    std::vector<char*> argv{const_cast<char*>(M27_FAKE_RADIO_PATH)};
    for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    if (posix_spawn(&pid_, M27_FAKE_RADIO_PATH, &actions, nullptr, argv.data(), environ) != 0) {
      pid_ = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    close(in[0]);
    close(out[1]);
    stdin_ = in[1];
    output_ = out[0];
  }

  ~RadioProcess() {
    if (pid_ > 0 && !exited_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    close(stdin_);
    close(output_);
  }

  // The first line of its output: the path of the pseudo-terminal; empty if none comes.
  std::string device() {
    return read_output(false) ? output.substr(0, output.find('\n')) : std::string();
  }

  void terminate() { kill(pid_, SIGTERM); }

  // Its exit status once its output has ended; nullopt if it does not end in time.
  std::optional<int> exit_status() {
    if (pid_ < 0 || !read_output(true)) return std::nullopt;
    int status = 0;
    waitpid(pid_, &status, 0);
    exited_ = true;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  std::string output;

 private:
  // Reads until the output holds a whole line or, with `to_end`, until it ends.
  bool read_output(bool to_end) {
    const auto deadline = Clock::now() + kPatience;
    while (to_end || output.find('\n') == std::string::npos) {
      char buffer[512];
      if (!readable(output_, deadline)) return false;
      const auto n = read(output_, buffer, sizeof buffer);
      if (n <= 0) return to_end;
      output.append(buffer, static_cast<std::size_t>(n));
    }
    return true;
  }

  pid_t pid_ = -1;
  bool exited_ = false;
  int stdin_ = -1;
  int output_ = -1;
};

// The serial port as the program opens it: raw bytes, no terminal processing.
int open_port(const std::string& path) {
  const int fd = open(path.c_str(), O_RDWR | O_NOCTTY);
  if (fd < 0) return fd;
  termios settings{};
  tcgetattr(fd, &settings);
  cfmakeraw(&settings);
  tcsetattr(fd, TCSANOW, &settings);
  return fd;
}

// Sends a request and collects the reply frame (its second byte counts its data); nullopt when
// none comes in time.
std::optional<Bytes> exchange(int port, const Bytes& request) {
  if (write(port, request.data(), request.size()) != static_cast<ssize_t>(request.size())) {
    return std::nullopt;
  }
  const auto deadline = Clock::now() + kPatience;
  Bytes reply;
  while (reply.size() < 2 || reply.size() < reply[1] + 3u) {
    std::uint8_t byte = 0;
    if (!readable(port, deadline) || read(port, &byte, 1) != 1) return std::nullopt;
    reply.push_back(byte);
  }
  return reply;
}

TEST(FakeRadioProcess, ServesALoadedMemoryAndDumpsWhatWasWrittenOnSigterm) {
  const std::string prefix = ::testing::TempDir() + "m27-fake-radio-" + std::to_string(getpid());
  const std::string load_file = prefix + "-loaded.txt";
  const std::string dump_file = prefix + "-dumped.txt";
  Memory loaded = default_memory();
  loaded.options = {0xC1, 0x02, 0x0E};
  std::ofstream(load_file) << dump(loaded);

  RadioProcess radio({"--load", load_file, "--dump", dump_file, "--paced"});
  const std::string path = radio.device();
  ASSERT_FALSE(path.empty()) << radio.output;
  int port = open_port(path);
  ASSERT_GE(port, 0) << path;
  EXPECT_EQ(exchange(port, {0x53, 0x03, 0x00, 0x00, 0x04, 0x5A}),
            (Bytes{0x44, 0x03, 0xC1, 0x02, 0x0E, 0x18}));
  close(port);  // the program closes and reopens its port; the radio stays reachable
  port = open_port(path);
  ASSERT_GE(port, 0) << path;
  EXPECT_TRUE(exchange(port, {0x5A, 0x04, 0x12, 0x34, 0x56, 0x78, 0x72}));
  close(port);

  radio.terminate();
  EXPECT_EQ(radio.exit_status(), 0) << radio.output;
  std::ostringstream dumped;
  dumped << std::ifstream(dump_file).rdbuf();
  loaded.id = 0x12345678;
  EXPECT_EQ(parse_dump(dumped.str(), nullptr), loaded);
  std::remove(load_file.c_str());
  std::remove(dump_file.c_str());
}

TEST(FakeRadioProcess, RefusesBadArguments) {
  struct Case {
    std::vector<std::string> args;
    int status;
    const char* message;
  };
  const Case kBad[] = {
      {{"--fault", "loud"}, 2, "unknown fault loud"},      // no such fault
      {{"--delay"}, 2, "--delay needs a value"},           // the value is missing
      {{"--port", "com1"}, 2, "unknown argument --port"},  // not an option of the radio
      {{"--load", "/nonexistent/m27.txt"}, 1, "cannot read /nonexistent/m27.txt"},
  };
  for (const auto& c : kBad) {
    RadioProcess radio(c.args);
    EXPECT_EQ(radio.exit_status(), c.status) << c.message;
    EXPECT_NE(radio.output.find(c.message), std::string::npos) << radio.output;
  }
}

}  // namespace
}  // namespace m27::fake
