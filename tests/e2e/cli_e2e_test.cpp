// The m27 program on the command line against m27-fake-radio over a pseudo-terminal: what it
// prints, in which order, with which exit status, and what the radio and the files hold after.
// Every run has a generous hard limit, so a hang fails the test; no test asserts a time.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "channels/codec.h"
#include "files/file_commands.h"
#include "support/fake_radio_process.h"
#include "support/varied_sheet.h"

namespace m27 {
namespace {

using testing::FakeRadioProcess;

constexpr int kHardLimitMs = 60'000;  // the slowest run (a silent radio) ends in 5 s
const std::string kNoAnswer = "通讯失败，请检查对讲机是否进入写频模式\n";

struct Outcome {
  bool exited = false;  // ended by itself within the hard limit
  int status = -1;
  std::string out;
  std::string err;
};

// m27 started with `args`, without a display.
void start_m27(QProcess& process, const QStringList& args) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove(QStringLiteral("DISPLAY"));
  environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
  process.setProcessEnvironment(environment);
  process.start(QStringLiteral(M27_PATH), args);
}

// Runs m27 with `args`, `input` on its standard input, and waits for its end.
Outcome m27(const QStringList& args, const QByteArray& input = {}) {
  QProcess process;
  start_m27(process, args);
  if (!process.waitForStarted()) return {};
  process.write(input);
  process.closeWriteChannel();
  Outcome outcome;
  outcome.exited = process.waitForFinished(kHardLimitMs);
  if (!outcome.exited) {
    process.kill();
    process.waitForFinished();
  }
  outcome.exited = outcome.exited && process.exitStatus() == QProcess::NormalExit;
  outcome.status = process.exitCode();
  outcome.out = process.readAllStandardOutput().toStdString();
  outcome.err = process.readAllStandardError().toStdString();
  return outcome;
}

void expect(const Outcome& outcome, int status, const std::string& err,
            const std::string& out = "") {
  ASSERT_TRUE(outcome.exited) << err;
  EXPECT_EQ(outcome.status, status) << err;
  EXPECT_EQ(outcome.err, err);
  EXPECT_EQ(outcome.out, out) << err;
}

std::string file_bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

QString saved(const QTemporaryDir& dir, const char* name, Sheet& sheet) {
  const QString file = dir.filePath(QString::fromLatin1(name));
  EXPECT_FALSE(save_channel_file(sheet, QFile::encodeName(file).toStdString()));
  return file;
}

TEST(CliTransfer, WriteThenReadGivesBackTheSameFile) {
  QTemporaryDir dir;
  Sheet sheet = testing::varied_sheet();
  const QString written = saved(dir, "written.m27", sheet);
  const QString read = dir.filePath(QStringLiteral("read.m27"));
  FakeRadioProcess radio({QStringLiteral("--log")});
  ASSERT_FALSE(radio.device().isEmpty());

  expect(m27({"write", "--port", radio.device(), written}), 0, "写频完成: 写频完成\n");
  // The same radio as port 5 of the map this time.
  expect(m27({"--port", "com5=" + radio.device(), "read", "--port", "com5", read}), 0,
         "读频完成: 读写完成\n");
  EXPECT_EQ(file_bytes(read), file_bytes(written));
  const Outcome unsaved = m27({"read", "--port", radio.device(), "/nonexistent/shop.m27"});
  EXPECT_EQ(unsaved.status, 1);
  EXPECT_EQ(unsaved.err.rfind("读频完成: 读写完成\n注意: 保存文件失败\n/nonexistent/shop.m27\n", 0),
            0u)
      << unsaved.err;

  radio.stop();
  EXPECT_TRUE(radio.log().contains("<- 45 00 45")) << "the write ends with the end packet";
  const auto memory = radio.memory();
  ASSERT_TRUE(memory);
  EXPECT_EQ(memory->options, *encode_options(sheet));
  for (int i = 0; i < kRows; ++i) EXPECT_EQ(memory->channels[i], *encode_channel(sheet, i)) << i;
}

TEST(CliTransfer, WriteRefusesABadRowBeforeSendingAnything) {
  QTemporaryDir dir;
  Sheet sheet = startup_sheet();
  sheet.rows[2].rx_frequency = "399.95000";
  FakeRadioProcess radio({QStringLiteral("--log")});
  expect(m27({"write", "--port", radio.device(), saved(dir, "bad.m27", sheet)}), 1,
         "注意: 第3信道频率输入错误，请重新输入\n");
  radio.stop();
  EXPECT_FALSE(radio.log().contains("<-"));
}

TEST(CliTransfer, AWriteCutShortSendsNoEndPacket) {
  QTemporaryDir dir;
  Sheet sheet = startup_sheet();
  FakeRadioProcess radio({"--fault", "silent-after=3", "--log"});
  expect(m27({"write", "--port", radio.device(), saved(dir, "shop.m27", sheet)}), 1, kNoAnswer);
  radio.stop();
  EXPECT_FALSE(radio.log().contains("<- 45 00 45"));
}

// Each fault of the radio on a read into a file that exists: the messages in order, and the
// file as it was (the option exchange gives up after 3 s).
struct ReadFault {
  const char* name;
  const char* fault;
  int status;
  std::string err;
};

class CliReadFault : public ::testing::TestWithParam<ReadFault> {};

TEST_P(CliReadFault, EndsWithItsMessagesAndLeavesTheFile) {
  const ReadFault& c = GetParam();
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("shop.m27"));
  const std::string kOldFile = "what the dealer saved last week\r\n";
  QFile old(file);
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write(kOldFile.data(), static_cast<qint64>(kOldFile.size()));
  old.close();
  FakeRadioProcess radio({QStringLiteral("--fault"), QString::fromLatin1(c.fault)});
  expect(m27({"read", "--port", radio.device(), file}), c.status, c.err);
  if (c.status != 0) {
    EXPECT_EQ(file_bytes(file), kOldFile) << "a failed read never touches the file";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"shop.m27"}) << "nor beside it";
  } else {
    EXPECT_EQ(QByteArray::fromStdString(file_bytes(file)).count("\r\n"), 132);
  }
}

const std::string kReadError = kNoAnswer + "读频出错: 读频出错\n";
const ReadFault kReadFaults[] = {
    {"Silent", "silent", 1, kNoAnswer},
    {"SilentAfterTheOptions", "silent-after=1", 1, kReadError},
    {"SilentAfterTenChannels", "silent-after=11", 1, kReadError},
    {"BadChecksum", "bad-checksum", 1, kNoAnswer},
    {"CutOff", "cut-off", 1, kNoAnswer},
    {"Garbage", "garbage", 1, kNoAnswer},
    {"EarlyReplyFallsIntoTheSettleTime", "early", 1, kNoAnswer},
    {"EchoIsDiscarded", "echo", 0, "读频完成: 读写完成\n"},
    {"SlowWithinTheTimeOut", "slow=200", 0, "读频完成: 读写完成\n"},
};
INSTANTIATE_TEST_SUITE_P(Faults, CliReadFault, ::testing::ValuesIn(kReadFaults),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CliId, ReadsThenWritesASeriesOfTwoFrom100) {
  FakeRadioProcess radio({QStringLiteral("--log")});
  expect(m27({"id", "read", "--port", radio.device()}), 0, "读取 OK\n", "12345678\n");
  expect(m27({"id", "write", "--port", radio.device(), "--start", "100", "--count", "2"}, "\n"), 0,
         "Connect the next radio and press Enter to write ID 101 (Ctrl-D ends the series).\n",
         "ID 100 成功数 1\nID 101 成功数 2\n");
  // A series stops at the end of its input.
  const Outcome cut =
      m27({"id", "write", "--port", radio.device(), "--start", "7", "--count", "5"});
  EXPECT_EQ(cut.status, 0);
  EXPECT_EQ(cut.out, "ID 7 成功数 1\n");
  radio.stop();
  const QByteArray log = radio.log();
  const auto first = log.indexOf("<- 5A 04 00 00 00 64 C2");
  EXPECT_GE(first, 0);
  EXPECT_GT(log.indexOf("<- 5A 04 00 00 00 65 C3"), first);
  const auto memory = radio.memory();
  ASSERT_TRUE(memory);
  EXPECT_EQ(memory->id, 7u);
}

TEST(CliId, ASilentRadioFailsTheWriteAndTheRead) {
  FakeRadioProcess radio({QStringLiteral("--fault"), QStringLiteral("silent")});
  expect(m27({"id", "write", "--port", radio.device(), "--start", "100"}), 1, "写ID 通讯失败\n");
  expect(m27({"id", "read", "--port", radio.device()}), 1, "读取超时\n");
}

TEST(CliRssi, ReadsAdjustsAndReadsAgain) {
  FakeRadioProcess radio;
  expect(m27({"rssi", "read", "--port", radio.device()}), 0, "读取 OK\n", "45 43\n");
  expect(m27({"rssi", "adjust", "--port", radio.device(), "50", "60"}), 0, "调整: OK\n");
  expect(m27({"rssi", "read", "--port", radio.device()}), 0, "读取 OK\n", "50 60\n");
  const auto memory = radio.memory();
  ASSERT_TRUE(memory);
  EXPECT_EQ(memory->rssi_narrow, 50);
  EXPECT_EQ(memory->rssi_wide, 60);
}

TEST(CliMonitor, PrintsPacketsUntilSigtermThenStopsTheRadio) {
  FakeRadioProcess radio({QStringLiteral("--log")});
  QProcess monitor;
  start_m27(monitor, {"monitor", "rssi", "--port", radio.device()});
  ASSERT_TRUE(monitor.waitForStarted());
  QByteArray out;
  while (out.count('\n') < 3 && monitor.waitForReadyRead(kHardLimitMs)) {
    out += monitor.readAllStandardOutput();
  }
  monitor.terminate();
  ASSERT_TRUE(monitor.waitForFinished(kHardLimitMs));
  EXPECT_EQ(monitor.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(monitor.exitCode(), 0);
  EXPECT_EQ(monitor.readAllStandardError().toStdString(),
            "RSSI(Reg68) SNR(Reg102) AFC(Reg70) AudioLv(Reg74)\n");
  // Packets 0, 1, 2 of the radio's stream.
  EXPECT_TRUE(out.startsWith("40 300 5 9\n41 4396 65531 12\n42 8492 65521 15\n")) << out.data();

  radio.stop();
  const QByteArray log = radio.log();
  const auto start = log.indexOf("<- 55 01 01 57");
  EXPECT_GE(start, 0);
  EXPECT_GT(log.indexOf("<- 55 01 00 56"), start) << "the stop request reached the radio";
}

// What m27 refuses before it reaches a radio, and the ports it cannot open.
TEST(CliRefusals, SayWhyAndExitWithTheirStatus) {
  FakeRadioProcess radio;
  QProcess holder;  // another m27 holds the radio's port
  start_m27(holder, {"monitor", "battery", "--port", radio.device()});
  ASSERT_TRUE(holder.waitForStarted());
  ASSERT_TRUE(holder.waitForReadyRead(kHardLimitMs));  // its port is open

  struct Case {
    QString command;  // its words separated by blanks
    int status;
    std::string err_start;
  };
  const Case kCases[] = {
      {"id read --port /nonexistent/tty", 1, "m27: cannot open /nonexistent/tty: does not exist\n"},
      {"id read --port com16", 1,
       "m27: cannot open com16 (no device; --port com16=DEVICE before the command sets one): "
       "does not exist\n"},
      {"id read --port " + radio.device(), 1,
       "m27: cannot open " + radio.device().toStdString() + ": in use or no permission\n"},
      // The file is opened first: the port is never tried.
      {"write --port /nonexistent/tty /nonexistent/shop.m27", 1,
       "注意: 打开文件失败\n/nonexistent/shop.m27\n"},
      {"id write --port /nonexistent/tty --start 4294967296", 1, "注意: ID 输入错误，请重新输入\n"},
      {"rssi adjust --port /nonexistent/tty 42 256", 1, "注意: RSSI 输入错误，请重新输入\n"},
      {"read shop.m27", 2, "m27: read: which port?"},
      {"id write --port com1", 2, "m27: id: id write needs --start N"},
      {"erase", 2, "m27: unknown command erase"},
  };
  for (const auto& c : kCases) {
    const Outcome outcome = m27(c.command.split(QLatin1Char(' ')));
    ASSERT_TRUE(outcome.exited);
    EXPECT_EQ(outcome.status, c.status) << c.err_start;
    EXPECT_EQ(outcome.err.rfind(c.err_start, 0), 0u) << outcome.err;
    EXPECT_EQ(outcome.err.find("cannot open", c.err_start.size()), std::string::npos);
    EXPECT_EQ(outcome.out, "");
  }
  holder.terminate();
  EXPECT_TRUE(holder.waitForFinished(kHardLimitMs));
}

TEST(CliUsage, HelpAndTheBundledRadio) {
  const Outcome help = m27({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("m27 id write --port /dev/ttyUSB0 --start 100 --count 50"),
            std::string::npos);
  const Outcome id_help = m27({"id", "--help"});
  EXPECT_EQ(id_help.status, 0);
  EXPECT_EQ(id_help.out.rfind("usage: m27 id read", 0), 0u);
  const Outcome bundled = m27({"id", "read", "--fake-radio"});
  EXPECT_EQ(bundled.status, 0);
  EXPECT_EQ(bundled.out, "12345678\n");
}

}  // namespace
}  // namespace m27
