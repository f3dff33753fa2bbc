// The m27 program on the command line against m27-fake-radio over a pseudo-terminal: what it
// prints, in which order, with which exit status, and what the radio and the files hold after.
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
    ASSERT_FALSE(radio.device().isEmpty());
    expect(m27({"write", "--port", radio.device(), written}), 0, "写频完成: 写频完成\n");
    // The same radio as port 5 of the map this time.
    expect(m27({"--port", "com5=" + radio.device(), "read", "--port", "com5", read}), 0,
           "读频完成: 读写完成\n");
    EXPECT_EQ(file_bytes(read), file_bytes(written));
    radio.stop();
    const auto memory = radio.memory();
    ASSERT_TRUE(memory);
    EXPECT_EQ(memory->options, *encode_options(sheet));
    for (int i = 0; i < kRows; ++i) EXPECT_EQ(memory->channels[i], *encode_channel(sheet, i)) << i;
    if (options[0] == "--log") {
      EXPECT_TRUE(radio.log().contains("<- 45 00 45")) << "the write ends with the end packet";
    }
  }
  FakeRadioProcess radio;
  const Outcome unsaved = m27({"read", "--port", radio.device(), "/nonexistent/shop.m27"});
  EXPECT_EQ(unsaved.status, 1);
  EXPECT_EQ(unsaved.err.rfind("读频完成: 读写完成\n注意: 保存文件失败\n/nonexistent/shop.m27\n", 0),
            0u)
      << unsaved.err;
}

// The start-up sheet with one change saved, then cut to its first `lines` lines.
QString bad_file(const QTemporaryDir& dir, void (*change)(Sheet&), int lines) {
  Sheet sheet = startup_sheet();
  change(sheet);
  const QString file = saved(dir, "bad.m27", sheet);
  const std::string bytes = file_bytes(file);
  std::size_t end = 0;
  for (int i = 0; i < lines; ++i) end = bytes.find("\r\n", end) + 2;
  write_file(file, bytes.substr(0, end));
  return file;
}

TEST(CliTransfer, WriteRefusesEachKindOfBadFileBeforeSendingAnything) {
  struct Case {
    const char* name;
    void (*change)(Sheet&);
    int lines;
    std::string err;  // "FILE" stands for the file's path
  };
  const Case kCases[] = {
      {"receive frequency below the band", [](Sheet& s) { s.rows[2].rx_frequency = "399.95000"; },
       132, "注意: 第3信道频率输入错误，请重新输入\n"},
      {"channel total", [](Sheet& s) { s.channel_total = "30"; }, 132,
       "注意: 信道总数输入错误，请重新输入\n"},
      {"131 lines", [](Sheet&) {}, 131, "注意: 打开文件失败\nFILE\n文件不完整：只读到131行\n"},
  };
  for (const auto& c : kCases) {
    QTemporaryDir dir;
    const QString file = bad_file(dir, c.change, c.lines);
    std::string err = c.err;
    if (const auto at = err.find("FILE"); at != std::string::npos) {
      err.replace(at, 4, file.toStdString());
    }
    FakeRadioProcess radio({QStringLiteral("--log")});
    expect(m27({"write", "--port", radio.device(), file}), 1, err);
    radio.stop();
    EXPECT_FALSE(radio.log().contains("<-")) << c.name;
  }
}

// A read traced: each request on a line of its own, in order, and between two requests exactly
// the bytes of one reply, however they arrived.
TEST(CliTransfer, ATraceOfAReadHoldsThe26RequestsAndThe26Replies) {
  QTemporaryDir dir;
  const QString trace = dir.filePath(QStringLiteral("trace.txt"));
  FakeRadioProcess radio;
  expect(m27({"--trace", trace, "read", "--port", radio.device(), dir.filePath("read.m27")}), 0,
         "读频完成: 读写完成\n");
  QStringList requests;
  QList<QByteArray> replies;
  double last_ms = 0;
  static const QRegularExpression kLine(
      QStringLiteral("^(\\d+\\.\\d{3}) ([<>])((?: [0-9A-F]{2})+)$"));
  for (const QString& line :
       QString::fromStdString(file_bytes(trace)).split('\n', Qt::SkipEmptyParts)) {
    const auto match = kLine.match(line);
    ASSERT_TRUE(match.hasMatch()) << line.toStdString();
    EXPECT_GE(match.captured(1).toDouble(), last_ms);
    last_ms = match.captured(1).toDouble();
    if (match.captured(2) == QLatin1String(">")) {
      requests << match.captured(3).trimmed();
      replies << QByteArray();
    } else {
      ASSERT_FALSE(replies.isEmpty()) << "a reply before any request";
      replies.back() += QByteArray::fromHex(match.captured(3).toLatin1());
    }
  }
  QStringList expected{"53 03 00 00 04 5A"};
  for (int row = 0; row < kRows; ++row) {
    expected << QStringLiteral("52 03 %1 00 05 %2")
                    .arg(row, 2, 16, QLatin1Char('0'))
                    .arg(0x5A + row, 2, 16, QLatin1Char('0'))
                    .toUpper();
  }
  EXPECT_EQ(requests, expected);
  for (const QByteArray& reply : replies) {
    ASSERT_GE(reply.size(), 3);
    EXPECT_EQ(reply.size(), 3 + static_cast<unsigned char>(reply[1]))
        << reply.toHex(' ').toStdString();
  }
}

// Export then import into the same file gives it back byte for byte, in both layouts (both
// modes, the CSV's own tests); a refused import names the place and leaves its output as it was.
TEST(CliCsv, ExportThenImportGivesBackTheFileAndARefusalChangesNothing) {
  QTemporaryDir dir;
  Sheet sheet = testing::varied_sheet();
  const QString original = saved(dir, "pro.m27", sheet);
  for (const char* layout : {"grid", "generic"}) {
    const QString csv = dir.filePath(QStringLiteral("out.csv"));
    const QString back = dir.filePath(QStringLiteral("back.m27"));
    expect(m27({"csv", "export", "--layout", layout, original, csv}), 0, "");
    expect(m27({"csv", "import", "--into", original, csv, back}), 0, "");
    EXPECT_EQ(file_bytes(back), file_bytes(original)) << layout;
  }
  const QString bad = dir.filePath(QStringLiteral("bad.csv"));
  write_file(bad,
             "信道,接收频率,接收亚音,发射频率,发射亚音,带宽\r\n1,450,OFF,450,OFF,宽带\r\n"
             "2,500,OFF,450,OFF,宽带\r\n");
  const QString out = dir.filePath(QStringLiteral("pro.m27"));
  const std::string before = file_bytes(out);
  expect(m27({"csv", "import", bad, out}), 1,
         "注意: 导入CSV失败\n" + bad.toStdString() +
             "\n第3行第2列（接收频率）：“500”不在400～490 MHz之内\n");
  EXPECT_EQ(file_bytes(out), before);
}

// A radio falling silent halfway and one echoing each request, on a read into a file that
// exists: the messages in order, and the file as it was or complete. (How each fault of the
// radio ends a transfer, the link's own tests show in virtual time.)
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
  expect(m27({"read", "--port", radio.device(), file}), c.status, c.err);
  if (c.status != 0) {
    EXPECT_EQ(file_bytes(file), kOldFile) << "a failed read never touches the file";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"shop.m27"}) << "nor beside it";
  } else {
    EXPECT_EQ(QByteArray::fromStdString(file_bytes(file)).count("\r\n"), 132);
  }
}

const ReadFault kReadFaults[] = {
    {"SilentAfterTenChannels", "silent-after=11", 1, kNoAnswer + "读频出错: 读频出错\n"},
    {"EchoIsDiscarded", "echo", 0, "读频完成: 读写完成\n"},
};
INSTANTIATE_TEST_SUITE_P(Faults, CliReadFault, ::testing::ValuesIn(kReadFaults),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CliBackup, EveryCompleteReadLeavesOneBackupOfTheSavedFile) {
  QTemporaryDir home;
  const QDir backups(home.filePath(QStringLiteral("m27/backups")));
  const QString file = home.filePath(QStringLiteral("shop.m27"));
  FakeRadioProcess radio;
  expect(m27({"read", "--port", radio.device(), file}, {}, home.path()), 0, "读频完成: 读写完成\n");
  const QStringList kept = backups.entryList(QDir::Files);
  ASSERT_EQ(kept.size(), 1);
  EXPECT_TRUE(is_backup_name(kept[0].toStdString())) << kept[0].toStdString();
  EXPECT_EQ(file_bytes(backups.filePath(kept[0])), file_bytes(file));

  expect(m27({"read", "--no-backup", "--port", radio.device(), file}, {}, home.path()), 0,
         "读频完成: 读写完成\n");
  FakeRadioProcess silent({QStringLiteral("--fault"), QStringLiteral("silent-after=5")});
  EXPECT_EQ(m27({"read", "--port", silent.device(), file}, {}, home.path()).status, 1);
  EXPECT_EQ(backups.entryList(QDir::Files), kept);

  // A data folder that cannot hold one: the read is good all the same.
  const QString not_a_folder = home.filePath(QStringLiteral("shop.m27"));
  const Outcome unbacked = m27({"read", "--port", radio.device(), file}, {}, not_a_folder);
  EXPECT_EQ(unbacked.status, 0);
  EXPECT_EQ(unbacked.err.rfind("读频完成: 读写完成\n注意: 备份失败\n" + not_a_folder.toStdString() +
                                   "/m27/backups\n",
                               0),
            0u)
      << unbacked.err;
}

TEST(CliVerify, AWriteThatIsNotKeptIsNamedByWriteVerifyAndVerify) {
  QTemporaryDir dir;
  Sheet sheet = startup_sheet();
  const QString file = saved(dir, "shop.m27", sheet);
  const std::string kRow3 = "3 接收频率 451.12500 451.13125\n";
  const std::string kWritten = "写频完成: 写频完成\n读频完成: 读写完成\n";
  FakeRadioProcess spoiling({QStringLiteral("--fault"), QStringLiteral("store-wrong=2")});
  expect(m27({"write", "--verify", "--port", spoiling.device(), file}), 3,
         kWritten + "校验: 校验不一致\n", kRow3);
  expect(m27({"verify", "--port", spoiling.device(), file}), 3,
         "读频完成: 读写完成\n校验: 校验不一致\n", kRow3);

  FakeRadioProcess radio;
  expect(m27({"write", "--port", radio.device(), file, "--verify"}), 0,
         kWritten + "校验: 校验通过\n");
  expect(m27({"verify", "--port", radio.device(), file}), 0,
         "读频完成: 读写完成\n校验: 校验通过\n");

  // The option, 25 channels and the end packet go through; the read-back finds no radio.
  FakeRadioProcess tiring({QStringLiteral("--fault"), QStringLiteral("silent-after=27")});
  expect(m27({"write", "--verify", "--port", tiring.device(), file}), 1,
         "写频完成: 写频完成\n" + kNoAnswer + "校验: 写频已完成，但读回对讲机失败，未能校验\n");
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

// A monitor until its third packet; then `sig`.
QProcess* monitor_until(QProcess& monitor, const QString& device, QByteArray& out) {
  start_m27(monitor, {"monitor", "rssi", "--port", device});
  if (!monitor.waitForStarted()) return nullptr;
  while (out.count('\n') < 3 && monitor.waitForReadyRead(kHardLimitMs)) {
    out += monitor.readAllStandardOutput();
  }
  return &monitor;
}

// A stream still running would answer the ID read with a monitor packet.
void expect_radio_silent(const FakeRadioProcess& radio) {
  expect(m27({"id", "read", "--port", radio.device()}), 0, "读取 OK\n", "12345678\n");
}

TEST(CliMonitor, PrintsPacketsUntilEachStopSignalThenStopsTheRadio) {
  for (const int sig : {SIGINT, SIGTERM, SIGHUP}) {
    FakeRadioProcess radio({QStringLiteral("--log")});
    QProcess monitor;
    QByteArray out;
    ASSERT_TRUE(monitor_until(monitor, radio.device(), out)) << sig;
    ::kill(static_cast<pid_t>(monitor.processId()), sig);
    ASSERT_TRUE(monitor.waitForFinished(kHardLimitMs)) << sig;
    EXPECT_EQ(monitor.exitStatus(), QProcess::NormalExit) << sig;
    EXPECT_EQ(monitor.exitCode(), 0) << sig;
    EXPECT_EQ(monitor.readAllStandardError().toStdString(),
              "RSSI(Reg68) SNR(Reg102) AFC(Reg70) AudioLv(Reg74)\n")
        << sig;
    // Packets 0, 1, 2 of the radio's stream.
    EXPECT_TRUE(out.startsWith("40 300 5 9\n41 4396 65531 12\n42 8492 65521 15\n")) << out.data();
    expect_radio_silent(radio);
  }
}

TEST(CliMonitor, StopEndsAStreamAKilledMonitorLeft) {
  FakeRadioProcess radio;
  QProcess monitor;
  QByteArray out;
  ASSERT_TRUE(monitor_until(monitor, radio.device(), out));
  monitor.kill();
  ASSERT_TRUE(monitor.waitForFinished(kHardLimitMs));
  expect(m27({"monitor", "stop", "--port", radio.device()}), 0, "");
  expect_radio_silent(radio);
}

// The radio's end of the line goes away after its third request: the command names the port at
// once (no 5 s time-out and its message) and leaves the file as it was.
TEST(CliTransfer, ALostPortIsNamedAndTheFileStays) {
  QTemporaryDir dir;
  Sheet sheet = testing::varied_sheet();
  const QString file = saved(dir, "shop.m27", sheet);
  const std::string before = file_bytes(file);
  for (const char* command : {"read", "write"}) {
    FakeRadioProcess radio({"--fault", "vanish=3"});
    const std::string lost =
        "注意: 串口已断开，请检查数据线 (" + radio.device().toStdString() + ")\n";
    const Outcome r = m27({command, "--port", radio.device(), file});
    ASSERT_TRUE(r.exited) << command;
    EXPECT_EQ(r.status, 1) << command;
    EXPECT_EQ(r.err.rfind(lost, 0), 0u) << command << ": " << r.err;
    EXPECT_EQ(r.err.find(kNoAnswer), std::string::npos) << command;
    EXPECT_EQ(file_bytes(file), before) << command;
  }
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
      {"erase", 2, "m27: unknown command erase\ntry 'm27 --help'\n"},
      {"csv export a.m27", 2, "m27: csv: needs IN.m27 and OUT.csv\ntry 'm27 --help'\n"},
  };
  for (const auto& c : kCases) {
    const Outcome outcome = m27(c.command.split(QLatin1Char(' ')));
    ASSERT_TRUE(outcome.exited);
    EXPECT_EQ(outcome.status, c.status) << c.err_start;
    EXPECT_EQ(outcome.err.rfind(c.err_start, 0), 0u) << outcome.err;
    EXPECT_EQ(outcome.err.find("cannot open", c.err_start.size()), std::string::npos);
    EXPECT_EQ(outcome.out, "");
  }
  const QString com1 = "com1=" + radio.device();
  const std::string listed = "com1  " + radio.device().toStdString();
  EXPECT_EQ(m27({"--port", com1, "ports"}).out.rfind(listed + "  busy\n", 0), 0u);
  holder.terminate();
  EXPECT_TRUE(holder.waitForFinished(kHardLimitMs));
  EXPECT_EQ(m27({"--port", com1, "ports"}).out.rfind(listed + "\n", 0), 0u);
}

TEST(CliUsage, HelpAndTheBundledRadio) {
  const Outcome help = m27({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("m27 id write --port /dev/ttyUSB0 --start 100 --count 50"),
            std::string::npos);
  const Outcome id_help = m27({"id", "--help"});
  EXPECT_EQ(id_help.status, 0);
  EXPECT_EQ(id_help.out.rfind("usage: m27 id read", 0), 0u);
  expect(m27({"--version"}), 0, "", "m27 " M27_VERSION "\n");
  const Outcome bundled = m27({"id", "read", "--fake-radio"});
  EXPECT_EQ(bundled.status, 0);
  EXPECT_EQ(bundled.out, "12345678\n");
}

}  // namespace
}  // namespace m27
