// m27-fake-radio as a process: it serves its pseudo-terminal, keeps what was written, dumps it on
// exit and refuses bad arguments. Every wait has a generous time-out, so a broken radio fails the
// test instead of hanging it.

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

int remaining_ms(Clock::time_point deadline) {
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
  return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

// Waits for `fd` to become readable before `deadline`; false on time-out.
bool readable(int fd, Clock::time_point deadline) {
  pollfd p{fd, POLLIN, 0};
  return poll(&p, 1, remaining_ms(deadline)) == 1;
}

// m27-fake-radio started with `args`, its stdin, stdout and stderr on pipes to the test.
class RadioProcess {
 public:
  explicit RadioProcess(const std::vector<std::string>& args) {
    int in[2], out[2], err[2];
    if (pipe(in) != 0 || pipe(out) != 0 || pipe(err) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);
    for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) {
      posix_spawn_file_actions_addclose(&actions, fd);
    }
    std::vector<char*> argv{const_cast<char*>(M27_FAKE_RADIO_PATH)};
    for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    if (posix_spawn(&pid_, M27_FAKE_RADIO_PATH, &actions, nullptr, argv.data(), environ) != 0) {
      pid_ = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    close(in[0]);
    close(out[1]);
    close(err[1]);
    stdin_ = in[1];
    stdout_ = out[0];
    stderr_ = err[0];
  }

  ~RadioProcess() {
    if (pid_ > 0 && !exited_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    for (int fd : {stdin_, stdout_, stderr_}) {
      if (fd >= 0) close(fd);
    }
  }

  // The first line of its output: the path of the pseudo-terminal.
  std::optional<std::string> first_line() {
    const auto deadline = Clock::now() + kPatience;
    while (out_.find('\n') == std::string::npos) {
      if (!readable(stdout_, deadline) || !append(stdout_, out_)) return std::nullopt;
    }
    return out_.substr(0, out_.find('\n'));
  }

  void close_stdin() {
    close(stdin_);
    stdin_ = -1;
  }
  void terminate() { kill(pid_, SIGTERM); }

  // Its exit status once it has closed its output; nullopt if it does not end in time.
  std::optional<int> exit_status() {
    const auto deadline = Clock::now() + kPatience;
    bool out_open = true;
    bool err_open = true;
    while (out_open || err_open) {
      pollfd fds[2] = {{out_open ? stdout_ : -1, POLLIN, 0}, {err_open ? stderr_ : -1, POLLIN, 0}};
      if (poll(fds, 2, remaining_ms(deadline)) <= 0) return std::nullopt;
      if (fds[0].revents != 0) out_open = append(stdout_, out_);
      if (fds[1].revents != 0) err_open = append(stderr_, err_);
    }
    int status = 0;
    waitpid(pid_, &status, 0);
    exited_ = true;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  bool started() const { return pid_ > 0; }
  const std::string& error_output() const { return err_; }

 private:
  static bool append(int fd, std::string& text) {
    char buffer[512];
    const auto n = read(fd, buffer, sizeof buffer);
    if (n <= 0) return false;
    text.append(buffer, static_cast<std::size_t>(n));
    return true;
  }

  pid_t pid_ = -1;
  bool exited_ = false;
  int stdin_ = -1;
  int stdout_ = -1;
  int stderr_ = -1;
  std::string out_;
  std::string err_;
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

// Whether `bytes` begin with a frame the program accepts as a reply.
bool is_reply(const Bytes& bytes) {
  if (bytes.size() < 3 || bytes[0] < 0x3D || bytes[0] > 0x46 || bytes[1] > 17) return false;
  if (bytes.size() != bytes[1] + 3u) return false;
  unsigned sum = 0;
  for (std::size_t i = 0; i + 1 < bytes.size(); ++i) sum += bytes[i];
  return static_cast<std::uint8_t>(sum) == bytes.back();
}

// Sends a request and collects the reply frame; nullopt when none comes in time.
std::optional<Bytes> exchange(int port, const Bytes& request) {
  if (write(port, request.data(), request.size()) != static_cast<ssize_t>(request.size())) {
    return std::nullopt;
  }
  const auto deadline = Clock::now() + kPatience;
  Bytes reply;
  while (!is_reply(reply)) {
    if (reply.size() >= 3 && reply.size() >= reply[1] + 3u) return std::nullopt;
    std::uint8_t byte = 0;
    if (!readable(port, deadline) || read(port, &byte, 1) != 1) return std::nullopt;
    reply.push_back(byte);
  }
  return reply;
}

std::string temp_path(const std::string& name) {
  return testing::TempDir() + "m27-fake-radio-" + std::to_string(getpid()) + "-" + name;
}

std::optional<Memory> read_dump(const std::string& path) {
  std::ifstream in(path);
  std::ostringstream text;
  text << in.rdbuf();
  return parse_dump(text.str(), nullptr);
}

const Bytes kOptionRead = {0x53, 0x03, 0x00, 0x00, 0x04, 0x5A};

TEST(FakeRadioProcess, ServesItsPortAndDumpsWhatWasWritten) {
  const std::string dump_file = temp_path("written.txt");
  RadioProcess radio({"--dump", dump_file});
  ASSERT_TRUE(radio.started());
  const auto path = radio.first_line();
  ASSERT_TRUE(path);

  int port = open_port(*path);
  ASSERT_GE(port, 0) << *path;
  EXPECT_EQ(exchange(port, kOptionRead), (Bytes{0x44, 0x03, 0x01, 0x00, 0x16, 0x5E}));
  close(port);  // the program closes and reopens its port; the radio stays reachable

  port = open_port(*path);
  ASSERT_GE(port, 0) << *path;
  EXPECT_TRUE(exchange(port, {0x5A, 0x04, 0x12, 0x34, 0x56, 0x78, 0x72}));
  close(port);

  radio.close_stdin();  // its parent went away
  EXPECT_EQ(radio.exit_status(), 0) << radio.error_output();
  Memory expected = default_memory();
  expected.id = 0x12345678;
  EXPECT_EQ(read_dump(dump_file), expected);
  std::remove(dump_file.c_str());
}

TEST(FakeRadioProcess, StartsFromALoadedDumpAndEndsOnSigterm) {
  Memory loaded = default_memory();
  loaded.options = {0xC1, 0x02, 0x0E};
  const std::string load_file = temp_path("loaded.txt");
  const std::string dump_file = temp_path("dumped.txt");
  std::ofstream(load_file) << dump(loaded);

  RadioProcess radio({"--load", load_file, "--dump", dump_file, "--paced"});
  const auto path = radio.first_line();
  ASSERT_TRUE(path) << radio.error_output();
  const int port = open_port(*path);
  ASSERT_GE(port, 0) << *path;
  EXPECT_EQ(exchange(port, kOptionRead), (Bytes{0x44, 0x03, 0xC1, 0x02, 0x0E, 0x18}));
  close(port);

  radio.terminate();
  EXPECT_EQ(radio.exit_status(), 0) << radio.error_output();
  EXPECT_EQ(read_dump(dump_file), loaded);
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
    EXPECT_NE(radio.error_output().find(c.message), std::string::npos) << radio.error_output();
  }
}

}  // namespace
}  // namespace m27::fake
