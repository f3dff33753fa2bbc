// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake-radio/serve.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

#include "fake-radio/line_command.h"

namespace m27::fake {
namespace {

volatile sig_atomic_t g_signal_pipe_write = -1;

// Async-signal-safe: one write() to the pipe, errno as the interrupted code left it.
void on_signal(int) {
  const int saved_errno = errno;
  const char byte = 0;
  [[maybe_unused]] const auto ignored = write(g_signal_pipe_write, &byte, 1);
  errno = saved_errno;
}

bool fail(const char* what) {
  std::fprintf(stderr, "m27-fake-radio: %s: %s\n", what, std::strerror(errno));
  return false;
}

void set_flags(int fd, int status_flags) {
  fcntl(fd, F_SETFD, FD_CLOEXEC);
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | status_flags);
}

// A signal becomes a byte on a pipe, so poll() sees it without a race.
bool catch_stop_signals(int& read_end) {
  int fds[2];
  if (pipe(fds) != 0) return fail("pipe");
  set_flags(fds[0], O_NONBLOCK);
  set_flags(fds[1], O_NONBLOCK);
  read_end = fds[0];
  g_signal_pipe_write = fds[1];
  struct sigaction action {};
  action.sa_handler = on_signal;
  sigemptyset(&action.sa_mask);
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
  signal(SIGPIPE, SIG_IGN);  // a parent that stopped reading our log must not cost the dump
  return true;
}

bool open_raw_pty(int& master, int& slave) {
  if (openpty(&master, &slave, nullptr, nullptr, nullptr) != 0) return fail("openpty");
  termios settings{};
  tcgetattr(slave, &settings);
  cfmakeraw(&settings);
  cfsetispeed(&settings, B9600);
  cfsetospeed(&settings, B9600);
  if (tcsetattr(slave, TCSANOW, &settings) != 0) return fail("tcsetattr");
  set_flags(master, O_NONBLOCK);
  set_flags(slave, 0);
  return true;
}

// Standard input ends the radio when it ends, so the radio dies with the process that started
// it. /dev/null (a character device that is no terminal) would end it at once: not watched.
bool stdin_is_watched() {
  struct stat status {};
  if (fstat(STDIN_FILENO, &status) != 0) return false;
  return !(S_ISCHR(status.st_mode) && !isatty(STDIN_FILENO));
}

int poll_timeout(std::optional<TimePoint> deadline) {
  if (!deadline) return -1;
  const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*deadline - Clock::now());
  if (wait.count() <= 0) return 0;
  return static_cast<int>(std::min<std::chrono::milliseconds::rep>(wait.count(), INT_MAX));
}

// What the pseudo-terminal cannot take now is dropped: the radio never waits for the PC.
void write_out(int master, const std::vector<std::uint8_t>& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const auto n = write(master, bytes.data() + done, bytes.size() - done);
    if (n > 0) {
      done += static_cast<std::size_t>(n);
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else {
      return;
    }
  }
}

class Logger {
 public:
  explicit Logger(bool enabled) : enabled_(enabled) {}

  void report(const RadioLine& line) {
    if (!enabled_) return;
    if (line.radios_plugged() != radios_) {  // a fresh radio counts from the start
      radios_ = line.radios_plugged();
      skipped_ = requests_ = replies_ = 0;
    }
    if (line.radio()) report(*line.radio());
  }

 private:
  void report(const Radio& radio) {
    if (radio.bytes_skipped() != skipped_) {
      std::fprintf(stderr, "?? %zu bytes skipped\n", radio.bytes_skipped() - skipped_);
      skipped_ = radio.bytes_skipped();
    }
    for (; requests_ < radio.request_log().size(); ++requests_) {
      print("<-", radio.request_log()[requests_]);
    }
    for (; replies_ < radio.reply_log().size(); ++replies_)
      print("->", radio.reply_log()[replies_]);
  }

  static void print(const char* direction, const Frame& frame) {
    std::string line = direction;
    char hex[4];
    for (std::uint8_t byte : frame) {
      std::snprintf(hex, sizeof hex, " %02X", byte);
      line += hex;
    }
    std::fprintf(stderr, "%s\n", line.c_str());
  }

  bool enabled_;
  std::size_t radios_ = 1;
  std::size_t skipped_ = 0;
  std::size_t requests_ = 0;
  std::size_t replies_ = 0;
};

// Every swap on a line of its own on stdout, as it happens: "unplugged", "plugged ID 7".
class SwapReport {
 public:
  void report(const RadioLine& line) {
    const bool swapped = line.unplugged().size() != unplugged_ || line.radios_plugged() != plugged_;
    for (; unplugged_ < line.unplugged().size(); ++unplugged_) std::printf("unplugged\n");
    if (line.radios_plugged() != plugged_ && line.radio()) {
      std::printf("plugged ID %u\n", static_cast<unsigned>(line.radio()->memory().id));
    }
    plugged_ = line.radios_plugged();
    if (swapped) std::fflush(stdout);
  }

 private:
  std::size_t unplugged_ = 0;
  std::size_t plugged_ = 1;
};

// The lines of the standard input, carried out on the line as they come.
class Commands {
 public:
  // False once the input has ended.
  bool read_from(int fd, RadioLine& line) {
    char buffer[256];
    const auto n = read(fd, buffer, sizeof buffer);
    if (n <= 0) return n < 0 && (errno == EINTR || errno == EAGAIN);
    pending_.append(buffer, static_cast<std::size_t>(n));
    for (std::size_t end; (end = pending_.find('\n')) != std::string::npos;) {
      carry_out(std::string_view(pending_).substr(0, end), line);
      pending_.erase(0, end + 1);
    }
    return true;
  }

 private:
  static void carry_out(std::string_view text, RadioLine& line) {
    std::string error;
    const auto command = parse_line_command(text, &error);
    if (!command) {
      std::fprintf(stderr, "m27-fake-radio: %s\n", error.c_str());
    } else if (const auto* plug = std::get_if<Plug>(&*command)) {
      line.plug(plug->id, plug->fault);
    } else {
      line.unplug();
    }
  }

  std::string pending_;
};

}  // namespace

int serve(RadioLine& line, bool log) {
  int master = -1;
  int slave = -1;
  int stop_signal = -1;
  if (!catch_stop_signals(stop_signal) || !open_raw_pty(master, slave)) return 1;
  std::printf("%s\n", ttyname(slave));
  std::fflush(stdout);

  pollfd fds[3] = {{master, POLLIN, 0}, {stop_signal, POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
  const nfds_t watched = stdin_is_watched() ? 3 : 2;
  Logger logger(log);
  SwapReport swaps;
  Commands commands;
  while (true) {
    if (poll(fds, watched, poll_timeout(line.next_deadline())) < 0) {
      if (errno == EINTR) continue;
      fail("poll");
      return 1;
    }
    if (fds[1].revents != 0) break;
    if (watched == 3 && fds[2].revents != 0 && !commands.read_from(STDIN_FILENO, line)) break;
    if (fds[0].revents & (POLLERR | POLLNVAL)) {
      std::fprintf(stderr, "m27-fake-radio: the pseudo-terminal failed\n");
      return 1;
    }
    if (fds[0].revents & POLLIN) {
      std::uint8_t buffer[256];
      const auto n = read(master, buffer, sizeof buffer);
      if (n > 0) line.receive(Clock::now(), std::span(buffer, static_cast<std::size_t>(n)));
    }
    write_out(master, line.transmit(Clock::now()));
    logger.report(line);
    swaps.report(line);
    if (line.vanished()) break;  // as a cable pulled out: the program's port sees a hang-up
  }
  close(master);
  close(slave);
  return 0;
}

}  // namespace m27::fake
