// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/fake_radio.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace m27 {
namespace {

using namespace std::chrono_literals;

// A radio serves until its input ends: the end of a FakeRadio waits for it, and a hang fails by
// the test's time-out. The radio's stand-ins are shell scripts.
TEST(FakeRadio, ReportsTheDeviceOfItsFirstLineOrWhyItCouldNotStart) {
  struct Case {
    const char* body;    // nullptr: no program at all
    const char* device;  // nullptr: it does not start
    const char* reason;
  };
  const Case kCases[] = {
      {"printf '/dev/pts/7\\r\\nmore\\n'\nexec cat >/dev/null", "/dev/pts/7", nullptr},
      {"printf /dev/\nprintf 'pts/9\\n'\nexec cat >/dev/null", "/dev/pts/9", nullptr},  // in pieces
      {nullptr, nullptr, "No such file or directory"},
      {"exit 3", nullptr, "ended before it reported its device"},
      {"echo\nexec cat >/dev/null", nullptr, "reported an empty device"},
      {"exec cat", nullptr, "no device reported within 200 ms"},
  };
  std::string folder = (std::filesystem::temp_directory_path() / "m27-fake-XXXXXX").string();
  const std::filesystem::path dir = mkdtemp(folder.data());
  for (const auto& c : kCases) {
    std::string program = "/nonexistent/m27-fake-radio";
    if (c.body) {
      program = dir / "radio.sh";
      std::ofstream(program) << "#!/bin/sh\n" << c.body << "\n";
      chmod(program.c_str(), 0700);
    }
    const auto radio = FakeRadio::start(program, c.device ? 5s : 200ms);
    ASSERT_EQ(radio.ok(), c.device != nullptr) << program << ": " << (c.body ? c.body : "");
    if (c.device) {
      EXPECT_EQ(radio.value()->device(), c.device);
    } else {
      EXPECT_NE(radio.reason().find(c.reason), std::string::npos) << radio.reason();
      EXPECT_NE(radio.reason().find(program), std::string::npos) << "names the program";
    }
  }
  std::filesystem::remove_all(dir);
}

// Next to the program, where the end-to-end tests find it.
TEST(FakeRadio, IsFoundThroughTheEnvironment) {
  setenv("M27_FAKE_RADIO", "/opt/radio/model", 1);
  EXPECT_EQ(fake_radio_program(), "/opt/radio/model");
  unsetenv("M27_FAKE_RADIO");
}

}  // namespace
}  // namespace m27
