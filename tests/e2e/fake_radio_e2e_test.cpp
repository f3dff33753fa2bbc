// m27-fake-radio as a process: it serves its pseudo-terminal, keeps what was written, dumps it
// when it ends and refuses bad arguments. (Its end at the end of its input, every other
// end-to-end test uses.)

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <cstdint>
#include <optional>
#include <vector>

#include "support/fake_radio_process.h"

namespace m27::fake {
namespace {

using Bytes = std::vector<std::uint8_t>;
using testing::FakeRadioProcess;

// The serial port as the program opens it: raw bytes, no terminal processing.
int open_port(const QString& path) {
  const int fd = open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
  if (fd < 0) return fd;
  termios settings{};
  tcgetattr(fd, &settings);
  cfmakeraw(&settings);
  tcsetattr(fd, TCSANOW, &settings);
  return fd;
}

// Sends a request and collects the reply frame (its second byte counts its data); nullopt when
// none comes within 10 s.
std::optional<Bytes> exchange(int port, const Bytes& request) {
  if (write(port, request.data(), request.size()) != static_cast<ssize_t>(request.size())) {
    return std::nullopt;
  }
  Bytes reply;
  while (reply.size() < 2 || reply.size() < reply[1] + 3u) {
    pollfd readable{port, POLLIN, 0};
    std::uint8_t byte = 0;
    if (poll(&readable, 1, 10'000) != 1 || read(port, &byte, 1) != 1) return std::nullopt;
    reply.push_back(byte);
  }
  return reply;
}

TEST(FakeRadioProcess, ServesALoadedMemoryAndDumpsWhatWasWrittenOnSigterm) {
  QTemporaryDir dir;
  const QString load_file = dir.filePath(QStringLiteral("loaded.txt"));
  Memory loaded = default_memory();
  loaded.options = {0xC1, 0x02, 0x0E};
  QFile load(load_file);
  ASSERT_TRUE(load.open(QIODevice::WriteOnly));
  load.write(QByteArray::fromStdString(dump(loaded)));
  load.close();

  FakeRadioProcess radio({"--load", load_file, "--paced"});
  ASSERT_FALSE(radio.device().isEmpty()) << radio.log().toStdString();
  int port = open_port(radio.device());
  ASSERT_GE(port, 0);
  EXPECT_EQ(exchange(port, {0x53, 0x03, 0x00, 0x00, 0x04, 0x5A}),
            (Bytes{0x44, 0x03, 0xC1, 0x02, 0x0E, 0x18}));
  close(port);  // the program closes and reopens its port; the radio stays reachable
  port = open_port(radio.device());
  ASSERT_GE(port, 0);
  EXPECT_TRUE(exchange(port, {0x5A, 0x04, 0x12, 0x34, 0x56, 0x78, 0x72}));
  close(port);

  radio.terminate();
  EXPECT_EQ(radio.exit_status(), 0) << radio.log().toStdString();
  loaded.id = 0x12345678;
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
