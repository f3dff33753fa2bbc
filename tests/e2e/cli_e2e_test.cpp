// The m27 program on the command line against m27-fake-radio over a pseudo-terminal: what only
// the real program shows — its exit status, exactly what it prints, the files it leaves and what
// the radio holds after. How each fault of the radio ends an exchange, the link's own tests show
// in virtual time; here one silent and one echoing radio stand for them.
// Every run has a generous hard limit, so a hang fails the test; no test asserts a time.

#include <gtest/gtest.h>
#include <signal.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "channels/codec.h"
#include "files/backup_store.h"
#include "files/file_commands.h"
#include "support/fake_radio_process.h"
#include "support/varied_sheet.h"

namespace m27 {
namespace {

using testing::FakeRadioProcess;

constexpr int kHardLimitMs = 60'000;  // the slowest run (a silent radio) ends in 5 s
const std::string kNoAnswer = "通讯失败，请检查对讲机是否进入写频模式\n";
const std::string kRead = "读频完成: 读写完成\n";
const std::string kWritten = "写频完成: 写频完成\n";

struct Outcome {
  bool exited = false;  // ended by itself within the hard limit
  int status = -1;
  std::string out;
  std::string err;
};

// The user data folder of every run that names none, so that no backup lands in the home folder.
QString shared_data_home() {
  static const QTemporaryDir dir;
  return dir.path();
}

// m27 started with `args`, without a display, its user data in `data_home`.
void start_m27(QProcess& process, const QStringList& args,
               const QString& data_home = shared_data_home()) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove(QStringLiteral("DISPLAY"));
  environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
  environment.insert(QStringLiteral("XDG_DATA_HOME"), data_home);
  process.setProcessEnvironment(environment);
  process.start(QStringLiteral(M27_PATH), args);
}

// Runs m27 with `args`, `input` on its standard input, and waits for its end.
Outcome m27(const QStringList& args, const QByteArray& input = {},
            const QString& data_home = shared_data_home()) {
  QProcess process;
  start_m27(process, args, data_home);
  process.write(input);  // kept until the program has started
  process.closeWriteChannel();
  const bool ended = process.waitForFinished(kHardLimitMs);
  if (!ended) process.kill();
  process.waitForFinished();
  return {ended && process.exitStatus() == QProcess::NormalExit, process.exitCode(),
          process.readAllStandardOutput().toStdString(),
          process.readAllStandardError().toStdString()};
}

// `whole`: the message is all of `err`; else it starts with `err` and ends with the system's
// reason, one line in the system's words.
void expect(const Outcome& outcome, int status, const std::string& err, const std::string& out = "",
            bool whole = true) {
  ASSERT_TRUE(outcome.exited) << err;
  EXPECT_EQ(outcome.status, status) << err;
  EXPECT_EQ(outcome.out, out) << err;
  EXPECT_EQ(outcome.err.substr(0, err.size()), err);
  const std::string rest = outcome.err.substr(std::min(err.size(), outcome.err.size()));
  EXPECT_TRUE(whole ? rest.empty() : std::count(rest.begin(), rest.end(), '\n') <= 1)
      << outcome.err;
}

void expect_start(const Outcome& outcome, int status, const std::string& err_start) {
  expect(outcome, status, err_start, "", false);
}

std::string file_bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

void write_file(const QString& path, const std::string& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

QString saved(const QTemporaryDir& dir, const char* name, Sheet& sheet) {
  const QString file = dir.filePath(QString::fromLatin1(name));
  EXPECT_FALSE(save_channel_file(sheet, QFile::encodeName(file).toStdString()));
  return file;
}

// Also with bytes of another frame right behind each reply: they change nothing.
TEST(CliTransfer, WriteThenReadGivesBackTheSameFile) {
  QTemporaryDir dir;
  Sheet sheet = testing::varied_sheet();
  const QString written = saved(dir, "written.m27", sheet);
  const QString read = dir.filePath(QStringLiteral("read.m27"));
  for (const QStringList& options : {QStringList{"--log"}, QStringList{"--fault", "trailing"}}) {
    SCOPED_TRACE(options.join(' ').toStdString());
    FakeRadioProcess radio(options);
    expect(m27({"write", "--port", radio.device(), written}), 0, kWritten);
    // The same radio as port 5 of the map this time.
    expect(m27({"--port", "com5=" + radio.device(), "read", "--port", "com5", read}), 0, kRead);
    EXPECT_EQ(file_bytes(read), file_bytes(written));
    const auto memory = radio.memory();
    ASSERT_TRUE(memory);
    EXPECT_EQ(memory->options, *encode_options(sheet));
    for (int i = 0; i < kRows; ++i) EXPECT_EQ(memory->channels[i], *encode_channel(sheet, i)) << i;
    if (options[0] == "--log") {
      EXPECT_TRUE(radio.log().contains("<- 45 00 45")) << "the write ends with the end packet";
    }
  }
  FakeRadioProcess radio;
  expect_start(m27({"read", "--port", radio.device(), "/nonexistent/shop.m27"}), 1,
               kRead + "注意: 保存文件失败\n/nonexistent/shop.m27\n");
}

// Each request on a line of its own, in order, and between two requests exactly the bytes of one
// reply, however they arrived.
TEST(CliTransfer, ATraceOfAReadHoldsThe26RequestsAndThe26Replies) {
  QTemporaryDir dir;
  const QString trace = dir.filePath(QStringLiteral("trace.txt"));
  FakeRadioProcess radio;
  expect(m27({"--trace", trace, "read", "--port", radio.device(), dir.filePath("read.m27")}), 0,
         kRead);
  QStringList expected{"53 03 00 00 04 5A"};
  for (int row = 0; row < kRows; ++row) {
    expected << QString::asprintf("52 03 %02X 00 05 %02X", row, 0x5A + row);
  }
  QStringList requests;
  QList<QByteArray> replies;
  double last_ms = 0;
  static const QRegularExpression kLine(
      QStringLiteral("^(\\d+\\.\\d{3}) ([<>])((?: [0-9A-F]{2})+)$"));
  for (const QString& line :
       QString::fromStdString(file_bytes(trace)).split('\n', Qt::SkipEmptyParts)) {
    const auto match = kLine.match(line);
    ASSERT_TRUE(match.hasMatch()) << line.toStdString();
    const double ms = match.captured(1).toDouble();
    EXPECT_GE(ms, std::exchange(last_ms, ms));
    if (match.captured(2) == QLatin1String(">")) {
      requests << match.captured(3).trimmed();
      replies << QByteArray();
    } else {
      ASSERT_FALSE(replies.isEmpty()) << "a reply before any request";
      replies.back() += QByteArray::fromHex(match.captured(3).toLatin1());
    }
  }
  EXPECT_EQ(requests, expected);
  for (const QByteArray& reply : replies) {
    ASSERT_GE(reply.size(), 3);
    EXPECT_EQ(reply.size(), 3 + static_cast<unsigned char>(reply[1])) << reply.toHex(' ').data();
  }
}

// Export then import into the same file gives it back byte for byte, in both layouts; a refused
// import names the place and leaves its output as it was.
TEST(CliCsv, ExportThenImportGivesBackTheFileAndARefusalChangesNothing) {
  QTemporaryDir dir;
  Sheet sheet = testing::varied_sheet();
  const QString original = saved(dir, "pro.m27", sheet);
  const QString csv = dir.filePath(QStringLiteral("out.csv"));
  const QString back = dir.filePath(QStringLiteral("back.m27"));
  for (const char* layout : {"grid", "generic"}) {
    expect(m27({"csv", "export", "--layout", layout, original, csv}), 0, "");
    expect(m27({"csv", "import", "--into", original, csv, back}), 0, "");
    EXPECT_EQ(file_bytes(back), file_bytes(original)) << layout;
  }
  write_file(csv,
             "信道,接收频率,接收亚音,发射频率,发射亚音,带宽\r\n1,450,OFF,450,OFF,宽带\r\n"
             "2,500,OFF,450,OFF,宽带\r\n");
  const std::string before = file_bytes(original);
  expect(m27({"csv", "import", csv, original}), 1,
         "注意: 导入CSV失败\n" + csv.toStdString() +
             "\n第3行第2列（接收频率）：“500”不在400～490 MHz之内\n");
  EXPECT_EQ(file_bytes(original), before);
}

// A radio falling silent halfway and one echoing each request, on a read into a file that
// exists: the messages in order, and the file as it was (no backup either) or complete.
struct ReadFault {
  const char* name;
  const char* fault;
  int status;
  std::string err;
};

// Its name in the test list, rather than its bytes.
void PrintTo(const ReadFault& fault, std::ostream* out) { *out << fault.fault; }

class CliReadFault : public ::testing::TestWithParam<ReadFault> {};

TEST_P(CliReadFault, EndsWithItsMessagesAndLeavesTheFile) {
  const ReadFault& c = GetParam();
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("shop.m27"));
  const std::string kOldFile = "what the dealer saved last week\r\n";
  write_file(file, kOldFile);
  FakeRadioProcess radio({QStringLiteral("--fault"), QString::fromLatin1(c.fault)});
  expect(m27({"read", "--port", radio.device(), file}, {}, dir.path()), c.status, c.err);
  if (c.status == 0) {
    EXPECT_EQ(QByteArray::fromStdString(file_bytes(file)).count("\r\n"), 132);
    return;
  }
  EXPECT_EQ(file_bytes(file), kOldFile) << "a failed read never touches the file";
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
            QStringList{"shop.m27"})
      << "nor writes beside it or a backup";
}

const ReadFault kReadFaults[] = {
    {"SilentAfterTenChannels", "silent-after=11", 1, kNoAnswer + "读频出错: 读频出错\n"},
    {"EchoIsDiscarded", "echo", 0, kRead},
};
INSTANTIATE_TEST_SUITE_P(Faults, CliReadFault, ::testing::ValuesIn(kReadFaults),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CliBackup, EveryCompleteReadLeavesOneBackupOfTheSavedFile) {
  QTemporaryDir home;
  const QDir backups(home.filePath(QStringLiteral("m27/backups")));
  const QString file = home.filePath(QStringLiteral("shop.m27"));
  FakeRadioProcess radio;
  expect(m27({"read", "--port", radio.device(), file}, {}, home.path()), 0, kRead);
  const QStringList kept = backups.entryList(QDir::Files);
  ASSERT_EQ(kept.size(), 1);
  EXPECT_TRUE(is_backup_name(kept[0].toStdString())) << kept[0].toStdString();
  EXPECT_EQ(file_bytes(backups.filePath(kept[0])), file_bytes(file));
  expect(m27({"read", "--no-backup", "--port", radio.device(), file}, {}, home.path()), 0, kRead);
  EXPECT_EQ(backups.entryList(QDir::Files), kept);
  // A data folder that cannot hold one (a file): the read is good all the same.
  expect_start(m27({"read", "--port", radio.device(), file}, {}, file), 0,
               kRead + "注意: 备份失败\n" + file.toStdString() + "/m27/backups\n");
}

TEST(CliVerify, AWriteThatIsNotKeptIsNamedByWriteVerifyAndVerify) {
  QTemporaryDir dir;
  Sheet sheet = startup_sheet();
  const QString file = saved(dir, "shop.m27", sheet);
  const std::string kRow3 = "3 接收频率 451.12500 451.13125\n";
  FakeRadioProcess spoiling({QStringLiteral("--fault"), QStringLiteral("store-wrong=2")});
  expect(m27({"write", "--verify", "--port", spoiling.device(), file}), 3,
         kWritten + kRead + "校验: 校验不一致\n", kRow3);
  expect(m27({"verify", "--port", spoiling.device(), file}), 3, kRead + "校验: 校验不一致\n",
         kRow3);
  FakeRadioProcess radio;
  expect(m27({"write", "--port", radio.device(), file, "--verify"}), 0,
         kWritten + kRead + "校验: 校验通过\n");
  expect(m27({"verify", "--port", radio.device(), file}), 0, kRead + "校验: 校验通过\n");
  // The option, 25 channels and the end packet go through; the read-back finds no radio.
  FakeRadioProcess tiring({QStringLiteral("--fault"), QStringLiteral("silent-after=27")});
  expect(m27({"write", "--verify", "--port", tiring.device(), file}), 1,
         kWritten + kNoAnswer + "校验: 写频已完成，但读回对讲机失败，未能校验\n");
}

TEST(CliDiff, PrintsOneLinePerDifferenceAndNothingForTheSame) {
  QTemporaryDir dir;
  Sheet sheet = startup_sheet();
  const QString a = saved(dir, "a.m27", sheet);
  const QString same = dir.filePath(QStringLiteral("same.m27"));
  // 450.125 for 450.12500: the same frequency on the radio
  write_file(
      same, QByteArray::fromStdString(file_bytes(a)).replace("450.12500", "450.125").toStdString());
  sheet.rows[0].rx_tone = "67.0";
  sheet.fsk = "开";
  const QString b = saved(dir, "b.m27", sheet);
  expect(m27({"diff", a, same}), 0, "");
  expect(m27({"diff", a, b}), 3, "", "FSK 关 开\n1 接收亚音 OFF 67.0\n");
  EXPECT_EQ(m27({"diff", a, dir.filePath(QStringLiteral("none.m27"))}).status, 1);
}

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
  const auto memory = radio.memory();
  ASSERT_TRUE(memory);
  EXPECT_EQ(memory->id, 7u);
  const QByteArray log = radio.log();
  const auto first = log.indexOf("<- 5A 04 00 00 00 64 C2");
  EXPECT_GE(first, 0);
  EXPECT_GT(log.indexOf("<- 5A 04 00 00 00 65 C3"), first);
  FakeRadioProcess silent({QStringLiteral("--fault"), QStringLiteral("silent")});
  expect(m27({"id", "write", "--port", silent.device(), "--start", "100"}), 1, "写ID 通讯失败\n");
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

// A monitor of the RSSI stream until `signal` after its third packet: the header, the packets,
// exit 0; a killed one leaves the stream running for `monitor stop`. After each the radio is
// quiet again: a stream still running would answer the ID read with a monitor packet.
TEST(CliMonitor, PrintsPacketsUntilEachStopSignalThenStopsTheRadio) {
  for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGKILL}) {
    SCOPED_TRACE(signal);
    FakeRadioProcess radio;
    QProcess monitor;
    start_m27(monitor, {"monitor", "rssi", "--port", radio.device()});
    QByteArray out;
    while (out.count('\n') < 3 && monitor.waitForReadyRead(kHardLimitMs)) {
      out += monitor.readAllStandardOutput();
    }
    // Packets 0, 1, 2 of the radio's stream.
    ASSERT_TRUE(out.startsWith("40 300 5 9\n41 4396 65531 12\n42 8492 65521 15\n")) << out.data();
    ::kill(static_cast<pid_t>(monitor.processId()), signal);
    ASSERT_TRUE(monitor.waitForFinished(kHardLimitMs));
    if (signal == SIGKILL) {
      expect(m27({"monitor", "stop", "--port", radio.device()}), 0, "");
    } else {
      EXPECT_EQ(monitor.exitStatus(), QProcess::NormalExit);
      EXPECT_EQ(monitor.exitCode(), 0);
      EXPECT_EQ(monitor.readAllStandardError(),
                "RSSI(Reg68) SNR(Reg102) AFC(Reg70) AudioLv(Reg74)\n");
    }
    expect(m27({"id", "read", "--port", radio.device()}), 0, "读取 OK\n", "12345678\n");
  }
}

// The radio's end of the line goes away after its third request: the command names the port at
// once (no 5 s time-out and its message) and leaves the file as it was.
TEST(CliTransfer, ALostPortIsNamedAndTheFileStays) {
  QTemporaryDir dir;
  Sheet sheet = testing::varied_sheet();
  const QString file = saved(dir, "shop.m27", sheet);
  const std::string before = file_bytes(file);
  for (const char* command : {"read", "write"}) {
    SCOPED_TRACE(command);
    FakeRadioProcess radio({"--fault", "vanish=3"});
    expect_start(m27({command, "--port", radio.device(), file}), 1,
                 "注意: 串口已断开，请检查数据线 (" + radio.device().toStdString() + ")\n");
    EXPECT_EQ(file_bytes(file), before);
  }
}

// What m27 refuses before it reaches a radio, and the ports it cannot open.
TEST(CliRefusals, SayWhyAndExitWithTheirStatus) {
  QTemporaryDir dir;
  Sheet sheet = startup_sheet();
  sheet.rows[2].rx_frequency = "399.95000";  // below the band
  const QString unsendable = saved(dir, "unsendable.m27", sheet);
  const QString cut = dir.filePath(QStringLiteral("cut.m27"));  // its last line is missing
  const std::string whole = file_bytes(unsendable);
  write_file(cut, whole.substr(0, whole.rfind("\r\n", whole.size() - 3) + 2));
  FakeRadioProcess radio;
  FakeRadioProcess logging({QStringLiteral("--log")});
  QProcess holder;  // another m27 holds the radio's port
  start_m27(holder, {"monitor", "battery", "--port", radio.device()});
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
      {"write --port /nonexistent/tty /nonexistent/shop.m27", 1,
       "注意: 打开文件失败\n/nonexistent/shop.m27\n"},
      // Checked once the port is open, yet before anything is sent.
      {"write --port " + logging.device() + " " + unsendable, 1,
       "注意: 第3信道频率输入错误，请重新输入\n"},
      {"write --port /nonexistent/tty " + cut, 1,
       "注意: 打开文件失败\n" + cut.toStdString() + "\n文件不完整：只读到131行\n"},
      {"id write --port /nonexistent/tty --start 4294967296", 1, "注意: ID 输入错误，请重新输入\n"},
      {"rssi adjust --port /nonexistent/tty 42 256", 1, "注意: RSSI 输入错误，请重新输入\n"},
      {"erase", 2, "m27: unknown command erase\ntry 'm27 --help'\n"},
      {"csv export a.m27", 2, "m27: csv: needs IN.m27 and OUT.csv\ntry 'm27 --help'\n"},
  };
  for (const auto& c : kCases) expect_start(m27(c.command.split(' ')), c.status, c.err_start);
  logging.stop();
  EXPECT_FALSE(logging.log().contains("<-"));
  const QString com1 = "com1=" + radio.device();
  const std::string listed = "com1  " + radio.device().toStdString();
  EXPECT_TRUE(m27({"--port", com1, "ports"}).out.starts_with(listed + "  busy\n"));
  holder.terminate();
  EXPECT_TRUE(holder.waitForFinished(kHardLimitMs));
  EXPECT_TRUE(m27({"--port", com1, "ports"}).out.starts_with(listed + "\n"));
}

TEST(CliUsage, HelpVersionAndTheBundledRadio) {
  const Outcome help = m27({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("m27 id write --port /dev/ttyUSB0 --start 100 --count 50"),
            std::string::npos);
  const Outcome id_help = m27({"id", "--help"});
  EXPECT_EQ(id_help.status, 0);
  EXPECT_TRUE(id_help.out.starts_with("usage: m27 id read"));
  expect(m27({"--version"}), 0, "", "m27 " M27_VERSION "\n");
  expect(m27({"id", "read", "--fake-radio"}), 0, "读取 OK\n", "12345678\n");
}

}  // namespace
}  // namespace m27
