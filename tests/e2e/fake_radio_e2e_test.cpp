// m27-fake-radio as a process: it starts from a loaded memory, dumps what it holds when a signal
// ends it and refuses bad arguments. (Serving its pseudo-terminal, reopened by every run, and
// keeping what was written, every other end-to-end test uses.)

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <fstream>

#include "support/fake_radio_process.h"

namespace m27::fake {
namespace {

using testing::FakeRadioProcess;

TEST(FakeRadioProcess, StartsFromALoadedMemoryAndDumpsItOnSigterm) {
  QTemporaryDir dir;
  const QString load = dir.filePath(QStringLiteral("loaded.txt"));
  Memory loaded = default_memory();
  loaded.options = {0xC1, 0x02, 0x0E};
  loaded.id = 0xFFFFFFFF;
  std::ofstream(QFile::encodeName(load).toStdString()) << dump(loaded);
  FakeRadioProcess radio({"--load", load, "--paced"});
  radio.terminate();
  EXPECT_EQ(radio.exit_status(), 0) << radio.log().toStdString();
  EXPECT_EQ(radio.memory(), loaded);
}

TEST(FakeRadioProcess, RefusesBadArguments) {
  struct Case {
    QStringList args;
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
    FakeRadioProcess radio(c.args);
    radio.stop();
    EXPECT_EQ(radio.exit_status(), c.status) << c.message;
    EXPECT_TRUE(radio.log().contains(c.message)) << radio.log().toStdString();
  }
}

}  // namespace
}  // namespace m27::fake
