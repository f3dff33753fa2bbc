// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/fake_radio.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "app/helper_programs.h"

extern char** environ;

namespace m27 {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr milliseconds kExitGrace{2000};

std::string error_text(int error) { return std::strerror(error); }

// Writes bytes to our own standard output, as far as it takes them.
void pass_on(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(STDOUT_FILENO, bytes.data(), bytes.size());
    if (written <= 0) return;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
}

void close_fd(int& fd) {
  if (fd >= 0) close(fd);
  fd = -1;
}

// Waits until `pid` has ended or `limit` has passed, without spinning.
bool wait_for_exit(pid_t pid, milliseconds limit) {
  const int pidfd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
  if (pidfd >= 0) {
    pollfd ready{pidfd, POLLIN, 0};
    poll(&ready, 1, static_cast<int>(limit.count()));
    close(pidfd);
  }
  return waitpid(pid, nullptr, WNOHANG) == pid;
}

}  // namespace

FakeRadio::FakeRadio(pid_t pid, int input_fd, int output_fd)
    : pid_(pid), input_fd_(input_fd), output_fd_(output_fd) {}

FakeRadio::~FakeRadio() {
  close_fd(input_fd_);
  if (!wait_for_exit(pid_, kExitGrace)) {
    kill(pid_, SIGTERM);
    if (!wait_for_exit(pid_, kExitGrace)) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
  }
  close_fd(output_fd_);
}

Result<std::unique_ptr<FakeRadio>> FakeRadio::start(const std::string& program,
                                                    milliseconds timeout,
                                                    std::vector<std::string> options) {
  std::array<int, 2> input{-1, -1};
  std::array<int, 2> output{-1, -1};
  if (pipe2(input.data(), O_CLOEXEC) != 0 || pipe2(output.data(), O_CLOEXEC) != 0) {
    const int error = errno;
    for (int fd : {input[0], input[1], output[0], output[1]}) {
      if (fd >= 0) close(fd);
    }
    return Failure{"cannot start " + program + ": " + error_text(error)};
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, input[0], STDIN_FILENO);
  posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
  options.insert(options.begin(), program);
  std::vector<char*> argv;
  for (std::string& word : options) argv.push_back(word.data());
  argv.push_back(nullptr);
  // A process group of its own: a Ctrl-C on the terminal signals the whole foreground group,
  // and the radio must outlive it until this program has stopped cleanly and closes its input.
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
  posix_spawnattr_setpgroup(&attributes, 0);
  pid_t pid = -1;
  const int spawned =
      posix_spawn(&pid, program.c_str(), &actions, &attributes, argv.data(), environ);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  close(input[0]);
  close(output[1]);
  if (spawned != 0) {
    close(input[1]);
    close(output[0]);
    return Failure{"cannot start " + program + ": " + error_text(spawned)};
  }

  std::unique_ptr<FakeRadio> radio(new FakeRadio(pid, input[1], output[0]));
  auto line = radio->read_first_line(timeout);
  if (!line) return Failure{program + ": " + line.reason()};
  radio->device_ = std::move(line).value();
  fcntl(radio->output_fd_, F_SETFL, fcntl(radio->output_fd_, F_GETFL) | O_NONBLOCK);
  return radio;
}

Result<std::string> FakeRadio::read_first_line(milliseconds timeout) {
  const auto deadline = Clock::now() + timeout;
  std::string text;
  while (true) {
    const auto left = std::chrono::ceil<milliseconds>(deadline - Clock::now());
    pollfd readable{output_fd_, POLLIN, 0};
    const int ready = left.count() > 0 ? poll(&readable, 1, static_cast<int>(left.count())) : 0;
    if (ready < 0 && errno == EINTR) continue;
    if (ready == 0) {
      return Failure{"no device reported within " + std::to_string(timeout.count()) + " ms"};
    }
    if (ready < 0) return Failure{error_text(errno)};
    std::array<char, 256> chunk;
    const ssize_t count = read(output_fd_, chunk.data(), chunk.size());
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return Failure{error_text(errno)};
    if (count == 0) return Failure{"ended before it reported its device"};
    text.append(chunk.data(), static_cast<std::size_t>(count));
    const auto end = text.find('\n');
    if (end == std::string::npos) continue;
    // Whatever followed the first line goes where the rest of its output goes.
    pass_on(std::string_view(text).substr(end + 1));
    text.resize(end);
    if (!text.empty() && text.back() == '\r') text.pop_back();
    if (text.empty()) return Failure{"reported an empty device"};
    return text;
  }
}

std::string fake_radio_program() {
  if (const char* chosen = std::getenv("M27_FAKE_RADIO"); chosen && *chosen) return chosen;
  return helper_program("m27-fake-radio");
}

}  // namespace m27
