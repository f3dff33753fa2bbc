// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <fstream>
#include <string>
#include <vector>

extern char** environ;

namespace m27 {
namespace {

constexpr int kHardLimitMs = 60'000;

// What arrives on `fd` up to the first line's end; less when the writers are gone first.
std::string first_line(int fd) {
  std::string text;
  pollfd readable{fd, POLLIN, 0};
  char c = 0;
  while (poll(&readable, 1, kHardLimitMs) == 1 && read(fd, &c, 1) == 1 && c != '\n') text += c;
  return text;
}

// m27 without a command becomes the window program in the same process, with its arguments as
// they were; the window program, not m27, starts the fake radio (here a script that says who
// started it, then becomes the radio).
TEST(WindowProgram, IsWhatM27BecomesWithoutACommandAndStartsTheFakeRadio) {
  const QTemporaryDir dir;
  const std::string script = dir.filePath("radio.sh").toStdString();
  std::ofstream(script)
      << "#!/bin/sh\n"
         "echo \"$(readlink /proc/$PPID/exe) $(tr '\\0' ' ' </proc/$PPID/cmdline)\""
         " >&3\n"
         "exec " M27_FAKE_RADIO_PATH "\n";
  chmod(script.c_str(), 0700);
  std::vector<std::string> settings = {"M27_FAKE_RADIO=" + script, "QT_QPA_PLATFORM=offscreen",
                                       "XDG_CONFIG_HOME=" + dir.path().toStdString(),
                                       "XDG_DATA_HOME=" + dir.path().toStdString()};
  std::vector<char*> environment;
  for (std::string& setting : settings) environment.push_back(setting.data());
  for (char** variable = environ; *variable; ++variable) environment.push_back(*variable);
  environment.push_back(nullptr);

  int report[2];
  ASSERT_EQ(pipe2(report, O_CLOEXEC), 0);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, report[1], 3);
  std::string name = "m27", option = "--fake-radio";
  char* argv[] = {name.data(), option.data(), nullptr};
  pid_t pid = -1;
  ASSERT_EQ(posix_spawn(&pid, M27_PATH, &actions, nullptr, argv, environment.data()), 0);
  posix_spawn_file_actions_destroy(&actions);
  close(report[1]);
  const std::string started_by = first_line(report[0]);
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  close(report[0]);
  EXPECT_EQ(started_by, M27_WINDOW_PATH " m27 --fake-radio ");
}

}  // namespace
}  // namespace m27
