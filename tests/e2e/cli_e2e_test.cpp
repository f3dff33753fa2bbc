// The m27 program on the command line against m27-fake-radio over a pseudo-terminal: what it
// prints, in which order, with which exit status, and what the radio and the files hold after.
// Every run has a generous hard limit, so a hang fails the test; no test asserts a time.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "channels/codec.h"
#include "channels/options.h"
#include "channels/sheet.h"
#include "files/file_commands.h"
#include "support/fake_radio_process.h"

namespace m27 {
namespace {

using testing::FakeRadioProcess;

constexpr int kHardLimitMs = 60'000;  // the slowest run (a silent radio) ends in 5 s
constexpr const char* kNoAnswer = "通讯失败，请检查对讲机是否进入写频模式\n";

struct Outcome {
  bool exited = false;  // ended by itself within the hard limit
  int status = -1;
  std::string out;
  std::string err;
};

QProcessEnvironment without_display() {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove(QStringLiteral("DISPLAY"));
  environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
  return environment;
}

// Runs m27 with `args`, `input` on its standard input, and waits for its end.
Outcome m27(const QStringList& args, const QByteArray& input = {}) {
  QProcess process;
  process.setProcessEnvironment(without_display());
  process.start(QStringLiteral(M27_PATH), args);
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

std::string file_bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

void write_bytes(const QString& path, const std::string& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// The professional mode with inverted DCS codes and the extra CTCSS tones, both rasters, both
// bandwidths and every option away from its default.
Sheet varied_sheet() {
  Sheet sheet = startup_sheet();
  sheet.Combo4 = "2:专业模式";
  Combo4_Click(sheet);
  sheet.Combo1 = "3:台湾频率";
  sheet.Combo2_60 = "17";
  sheet.Combo5 = "禁止";
  sheet.Combo6 = "开";
  sheet.Combo7 = "开";
  const char* tones[] = {"I754", "254.1", "95.2", "D023", "OFF", "I023", "67.0"};
  for (int i = 0; i < kRows; ++i) {
    ChannelRow& row = sheet.rows[i];
    row.Text1 = i % 2 ? "409.76250" : "440.00500";  // 6.25 kHz only, 5 kHz only
    row.Text3 = i % 3 ? "450.02500" : "467.71250";
    row.Text5 = tones[i % 7];
    row.Text2 = tones[(i + 3) % 7];
    row.Text4 = i % 4 ? "宽带" : "窄带";
  }
  return sheet;
}

// An existing file that a failed read must leave as it was.
const std::string kOldFile = "what the dealer saved last week\r\n";

// Reads from a radio with `fault` into a file that already exists.
struct ReadRun {
  Outcome outcome;
  std::string file_after;
  QStringList files_after;
};
ReadRun read_with_fault(const QString& fault) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("shop.m27"));
  write_bytes(file, kOldFile);
  FakeRadioProcess radio({QStringLiteral("--fault"), fault});
  EXPECT_FALSE(radio.device().isEmpty());
  const Outcome outcome = m27({"read", "--port", radio.device(), file});
  return {outcome, file_bytes(file), QDir(dir.path()).entryList(QDir::Files)};
}

void expect_failed_read(const QString& fault, const std::string& messages) {
  const ReadRun run = read_with_fault(fault);
  ASSERT_TRUE(run.outcome.exited) << fault.toStdString();
  EXPECT_EQ(run.outcome.status, 1);
  EXPECT_EQ(run.outcome.err, messages);
  EXPECT_EQ(run.outcome.out, "");
  EXPECT_EQ(run.file_after, kOldFile) << "a failed read never touches the file";
  EXPECT_EQ(run.files_after, QStringList{"shop.m27"}) << "and leaves nothing beside it";
}

void expect_good_read(const QString& fault) {
  const ReadRun run = read_with_fault(fault);
  ASSERT_TRUE(run.outcome.exited) << fault.toStdString();
  EXPECT_EQ(run.outcome.status, 0);
  EXPECT_EQ(run.outcome.err, "读频完成: 读写完成\n");
  EXPECT_EQ(QByteArray::fromStdString(run.file_after).count("\r\n"), 132);
}

TEST(CliTransfer, WriteThenReadGivesBackTheSameFile) {
  QTemporaryDir dir;
  const QString written = dir.filePath(QStringLiteral("written.m27"));
  const QString read = dir.filePath(QStringLiteral("read.m27"));
  Sheet sheet = varied_sheet();
  ASSERT_FALSE(save_channel_file(sheet, QFile::encodeName(written).toStdString()));

  FakeRadioProcess radio({QStringLiteral("--log")});
  ASSERT_FALSE(radio.device().isEmpty());

  const Outcome write = m27({"write", "--port", radio.device(), written});
  ASSERT_TRUE(write.exited);
  EXPECT_EQ(write.status, 0);
  EXPECT_EQ(write.err, "写频完成: 写频完成\n");
  EXPECT_EQ(write.out, "");

  // The same radio as port 5 of the map this time.
  const Outcome reading = m27({"--port", "com5=" + radio.device(), "read", "--port", "com5", read});
  ASSERT_TRUE(reading.exited);
  EXPECT_EQ(reading.status, 0);
  EXPECT_EQ(reading.err, "读频完成: 读写完成\n");
  EXPECT_EQ(file_bytes(read), file_bytes(written));

  radio.stop();
  EXPECT_TRUE(radio.log().contains("<- 45 00 45")) << "the write ends with the end packet";
  const auto memory = radio.memory();
  ASSERT_TRUE(memory);
  EXPECT_EQ(memory->options, *encode_options(sheet));
  for (int i = 0; i < kRows; ++i) EXPECT_EQ(memory->channels[i], *encode_channel(sheet, i)) << i;
}

TEST(CliTransfer, WriteRefusesABadRowBeforeSendingAnything) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("bad.m27"));
  Sheet sheet = startup_sheet();
  sheet.rows[2].Text1 = "399.95000";
  ASSERT_FALSE(save_channel_file(sheet, QFile::encodeName(file).toStdString()));
  FakeRadioProcess radio({QStringLiteral("--log")});

  const Outcome write = m27({"write", "--port", radio.device(), file});
  ASSERT_TRUE(write.exited);
  EXPECT_EQ(write.status, 1);
  EXPECT_EQ(write.err, "注意: 第3信道频率输入错误，请重新输入\n");
  radio.stop();
  EXPECT_FALSE(radio.log().contains("<-"));
}

TEST(CliTransfer, WriteOfAFileThatCannotBeOpenedTouchesNoPort) {
  const Outcome write = m27({"write", "--port", "/nonexistent/tty", "/nonexistent/shop.m27"});
  ASSERT_TRUE(write.exited);
  EXPECT_EQ(write.status, 1);
  EXPECT_EQ(write.err.rfind("注意: 打开文件失败\n/nonexistent/shop.m27\n", 0), 0u) << write.err;
  EXPECT_EQ(write.err.find("cannot open"), std::string::npos) << "the port was never tried";
}

TEST(CliTransfer, AReadThatCannotBeSavedFails) {
  FakeRadioProcess radio;
  const Outcome read = m27({"read", "--port", radio.device(), "/nonexistent/shop.m27"});
  ASSERT_TRUE(read.exited);
  EXPECT_EQ(read.status, 1);
  EXPECT_EQ(read.err.rfind("读频完成: 读写完成\n注意: 保存文件失败\n/nonexistent/shop.m27\n", 0),
            0u)
      << read.err;
}

TEST(CliTransfer, AWriteCutShortSendsNoEndPacket) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("shop.m27"));
  Sheet sheet = startup_sheet();
  ASSERT_FALSE(save_channel_file(sheet, QFile::encodeName(file).toStdString()));
  FakeRadioProcess radio(
      {QStringLiteral("--fault"), QStringLiteral("silent-after=3"), QStringLiteral("--log")});
  const Outcome write = m27({"write", "--port", radio.device(), file});
  ASSERT_TRUE(write.exited);
  EXPECT_EQ(write.status, 1);
  EXPECT_EQ(write.err, kNoAnswer);
  radio.stop();
  EXPECT_FALSE(radio.log().contains("<- 45 00 45"));
}

// Each fault of the radio, on a read (whose option exchange gives up after 3 s).
TEST(CliReadFault, Silent) { expect_failed_read(QStringLiteral("silent"), kNoAnswer); }
TEST(CliReadFault, SilentAfterTheOptions) {
  expect_failed_read(QStringLiteral("silent-after=1"),
                     std::string(kNoAnswer) + "读频出错: 读频出错\n");
}
TEST(CliReadFault, SilentAfterTenChannels) {
  expect_failed_read(QStringLiteral("silent-after=11"),
                     std::string(kNoAnswer) + "读频出错: 读频出错\n");
}
TEST(CliReadFault, BadChecksum) { expect_failed_read(QStringLiteral("bad-checksum"), kNoAnswer); }
TEST(CliReadFault, CutOff) { expect_failed_read(QStringLiteral("cut-off"), kNoAnswer); }
TEST(CliReadFault, Garbage) { expect_failed_read(QStringLiteral("garbage"), kNoAnswer); }
TEST(CliReadFault, EarlyReplyFallsIntoTheSettleTime) {
  expect_failed_read(QStringLiteral("early"), kNoAnswer);
}
TEST(CliReadFault, EchoIsDiscarded) { expect_good_read(QStringLiteral("echo")); }
TEST(CliReadFault, SlowWithinTheTimeOut) { expect_good_read(QStringLiteral("slow=200")); }

TEST(CliId, WritesASeriesOfTwoRadiosFrom100) {
  QTemporaryDir dir;
  FakeRadioProcess radio({QStringLiteral("--log")});
  const Outcome write =
      m27({"id", "write", "--port", radio.device(), "--start", "100", "--count", "2"}, "\n");
  ASSERT_TRUE(write.exited);
  EXPECT_EQ(write.status, 0);
  EXPECT_EQ(write.out, "ID 100 成功数 1\nID 101 成功数 2\n");
  EXPECT_EQ(write.err,
            "Connect the next radio and press Enter to write ID 101 (Ctrl-D ends the series).\n");
  radio.stop();
  const QByteArray log = radio.log();
  const auto first = log.indexOf("<- 5A 04 00 00 00 64 C2");
  EXPECT_GE(first, 0);
  EXPECT_GT(log.indexOf("<- 5A 04 00 00 00 65 C3"), first);
  const auto memory = radio.memory();
  ASSERT_TRUE(memory);
  EXPECT_EQ(memory->id, 101u);
}

TEST(CliId, ASeriesStopsAtTheEndOfItsInput) {
  FakeRadioProcess radio;
  const Outcome write =
      m27({"id", "write", "--port", radio.device(), "--start", "7", "--count", "5"});
  ASSERT_TRUE(write.exited);
  EXPECT_EQ(write.status, 0);
  EXPECT_EQ(write.out, "ID 7 成功数 1\n");
}

TEST(CliId, AFailedWriteSaysSo) {
  FakeRadioProcess radio({QStringLiteral("--fault"), QStringLiteral("silent")});
  const Outcome write = m27({"id", "write", "--port", radio.device(), "--start", "100"});
  ASSERT_TRUE(write.exited);
  EXPECT_EQ(write.status, 1);
  EXPECT_EQ(write.out, "");
  EXPECT_EQ(write.err, "写ID 通讯失败\n");
}

TEST(CliId, RefusesAnIdTheFieldRefusesBeforeOpeningThePort) {
  const Outcome write = m27({"id", "write", "--port", "/nonexistent/tty", "--start", "4294967296"});
  ASSERT_TRUE(write.exited);
  EXPECT_EQ(write.status, 1);
  EXPECT_EQ(write.err, "注意: ID 输入错误，请重新输入\n");
}

TEST(CliId, Reads) {
  FakeRadioProcess radio;
  const Outcome read = m27({"id", "read", "--port", radio.device()});
  ASSERT_TRUE(read.exited);
  EXPECT_EQ(read.status, 0);
  EXPECT_EQ(read.out, "12345678\n");
  EXPECT_EQ(read.err, "读取 OK\n");
}

TEST(CliId, ReadsTheBundledFakeRadio) {
  const Outcome read = m27({"id", "read", "--fake-radio"});
  ASSERT_TRUE(read.exited);
  EXPECT_EQ(read.status, 0);
  EXPECT_EQ(read.out, "12345678\n");
}

TEST(CliId, AReadWithoutAnswerTimesOut) {
  FakeRadioProcess radio({QStringLiteral("--fault"), QStringLiteral("silent")});
  const Outcome read = m27({"id", "read", "--port", radio.device()});
  ASSERT_TRUE(read.exited);
  EXPECT_EQ(read.status, 1);
  EXPECT_EQ(read.out, "");
  EXPECT_EQ(read.err, "读取超时\n");
}

TEST(CliRssi, ReadsAdjustsAndReadsAgain) {
  QTemporaryDir dir;
  FakeRadioProcess radio;
  const Outcome before = m27({"rssi", "read", "--port", radio.device()});
  EXPECT_EQ(before.status, 0);
  EXPECT_EQ(before.out, "45 43\n");
  EXPECT_EQ(before.err, "读取 OK\n");

  const Outcome adjust = m27({"rssi", "adjust", "--port", radio.device(), "50", "60"});
  EXPECT_EQ(adjust.status, 0);
  EXPECT_EQ(adjust.out, "");
  EXPECT_EQ(adjust.err, "调整: OK\n");

  EXPECT_EQ(m27({"rssi", "read", "--port", radio.device()}).out, "50 60\n");
  radio.stop();
  const auto memory = radio.memory();
  ASSERT_TRUE(memory);
  EXPECT_EQ(memory->rssi_narrow, 50);
  EXPECT_EQ(memory->rssi_wide, 60);
}

TEST(CliRssi, RefusesAValueThatIsNoByte) {
  const Outcome adjust = m27({"rssi", "adjust", "--port", "/nonexistent/tty", "42", "256"});
  EXPECT_EQ(adjust.status, 1);
  EXPECT_EQ(adjust.err, "注意: RSSI 输入错误，请重新输入\n");
}

TEST(CliMonitor, PrintsPacketsUntilSigtermThenStopsTheRadio) {
  FakeRadioProcess radio({QStringLiteral("--log")});
  QProcess monitor;
  monitor.setProcessEnvironment(without_display());
  monitor.start(QStringLiteral(M27_PATH), {"monitor", "rssi", "--port", radio.device()});
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

TEST(CliPort, SaysWhyItCannotOpenThePort) {
  FakeRadioProcess radio;
  QProcess holder;  // another m27 holds the radio's port
  holder.setProcessEnvironment(without_display());
  holder.start(QStringLiteral(M27_PATH), {"monitor", "battery", "--port", radio.device()});
  ASSERT_TRUE(holder.waitForStarted());
  ASSERT_TRUE(holder.waitForReadyRead(kHardLimitMs));  // its port is open

  struct Case {
    QStringList args;
    std::string err;
  };
  const Case kCases[] = {
      {{"id", "read", "--port", "/nonexistent/tty"},
       "m27: cannot open /nonexistent/tty: does not exist\n"},
      {{"id", "read", "--port", "com16"},
       "m27: cannot open com16 (no device; --port com16=DEVICE before the command sets one): "
       "does not exist\n"},
      {{"id", "read", "--port", radio.device()},
       "m27: cannot open " + radio.device().toStdString() + ": in use or no permission\n"},
  };
  for (const auto& c : kCases) {
    const Outcome outcome = m27(c.args);
    ASSERT_TRUE(outcome.exited);
    EXPECT_EQ(outcome.status, 1) << c.err;
    EXPECT_EQ(outcome.err, c.err);
    EXPECT_EQ(outcome.out, "");
  }
  holder.terminate();
  EXPECT_TRUE(holder.waitForFinished(kHardLimitMs));
}

TEST(CliUsage, BadUsageExitsWithTwoAndHelpWithZero) {
  struct Case {
    QStringList args;
    int status;
    const char* starts_with;
  };
  const Case kCases[] = {
      {{"read", "shop.m27"}, 2, "m27: read: which port?"},
      {{"id", "write", "--port", "com1"}, 2, "m27: id: id write needs --start N"},
      {{"erase"}, 2, "m27: unknown command erase"},
      {{"--help"}, 0, ""},
      {{"id", "--help"}, 0, ""},
  };
  for (const auto& c : kCases) {
    const Outcome outcome = m27(c.args);
    ASSERT_TRUE(outcome.exited);
    EXPECT_EQ(outcome.status, c.status) << c.args.join(' ').toStdString();
    EXPECT_EQ(outcome.err.rfind(c.starts_with, 0), 0u) << outcome.err;
  }
  EXPECT_NE(m27({"--help"}).out.find("m27 id write --port /dev/ttyUSB0 --start 100 --count 50"),
            std::string::npos);
  EXPECT_EQ(m27({"id", "--help"}).out.rfind("usage: m27 id read", 0), 0u);
}

}  // namespace
}  // namespace m27

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
