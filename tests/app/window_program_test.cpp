// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <QTemporaryDir>
#include <cstdio>
#include <fstream>
#include <string>

namespace m27 {
namespace {

// m27 without a command becomes the window program in the same process, with its arguments as
// they were; the window program, not m27, starts the fake radio (here a script that says who
// started it, then becomes the radio).
TEST(WindowProgram, IsWhatM27BecomesWithoutACommandAndStartsTheFakeRadio) {
  const QTemporaryDir dir;
  const std::string home = dir.path().toStdString();
  std::ofstream(home + "/radio.sh") << "#!/bin/sh\necho $PPID $(readlink /proc/$PPID/exe) "
                                       "$(tr '\\0' ' ' </proc/$PPID/cmdline) >&3\n"
                                       "exec " M27_FAKE_RADIO_PATH "\n";
  chmod((home + "/radio.sh").c_str(), 0700);
  const std::string command = "M27_FAKE_RADIO=" + home + "/radio.sh QT_QPA_PLATFORM=offscreen " +
                              "XDG_CONFIG_HOME=" + home + " XDG_DATA_HOME=" + home +
                              " exec " M27_PATH " --fake-radio 3>&1 >/dev/null";
  FILE* m27 = popen(command.c_str(), "r");
  char line[4096] = "";
  const bool started = fgets(line, sizeof line, m27) != nullptr;  // nothing if m27 has ended
  if (started) kill(std::stoi(line), SIGTERM);
  pclose(m27);
  const std::string report = line;
  EXPECT_EQ(report.substr(report.find(' ') + 1), M27_WINDOW_PATH " " M27_PATH " --fake-radio\n");
}

}  // namespace
}  // namespace m27
