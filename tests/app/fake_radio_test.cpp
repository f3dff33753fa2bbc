#include "app/fake_radio.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace m27 {
namespace {

using namespace std::chrono_literals;

// A stand-in for the radio: a shell script in a fresh directory.
class Script {
 public:
  explicit Script(const std::string& body) {
    std::string pattern = (std::filesystem::temp_directory_path() / "m27-fake-XXXXXX").string();
    dir_ = mkdtemp(pattern.data());
    path_ = dir_ / "radio.sh";
    std::ofstream(path_) << "#!/bin/sh\n" << body << "\n";
    chmod(path_.c_str(), 0700);
  }
  ~Script() { std::filesystem::remove_all(dir_); }
  std::string path() const { return path_.string(); }

 private:
  std::filesystem::path dir_;
  std::filesystem::path path_;
};

// A radio serves until its input ends: the end of a FakeRadio waits for it, and a hang fails by
// the test's time-out.
TEST(FakeRadio, ReportsTheDeviceOfItsFirstLineOrWhyItCouldNotStart) {
  struct Case {
    const char* what;
    const char* body;  // nullptr: no program at all
    const char* device;
    const char* reason;
  };
  const Case kCases[] = {
      {"a line with a carriage return", "printf '/dev/pts/7\\r\\nmore\\n'\nexec cat >/dev/null",
       "/dev/pts/7", nullptr},
      {"a line in two pieces", "printf /dev/\nprintf 'pts/9\\n'\nexec cat >/dev/null", "/dev/pts/9",
       nullptr},
      {"no such program", nullptr, nullptr, "No such file or directory"},
      {"ends without a word", "exit 3", nullptr, "ended before it reported its device"},
      {"an empty first line", "echo\nexec cat >/dev/null", nullptr, "reported an empty device"},
      {"silent until its input ends", "exec cat", nullptr, "no device reported within 200 ms"},
  };
  for (const auto& c : kCases) {
    std::unique_ptr<Script> script;
    std::string program = "/nonexistent/m27-fake-radio";
    if (c.body) {
      script = std::make_unique<Script>(c.body);
      program = script->path();
    }
    const auto radio = FakeRadio::start(program, c.device ? 5s : 200ms);
    ASSERT_EQ(radio.ok(), c.device != nullptr) << c.what;
    if (c.device) {
      EXPECT_EQ(radio.value()->device(), c.device) << c.what;
    } else {
      EXPECT_NE(radio.reason().find(c.reason), std::string::npos)
          << c.what << ": " << radio.reason();
      EXPECT_NE(radio.reason().find(program), std::string::npos) << "names the program";
    }
  }
}

TEST(FakeRadio, IsFoundThroughTheEnvironmentOrNextToTheProgram) {
  setenv("M27_FAKE_RADIO", "/opt/radio/model", 1);
  EXPECT_EQ(fake_radio_program(), "/opt/radio/model");
  unsetenv("M27_FAKE_RADIO");
  const auto self = std::filesystem::read_symlink("/proc/self/exe");
  EXPECT_EQ(fake_radio_program(), (self.parent_path() / "m27-fake-radio").string());
}

}  // namespace
}  // namespace m27
