// SPDX-License-Identifier: GPL-3.0-or-later
// The m27 program on the command line against m27-fake-radio over a pseudo-terminal, and the
// fake radio's own command line: what only the real program shows — its exit status, exactly what
// it prints, the files it leaves and what the radio holds after. How each fault of the radio ends
// an exchange, the link's own tests show in virtual time; here one silent and one echoing radio
// stand for them. Every run has a generous hard limit, so a hang fails the test; no test asserts a
// time.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>
#include <list>
#include <map>
#include <memory>
#include <tuple>

#include "channels/codec.h"
#include "files/backup_store.h"
#include "files/file_commands.h"
#include "support/fake_radio_process.h"
#include "support/varied_sheet.h"
#include "version.h"

namespace m27 {
namespace {

using testing::FakeRadioProcess;

constexpr int kHardLimitMs = 60'000;  // the slowest run (a silent radio) ends in 5 s
const std::string kNoAnswer = "通讯失败，请检查对讲机是否进入写频模式\n";
const std::string kRead = "读频完成: 读写完成\n";
const std::string kWritten = "写频完成: 写频完成\n";
const std::string kTrySeriesHelp = "try 'm27 series --help'\n";

// The user data folder of every run that names none, so that no backup lands in the home folder.
QString shared_data_home() {
  static const QTemporaryDir dir;
  return dir.path();
}

// m27 started in `folder` with `args`, without a display, its user data in `data_home`, its texts
// as written (LANG=C.UTF-8) unless `locale` sets other variables ("LANGUAGE=en").
void start_m27(QProcess& process, const QStringList& args, const QString& folder = {},
               const QString& data_home = shared_data_home(), const QStringList& locale = {}) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove(QStringLiteral("DISPLAY"));
  environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
  environment.insert(QStringLiteral("XDG_DATA_HOME"), data_home);
  for (const char* name : {"LC_ALL", "LANGUAGE", "LC_MESSAGES"}) environment.remove(name);
  environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
  for (const QString& variable : locale) {
    environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
  }
  process.setProcessEnvironment(environment);
  process.setWorkingDirectory(folder);
  process.start(QStringLiteral(M27_PATH), args);
}

struct Outcome {
  bool exited = false;  // ended by itself within the hard limit
  int status = -1;
  std::string out;
  std::string err;
};

// Runs m27 with `args` in `folder` (its user data there too), `input` on its standard input, and
// waits for its end.
Outcome m27(const QStringList& args, const QString& folder = {}, const QByteArray& input = {},
            QString data_home = {}) {
  QProcess process;
  if (data_home.isEmpty()) data_home = folder.isEmpty() ? shared_data_home() : folder;
  start_m27(process, args, folder, data_home);
  process.write(input);  // kept until the program has started
  process.closeWriteChannel();
  const bool ended = process.waitForFinished(kHardLimitMs);
  if (!ended) process.kill();
  process.waitForFinished();
  return {ended && process.exitStatus() == QProcess::NormalExit, process.exitCode(),
          process.readAllStandardOutput().toStdString(),
          process.readAllStandardError().toStdString()};
}

// `err` is all the program says on its standard error; a "…" at its end stands for one line in
// the system's own words (why a file or a folder could not be used).
void expect(const Outcome& outcome, int status, const std::string& err,
            const std::string& out = "") {
  ASSERT_TRUE(outcome.exited) << err;
  EXPECT_EQ(outcome.status, status) << err;
  EXPECT_EQ(outcome.out, out) << err;
  const auto reason = err.ends_with("…") ? err.rfind("…") : std::string::npos;
  EXPECT_TRUE(reason == std::string::npos
                  ? outcome.err == err
                  : outcome.err.starts_with(err.substr(0, reason)) &&
                        std::count(outcome.err.begin() + reason, outcome.err.end(), '\n') == 1)
      << outcome.err;
}

// A run of m27 in a folder: its words separated by blanks, RADIO standing for the radio's device
// (in the messages too), and how it must end.
struct Run {
  const char* radio;  // the options of a new radio to run against; nullptr: the one before
  QString command;
  int status;
  std::string err;
  std::string out = "";
  QByteArray input = {};
};

// Runs each of `runs` in turn in `folder`; gives the radio of the last one.
std::unique_ptr<FakeRadioProcess> expect_runs(const QString& folder,
                                              std::initializer_list<Run> runs) {
  std::unique_ptr<FakeRadioProcess> radio;
  for (const Run& run : runs) {
    if (run.radio) {
      radio = std::make_unique<FakeRadioProcess>(
          QString::fromLatin1(run.radio).split(' ', Qt::SkipEmptyParts));
    }
    const QString device = radio ? radio->device() : QString();
    SCOPED_TRACE(run.command.toStdString());
    expect(m27(QString(run.command).replace("RADIO", device).split(' '), folder, run.input),
           run.status, QString::fromStdString(run.err).replace("RADIO", device).toStdString(),
           run.out);
  }
  return radio;
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

// The sheet saved as `name` in `dir`, as the save command leaves it.
QString saved(const QTemporaryDir& dir, const char* name, Sheet& sheet) {
  const QString file = dir.filePath(QString::fromLatin1(name));
  EXPECT_FALSE(save_channel_file(sheet, QFile::encodeName(file).toStdString()));
  return file;
}

// A write, then a read through port 5 of the map in a folder of its own: the same file comes
// back and the radio holds the sheet. The read leaves one backup of what it saved and a trace of
// each request on a line of its own, in order, and every byte of the replies: the option reply
// of 6 bytes and 25 channel replies of 10. The format of a trace line is the link's.
TEST(CliTransfer, WriteThenReadGivesBackTheSameFileABackupAndATrace) {
  QTemporaryDir dir;
  Sheet sheet = testing::varied_sheet();
  const QString written = saved(dir, "written.m27", sheet);
  FakeRadioProcess radio({"--log"});
  expect(m27({"write", "--port", radio.device(), written}), 0, kWritten);
  expect(m27({"--trace", "trace.txt", "--port", "com5=" + radio.device(), "read", "--port", "com5",
              "read.m27"},
             dir.path()),
         0, kRead);
  EXPECT_EQ(file_bytes(dir.filePath("read.m27")), file_bytes(written));
  const QDir backups(dir.filePath(QStringLiteral("m27/backups")));
  const QStringList kept = backups.entryList(QDir::Files);
  ASSERT_EQ(kept.size(), 1);
  EXPECT_TRUE(is_backup_name(kept[0].toStdString())) << kept[0].toStdString();
  EXPECT_EQ(file_bytes(backups.filePath(kept[0])), file_bytes(written));
  const auto memory = radio.memory();
  ASSERT_TRUE(memory);
  EXPECT_EQ(memory->options, *encode_options(sheet));
  for (int i = 0; i < kRows; ++i) EXPECT_EQ(memory->channels[i], *encode_channel(sheet, i)) << i;
  EXPECT_TRUE(radio.log().contains("<- 45 00 45")) << "the write ends with the end packet";
  QStringList expected{"53 03 00 00 04 5A"};
  for (int row = 0; row < kRows; ++row) {
    expected << QString::asprintf("52 03 %02X 00 05 %02X", row, 0x5A + row);
  }
  QStringList requests;
  qsizetype received = 0;
  static const QRegularExpression kLine(QStringLiteral("^[\\d.]+ ([<>]) (.*)$"),
                                        QRegularExpression::MultilineOption);
  for (const auto& match :
       kLine.globalMatch(QString::fromStdString(file_bytes(dir.filePath("trace.txt"))))) {
    if (match.captured(1) == QLatin1String(">")) requests << match.captured(2);
    if (match.captured(1) == QLatin1String("<")) received += (match.captured(2).size() + 1) / 3;
  }
  EXPECT_EQ(requests, expected);
  EXPECT_EQ(received, 6 + 25 * 10);
  // A file that cannot be saved, and a data folder that cannot hold a backup (a file): the read
  // is good all the same.
  const auto again = expect_runs({}, {{"", "read --port RADIO /nonexistent/shop.m27", 1,
                                       kRead + "注意: 保存文件失败\n/nonexistent/shop.m27\n…"}});
  expect(m27({"read", "--port", again->device(), dir.filePath("again.m27")}, {}, {}, written), 0,
         kRead + "注意: 备份失败\n" + written.toStdString() + "/m27/backups\n…");
}

// Export then import into the same file gives it back byte for byte, in both layouts; a refused
// import names the place and leaves its output as it was.
TEST(CliCsv, ExportThenImportGivesBackTheFileAndARefusalChangesNothing) {
  QTemporaryDir dir;
  Sheet sheet = testing::varied_sheet();
  const QString original = saved(dir, "pro.m27", sheet);
  write_file(dir.filePath("bad.csv"),
             "信道,接收频率,接收亚音,发射频率,发射亚音,带宽\r\n1,450,OFF,450,OFF,宽带\r\n"
             "2,500,OFF,450,OFF,宽带\r\n");
  expect_runs(
      dir.path(),
      {{nullptr, "csv export pro.m27 grid.csv", 0, ""},
       {nullptr, "csv import --into pro.m27 grid.csv grid.m27", 0, ""},
       {nullptr, "csv export --layout generic pro.m27 generic.csv", 0, ""},
       {nullptr, "csv import --into pro.m27 generic.csv generic.m27", 0, ""},
       {nullptr, "csv import bad.csv pro.m27", 1,
        "注意: 导入CSV失败\nbad.csv\n第3行第2列（接收频率）：“500”不在400～490 MHz之内\n"}});
  for (const char* back : {"grid.m27", "generic.m27"}) {
    EXPECT_EQ(file_bytes(dir.filePath(back)), file_bytes(original)) << back;
  }
}

// A list longer than 25 rows is refused naming --rows, which takes a part of it (the channel
// total following it); --skip-unfit names each row it leaves out.
TEST(CliCsv, TakesARangeOfALongListAndLeavesOutRowsTheRadioCannotHold) {
  QTemporaryDir dir;
  for (const QString name : {"frs-gmrs-52.csv", "mixed-band.csv"}) {
    ASSERT_TRUE(QFile::copy(M27_CSV_SEEDS "/" + name, dir.filePath(name)));
  }
  expect_runs(
      dir.path(),
      {{nullptr, "csv import frs-gmrs-52.csv frs.m27", 1,
        "注意: 导入CSV失败\nfrs-gmrs-52.csv\n第27行：信道多于25个（文件中有52个），可用--rows "
        "FIRST..LAST选取其中至多25个\n"},
       {nullptr, "csv import --rows 1..22 frs-gmrs-52.csv frs.m27", 0, ""},
       {nullptr, "csv import --skip-unfit --rows 1..5 mixed-band.csv mixed.m27", 0,
        "跳过第1个：Frequency“146.52000”不在400～490 MHz之内\n"
        "跳过第3个：Frequency“162.55000”不在400～490 MHz之内\n"
        "跳过第4个：Frequency“121.50000”不在400～490 MHz之内\n"
        "跳过第5个：rToneFreq“69.3”不是普通模式的亚音\n"}});
  Sheet frs = startup_sheet();
  EXPECT_FALSE(
      open_channel_file(frs, QFile::encodeName(dir.filePath("frs.m27")).toStdString()).refusal);
  EXPECT_EQ(frs.channel_total + " " + frs.rows[21].rx_frequency, "22 462.72500");
}

// A radio falling silent halfway, one whose end of the line goes away after its third request
// (named at once: no 5 s time-out; a write ends the same way) and one echoing each request, on
// files that exist: the messages in order; a failed exchange leaves its file as it was, nothing
// beside it and no backup; a read through the echo is complete and, with --no-backup, leaves no
// backup either.
TEST(CliTransfer, AFailedExchangeLeavesTheFileAsItWas) {
  QTemporaryDir dir;
  const std::string kOldFile = "what the dealer saved last week\r\n";
  write_file(dir.filePath("silent.m27"), kOldFile);
  write_file(dir.filePath("echo.m27"), kOldFile);
  Sheet sheet = testing::varied_sheet();
  const std::string shop = file_bytes(saved(dir, "shop.m27", sheet));
  const std::string kLost = "注意: 串口已断开，请检查数据线 (RADIO)\n";
  expect_runs(dir.path(), {{"--fault silent-after=11", "read --port RADIO silent.m27", 1,
                            kNoAnswer + "读频出错: 读频出错\n"},
                           {"--fault vanish=3", "read --port RADIO shop.m27", 1, kLost},
                           {"--fault echo", "read --no-backup --port RADIO echo.m27", 0, kRead}});
  EXPECT_EQ(file_bytes(dir.filePath("silent.m27")), kOldFile);
  EXPECT_EQ(file_bytes(dir.filePath("shop.m27")), shop);
  EXPECT_EQ(QByteArray::fromStdString(file_bytes(dir.filePath("echo.m27"))).count("\r\n"), 132);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
            QStringList({"echo.m27", "shop.m27", "silent.m27"}));
}

// A write that is not kept, named by write --verify and verify; diff names what differs.
TEST(CliVerify, AWriteThatIsNotKeptIsNamedByWriteVerifyVerifyAndDiff) {
  QTemporaryDir dir;
  Sheet sheet = startup_sheet();
  saved(dir, "shop.m27", sheet);
  sheet.rows[0].rx_tone = "67.0";
  sheet.fsk = "开";
  saved(dir, "b.m27", sheet);
  const std::string kRow3 = "3 接收频率 451.12500 451.13125\n";
  expect_runs(
      dir.path(),
      {{"--fault store-wrong=2", "write --verify --port RADIO shop.m27", 3,
        kWritten + kRead + "校验: 校验不一致\n", kRow3},
       {nullptr, "verify --port RADIO shop.m27", 3, kRead + "校验: 校验不一致\n", kRow3},
       {"", "write --port RADIO shop.m27 --verify", 0, kWritten + kRead + "校验: 校验通过\n"},
       {nullptr, "verify --port RADIO shop.m27", 0, kRead + "校验: 校验通过\n"},
       // The option, 25 channels and the end packet go through; the read-back does not.
       {"--fault silent-after=27", "write --verify --port RADIO shop.m27", 1,
        kWritten + kNoAnswer + "校验: 写频已完成，但读回对讲机失败，未能校验\n"},
       {nullptr, "diff shop.m27 shop.m27", 0, ""},
       {nullptr, "diff shop.m27 b.m27", 3, "", "FSK 关 开\n1 接收亚音 OFF 67.0\n"},
       {nullptr, "diff shop.m27 none.m27", 1, "注意: 找不到文件：none.m27\n"}});
}

// The reads show what the writes left; a silent radio fails the series.
TEST(CliService, ReadsAndWritesTheIdAndTheRssiLevels) {
  expect_runs(
      {}, {{"", "id write --port RADIO --start 100 --count 2", 0,
            "Connect the next radio and press Enter to write ID 101 (Ctrl-D ends the series).\n",
            "ID 100 成功数 1\nID 101 成功数 2\n", "\n"},
           // A series stops at the end of its input.
           {nullptr, "id write --port RADIO --start 7 --count 5", 0,
            "Connect the next radio and press Enter to write ID 8 (Ctrl-D ends the series).\n",
            "ID 7 成功数 1\n"},
           {nullptr, "id read --port RADIO", 0, "读取 OK\n", "7\n"},
           {nullptr, "rssi adjust --port RADIO 50 60", 0, "调整: OK\n"},
           {nullptr, "rssi read --port RADIO", 0, "读取 OK\n", "50 60\n"},
           {"--fault silent", "id write --port RADIO --start 100", 1, "写ID 通讯失败\n"}});
}

// Each command stopped by each signal while the radio leaves its last request unanswered: the
// exchange in flight ends (here by its time-out, not repeated), nothing more is sent, the command
// says what it stopped and exits 128 + the signal; a read leaves no file and no backup.
TEST(CliStop, EachSignalEndsACommandAfterTheExchangeInFlight) {
  QTemporaryDir dir;
  Sheet sheet = startup_sheet();
  saved(dir, "shop.m27", sheet);
  struct Case {
    const char* command;
    int answered;  // requests; the next one is in flight as the signal comes
    std::string err;
  };
  const Case kCases[] = {
      {"read --port RADIO read.m27", 3, "读频已中断\n"},
      {"write --port RADIO shop.m27", 3, "写频已中断：对讲机中的数据可能不完整，请重新写频\n"},
      {"verify --port RADIO shop.m27", 3, "校验已中断\n"},
      {"id read --port RADIO", 0, "读ID已中断\n"},
      {"rssi adjust --port RADIO 42 40", 0, "调整RSSI已中断\n"},
  };
  struct Run {
    Run(const Case& c, int signal)
        : c(c),
          signal(signal),
          radio({"--log", "--fault", "silent-after=" + QString::number(c.answered)}) {}
    qsizetype requests() const { return radio.log().count("<- "); }
    const Case& c;
    int signal;
    FakeRadioProcess radio;
    QProcess m27;
  };
  std::list<Run> runs;  // side by side
  for (const Case& c : kCases) {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
      Run& run = runs.emplace_back(c, signal);
      start_m27(run.m27, QString(c.command).replace("RADIO", run.radio.device()).split(' '),
                dir.path(), dir.path());
      for (QDeadlineTimer limit(kHardLimitMs); run.requests() <= c.answered;) {
        ASSERT_FALSE(limit.hasExpired()) << c.command;
        QThread::msleep(10);
      }
      ::kill(static_cast<pid_t>(run.m27.processId()), signal);
    }
  }
  for (Run& run : runs) {
    SCOPED_TRACE(std::string(run.c.command) + ", signal " + std::to_string(run.signal));
    ASSERT_TRUE(run.m27.waitForFinished(kHardLimitMs) &&
                run.m27.exitStatus() == QProcess::NormalExit);
    EXPECT_EQ(run.m27.exitCode(), 128 + run.signal);
    EXPECT_EQ(run.m27.readAllStandardError().toStdString(), run.c.err);
    run.radio.stop();
    EXPECT_EQ(run.requests(), run.c.answered + 1);
  }
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
            QStringList{"shop.m27"});
}

// Ctrl-C on a terminal signals the whole foreground process group: the bundled radio is not in
// it, so a read on it stops as on a real radio instead of losing its port.
TEST(CliStop, CtrlCOnTheTerminalLeavesTheBundledRadioToTheStop) {
  QTemporaryDir dir;
  QProcess m27;
  m27.setChildProcessModifier([] { setpgid(0, 0); });
  start_m27(m27, {"--fake-radio", "--trace", "trace.txt", "read", "read.m27"}, dir.path(),
            dir.path());
  QFile trace(dir.filePath("trace.txt"));
  for (QDeadlineTimer limit(kHardLimitMs);
       !(trace.open(QIODevice::ReadOnly) && trace.readAll().contains(" < "));) {
    trace.close();
    ASSERT_FALSE(limit.hasExpired());
    QThread::msleep(10);
  }
  ::kill(-static_cast<pid_t>(m27.processId()), SIGINT);
  ASSERT_TRUE(m27.waitForFinished(kHardLimitMs));
  EXPECT_EQ(m27.exitCode(), 128 + SIGINT);
  EXPECT_EQ(m27.readAllStandardError().toStdString(), "读频已中断\n");
  EXPECT_FALSE(QFile::exists(dir.filePath("read.m27")));
}

// A monitor of the RSSI stream until `signal` after its third packet: the header, the packets,
// exit 0; a killed one leaves the stream running for `monitor stop`. After each the radio is
// quiet again: a stream still running would answer the ID read with a monitor packet. With
// --csv the file holds the packets printed, timed from the start request.
TEST(CliMonitor, PrintsPacketsUntilEachStopSignalThenStopsTheRadio) {
  for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGKILL}) {
    SCOPED_TRACE(signal);
    FakeRadioProcess radio;
    QProcess monitor;
    QTemporaryDir dir;
    const QString csv = dir.filePath("samples.csv");
    start_m27(monitor, {"monitor", "rssi", "--port", radio.device(), "--csv", csv});
    QByteArray out;
    while (out.count('\n') < 3 && monitor.waitForReadyRead(kHardLimitMs)) {
      out += monitor.readAllStandardOutput();
    }
    // Packets 0, 1, 2 of the radio's stream: the AFC signed.
    ASSERT_TRUE(out.startsWith("40 300 5 9\n41 4396 -5 12\n42 8492 -15 15\n")) << out.data();
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
    if (signal == SIGKILL) continue;  // killed between a line printed and the same written
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    static const QRegularExpression kSamples(QStringLiteral(
        "^seconds,rssi,snr,afc,audio\r\n\\d+\\.\\d{3},40,300,5,9\r\n\\d+\\.\\d{3},41,4396,-5,12\r\n"
        "\\d+\\.\\d{3},42,8492,-15,15\r\n"));
    EXPECT_TRUE(kSamples.match(QString::fromUtf8(file.readAll())).hasMatch());
  }
}

// What m27 refuses before it reaches a radio, and the ports it cannot open.
TEST(CliRefusals, SayWhyAndExitWithTheirStatus) {
  QTemporaryDir dir;
  Sheet sheet = startup_sheet();
  sheet.rows[2].rx_frequency = "399.95000";  // below the band
  const std::string unsendable = file_bytes(saved(dir, "unsendable.m27", sheet));
  write_file(dir.filePath("cut.m27"),
             unsendable.substr(0, unsendable.rfind("\r\n", unsendable.size() - 3) + 2));
  FakeRadioProcess radio;
  const QString held = radio.device();
  QProcess holder;  // another m27 holds the radio's port
  start_m27(holder, {"monitor", "battery", "--port", held});
  ASSERT_TRUE(holder.waitForReadyRead(kHardLimitMs));  // its port is open
  const auto logging = expect_runs(
      dir.path(),
      {{nullptr, "id read --port /nonexistent/tty", 1, "m27: 串口不存在：/nonexistent/tty\n"},
       {nullptr, "id read --port com16", 1,
        "m27: 串口不存在：com16 (no device; --port com16=DEVICE before the command sets one)\n"},
       {nullptr, "id read --port " + held, 1, "m27: 串口已被占用：" + held.toStdString() + "\n"},
       {nullptr, "write --port /nonexistent/tty cut.m27", 1,
        "注意: 打开文件失败\ncut.m27\n文件不完整：只读到131行\n"},
       {nullptr, "id write --port /nonexistent/tty --start 4294967296", 1,
        "注意: ID 输入错误，请重新输入\n"},
       {nullptr, "rssi adjust --port /nonexistent/tty 42 256", 1,
        "注意: RSSI 输入错误，请重新输入\n"},
       {nullptr, "erase", 2, "m27: unknown command erase\ntry 'm27 --help'\n"},
       // Checked before the port is even opened.
       {"--log", "write --port RADIO unsendable.m27", 1, "注意: 第3信道频率输入错误，请重新输入\n"},
       // The port opens, the file does not: nothing is sent.
       {nullptr, "monitor rssi --port RADIO --csv /nonexistent/s.csv", 1,
        "m27: --csv /nonexistent/s.csv: …"}});
  logging->stop();
  EXPECT_FALSE(logging->log().contains("<-"));
  const std::string listed = "com1  " + held.toStdString();
  EXPECT_TRUE(m27({"--port", "com1=" + held, "ports"}).out.starts_with(listed + "  busy\n"));
  holder.terminate();
  EXPECT_TRUE(holder.waitForFinished(kHardLimitMs));
  EXPECT_TRUE(m27({"--port", "com1=" + held, "ports"}).out.starts_with(listed + "\n"));
}

// A channel file that cannot be opened, is not there or holds what the radio cannot take is
// refused in the language the environment or --language picks, and as written under the C locale.
TEST(CliLanguage, RefusesAChannelFileInTheChosenLanguage) {
  QTemporaryDir dir;
  write_file(dir.filePath("bad.m27"), "0\r\n12x\r\n");
  const std::string english = "Attention: Cannot open the file\nbad.m27\n";
  const std::string bad_line = "Line 2 (receive frequency): “12x” is not a valid frequency\n";
  struct Case {
    QStringList locale;
    QString command;
    std::string err;
  };
  const Case kCases[] = {
      {{},
       "csv export bad.m27 x.csv",
       "注意: 打开文件失败\nbad.m27\n第2行（接收频率）：“12x”不是有效的频率\n"},
      {{"LANGUAGE=en"}, "csv export bad.m27 x.csv", english + bad_line},
      {{"LANG=en_US.UTF-8"}, "diff bad.m27 bad.m27", english + bad_line},
      {{"LANG=zh_CN.UTF-8"},
       "--language en write --port /nonexistent/tty bad.m27",
       english + bad_line},
      {{"LANGUAGE=en", "LC_ALL=C"},
       "verify --port /nonexistent/tty bad.m27",
       "注意: 打开文件失败\nbad.m27\n第2行（接收频率）：“12x”不是有效的频率\n"},
      {{"LANGUAGE=en"}, "csv export missing.m27 x.csv", "Attention: File not found: missing.m27\n"},
      {{"LANGUAGE=zh_CN.UTF-8"},
       "verify --port /nonexistent/tty missing.m27",
       "注意: 找不到文件：missing.m27\n"},
      {{"LANGUAGE=en"},
       "write --port /nonexistent/tty cut.m27",
       "Attention: Cannot open the file\ncut.m27\nThe file is incomplete: only 1 line was read\n"},
      {{"LANGUAGE=en"},
       "write --port /nonexistent/tty unsendable.m27",
       "Attention: Channel 3: invalid frequency, please enter it again\n"},
      {{},
       "write --port /nonexistent/tty unsendable.m27",
       "注意: 第3信道频率输入错误，请重新输入\n"},
  };
  write_file(dir.filePath("cut.m27"), "0\r\n");
  Sheet sheet = startup_sheet();
  sheet.rows[2].rx_frequency = "399.95000";  // below the band
  saved(dir, "unsendable.m27", sheet);
  for (const Case& c : kCases) {
    QProcess process;
    start_m27(process, c.command.split(' '), dir.path(), dir.path(), c.locale);
    ASSERT_TRUE(process.waitForFinished(kHardLimitMs));
    expect({process.exitStatus() == QProcess::NormalExit, process.exitCode(),
            process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()},
           1, c.err);
  }
}

// What `m27 check` prints, the machine's own round trip as "N" and `device` as RADIO.
std::string check_output(const std::string& out, const QString& device) {
  static const QRegularExpression kRoundTrip(QStringLiteral("往返 \\d+ ms"));
  return QString::fromStdString(out)
      .replace(kRoundTrip, QStringLiteral("往返 N ms"))
      .replace(device, QStringLiteral("RADIO"))
      .toStdString();
}

const std::string kPortFine =
    "✓ 串口存在：RADIO\n✓ 有权限打开串口\n✓ 串口空闲\n✓ 串口已打开：9600,n,8,1\n";
const std::string kAnswered = "✓ 连接正常：对讲机ID 12345678，往返 N ms";

// Each radio on a port of its own, all checked side by side: the port's four steps, then what
// came back for the read-ID request.
TEST(CliCheck, TellsARadioFromAnEchoFromGarbageFromSilence) {
  const struct {
    const char* fault;
    int status;
    std::string last;
  } kCases[] = {
      {"", 0, kAnswered},
      {"echo", 0, kAnswered},  // the cable's echo first
      {"echo-only", 4,
       "✗ 只收到回显：数据线正常，但对讲机没有应答，请确认对讲机已开机、插头已插紧"},
      {"garbage", 4, "✗ 收到无法识别的数据：请确认数据线和对讲机是本机型的"},
      // a reply inside the settle window, which the link drops: no read would ever succeed
      {"early", 4, "✗ 对讲机应答太快（不到 20 ms），应答被丢弃：请换一台对讲机或数据线再试"},
      {"silent", 4, "✗ 对讲机没有应答：请确认对讲机已开机、数据线两端已插紧"},
  };
  std::vector<std::unique_ptr<FakeRadioProcess>> radios;
  std::vector<std::unique_ptr<QProcess>> checks;
  for (const auto& c : kCases) {
    radios.push_back(std::make_unique<FakeRadioProcess>(*c.fault ? QStringList{"--fault", c.fault}
                                                                 : QStringList{}));
    checks.push_back(std::make_unique<QProcess>());
    start_m27(*checks.back(), {"check", "--port", radios.back()->device()});
  }
  for (std::size_t i = 0; i < checks.size(); ++i) {
    SCOPED_TRACE(kCases[i].fault);
    ASSERT_TRUE(checks[i]->waitForFinished(kHardLimitMs));
    EXPECT_EQ(checks[i]->exitCode(), kCases[i].status);
    EXPECT_EQ(check_output(checks[i]->readAllStandardOutput().toStdString(), radios[i]->device()),
              kPortFine + kCases[i].last + "\n");
  }
}

// The first port step that fails ends the check: a device that is not there (the ports that are
// follow), a port that maps to nothing, a file (nothing is written to it), a port another
// program holds.
TEST(CliCheck, EndsAtThePortStepThatFailsAndNamesWhoHoldsThePort) {
  QTemporaryDir dir;
  write_file(dir.filePath("shop.m27"), "a file\r\n");
  FakeRadioProcess radio;
  QProcess holder;
  start_m27(holder, {"monitor", "battery", "--port", radio.device()});
  ASSERT_TRUE(holder.waitForReadyRead(kHardLimitMs));  // its port is open
  const std::string file = dir.filePath("shop.m27").toStdString();
  const struct {
    QString port;
    std::string first_line;  // then the ports that exist, --port com5=RADIO among them
  } kNoPorts[] = {{"/dev/m27-none", "✗ 串口不存在：/dev/m27-none"},
                  {"com16", "✗ 串口不存在：com16"},
                  {QString::fromStdString(file), "✗ 不是串口：" + file}};
  for (const auto& c : kNoPorts) {
    const Outcome refused = m27({"--port", "com5=" + radio.device(), "check", "--port", c.port});
    const std::string out = check_output(refused.out, radio.device());
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(out.starts_with(c.first_line + "\n  现有串口：\n")) << out;
    EXPECT_NE(out.find("\n  com5  RADIO\n"), std::string::npos);
  }
  EXPECT_EQ(file_bytes(dir.filePath("shop.m27")), "a file\r\n");
  const std::string device = radio.device().toStdString();
  expect(m27({"check", "--port", radio.device()}), 1, "",
         "✓ 串口存在：" + device + "\n✓ 有权限打开串口\n✗ 串口已被占用：" + device +
             "，被 m27 (PID " + std::to_string(holder.processId()) + ") 占用\n");
  expect(m27({"check", "--find", "--port", "com1"}), 2,
         "m27: check: --find searches every port; --port checks one\ntry 'm27 check --help'\n");
  holder.terminate();
  EXPECT_TRUE(holder.waitForFinished(kHardLimitMs));
}

// --find checks every port a --port comN=DEV maps (and each programming cable) at once: one
// radio is named and exit 0; two, exit 3. The machine's own other ports are passed over.
TEST(CliCheck, FindsThePortTheRadioIsOn) {
  FakeRadioProcess first;
  FakeRadioProcess second;
  FakeRadioProcess off({"--fault", "echo-only"});
  const auto found = [](const FakeRadioProcess& com1, const FakeRadioProcess& com2) {
    const Outcome outcome = m27(
        {"--port", "com1=" + com1.device(), "--port", "com2=" + com2.device(), "check", "--find"});
    static const QRegularExpression kPassedOver(QStringLiteral(".*：未检测：不是常见的写频线\n"));
    return std::to_string(outcome.status) + "\n" +
           QString::fromStdString(
               check_output(check_output(outcome.out, com1.device()), com2.device()))
               .remove(kPassedOver)
               .toStdString();
  };
  const std::string kOff =
      "✗ 只收到回显：数据线正常，但对讲机没有应答，请确认对讲机已开机、插头已插紧";
  EXPECT_EQ(found(first, second), "3\ncom1 (RADIO)：" + kAnswered + "\ncom2 (RADIO)：" + kAnswered +
                                      "\n对讲机在 com1 (RADIO)\n对讲机在 com2 (RADIO)\n");
  EXPECT_EQ(found(off, first), "0\ncom1 (RADIO)：" + kOff + "\ncom2 (RADIO)：" + kAnswered +
                                   "\n对讲机在 com2 (RADIO)\n");
}

// The help names every option and command, and an example of the ID series; the bundled radio
// answers, also through a trace that fails.
TEST(CliUsage, HelpVersionAndTheBundledRadio) {
  const Outcome help = m27({"--help"});
  EXPECT_EQ(help.status, 0);
  for (const char* word : {"--port comN=DEVICE", "--fake-radio", "--help", "--trace FILE",
                           "--version", "read", "write", "id", "monitor", "rssi", "csv", "ports",
                           "m27 id write --port /dev/ttyUSB0 --start 100 --count 50"}) {
    EXPECT_NE(help.out.find(word), std::string::npos) << word;
  }
  EXPECT_TRUE(m27({"id", "--help"}).out.starts_with("usage: m27 id read"));
  // On a Chinese desktop the help and a usage error are Chinese, the error naming its command's
  // help; the window's saved English plays no part.
  QTemporaryDir config;
  QDir(config.path()).mkpath(QStringLiteral("m27"));
  write_file(config.filePath(QStringLiteral("m27/m27.ini")), "[General]\nlanguage=en\n");
  for (const auto& [args, status, out, err] :
       {std::tuple{QStringList{"--help"}, 0, "用法：m27 [--port comN=DEVICE]", ""},
        std::tuple{QStringList{"diff", "a.m27"}, 2, "",
                   "m27: diff: 需要两个文件，A 和 B\n用法见 'm27 diff --help'\n"}}) {
    QProcess process;
    start_m27(process, args, {}, shared_data_home(),
              {"LANGUAGE=zh_CN", "LANG=en_US.UTF-8", "XDG_CONFIG_HOME=" + config.path()});
    ASSERT_TRUE(process.waitForFinished(kHardLimitMs));
    EXPECT_EQ(process.exitCode(), status);
    EXPECT_TRUE(process.readAllStandardOutput().startsWith(out));
    EXPECT_EQ(process.readAllStandardError().toStdString(), err);
  }
  expect_runs({},
              {{nullptr, "--version", 0, "", std::string("m27 ") + kVersion + "\n"},
               {nullptr, "id read --fake-radio", 0, "读取 OK\n", "12345678\n"},
               // A trace that cannot be written (a full disk) is told once; the command goes on.
               {nullptr, "--trace /dev/full id read --fake-radio", 0,
                "m27: --trace /dev/full: No space left on device\n读取 OK\n", "12345678\n"}});
}

// The fake radio's own command line: it starts from a loaded memory, dumps what it holds when a
// signal ends it and refuses bad arguments. Serving its pseudo-terminal, reopened by every run,
// and keeping what was written, every test above shows.
TEST(FakeRadioProcess, StartsFromALoadedMemoryDumpsItOnSigtermAndRefusesBadArguments) {
  QTemporaryDir dir;
  const QString load = dir.filePath(QStringLiteral("loaded.txt"));
  fake::Memory loaded = fake::default_memory();
  loaded.options = {0xC1, 0x02, 0x0E};
  loaded.id = 0xFFFFFFFF;
  write_file(load, fake::dump(loaded));
  FakeRadioProcess radio({"--load", load, "--paced"});
  radio.terminate();
  EXPECT_EQ(radio.exit_status(), 0) << radio.log().toStdString();
  EXPECT_EQ(radio.memory(), loaded);
  struct Case {
    QStringList args;
    int status;
    const char* message;
  };
  const Case kBad[] = {
      {{"--fault", "loud"}, 2, "unknown fault loud"},      // no such fault
      {{"--delay"}, 2, "--delay needs a value"},           // the value is missing
      {{"--port", "com1"}, 2, "unknown argument --port"},  // not an option of the radio
      {{"--swap-after", "soon"}, 2, "--swap-after needs a number of milliseconds"},
      {{"--load", "/nonexistent/m27.txt"}, 1, "cannot read /nonexistent/m27.txt"},
  };
  for (const auto& c : kBad) {
    FakeRadioProcess refused(c.args);
    refused.stop();
    EXPECT_EQ(refused.exit_status(), c.status) << c.message;
    EXPECT_TRUE(refused.log().contains(c.message)) << refused.log().toStdString();
  }
}

// Two stations, each a fake radio on which the test swaps radios as a dealer would, once the
// job has printed the line of the one before: every radio that is done holds the template and an
// ID of its own, and the log has a line for each step that counts. A radio that keeps a channel
// wrong fails at the read-back, keeps its own ID, and the next radio takes the ID it would have
// had. Once the range's IDs are logged, no job takes that range again. The job's report has a
// row for each radio, worded from its result and step, and the totals.
TEST(CliSeries, NumbersEveryRadioOnTwoPortsOnceAndLogsEach) {
  QTemporaryDir dir;
  Sheet sheet = testing::varied_sheet();
  const QString shop = saved(dir, "shop.m27", sheet);
  const QString log = dir.filePath("series.csv");
  FakeRadioProcess a;
  FakeRadioProcess b;
  std::map<QString, std::pair<FakeRadioProcess*, QList<QByteArray>>> swaps = {
      {a.device(), {&a, {"plug 7 store-wrong=2", "plug 8"}}}, {b.device(), {&b, {"plug 9"}}}};
  QProcess series;
  start_m27(series,
            {"series", shop, "--ids", "100..199", "--port", a.device(), "--port", b.device(),
             "--log", log, "--new-log", "--count", "4", "--report", dir.filePath("report.html")});
  std::map<QString, QStringList> outcomes;  // of each port: "完成", or the ID and the failure
  QSet<QString> ids;                        // of the radios done
  QString last;
  for (QString line; series.canReadLine() || series.waitForReadyRead(kHardLimitMs); last = line) {
    line = QString::fromUtf8(series.readLine()).trimmed();
    const QStringList parts = line.split(QStringLiteral("  "));
    if (!swaps.contains(parts[0])) continue;
    const bool done = parts.value(2) == QStringLiteral("完成");
    outcomes[parts[0]] << (done ? parts[2] : parts.mid(1, 2).join(QStringLiteral("  ")));
    if (done) ids << parts[1];
    auto& [radio, next] = swaps[parts[0]];
    if (!next.isEmpty()) radio->say(next.takeFirst());
  }
  series.waitForFinished(kHardLimitMs);
  ASSERT_EQ(series.state(), QProcess::NotRunning);
  EXPECT_EQ(series.exitCode(), 3) << series.readAllStandardError().toStdString();
  // No "中断" in the totals of a job nobody stopped.
  EXPECT_TRUE(last.startsWith(QStringLiteral("完成 4 台，失败 1 台，用时 "))) << last.toStdString();
  EXPECT_EQ(outcomes[a.device()],
            QStringList({"完成",
                         "ID 7  失败：校验不一致：第3信道接收频率 写入440.00500，读回440.01000，"
                         "请取下对讲机",
                         "完成"}));
  EXPECT_EQ(outcomes[b.device()], QStringList({"完成", "完成"}));
  EXPECT_EQ(ids, QSet<QString>({"ID 100", "ID 101", "ID 102", "ID 103"}));
  expect(m27({"series", shop, "--ids", "100..103", "--port", a.device(), "--log", log}), 1,
         "注意: ID 100..103 已全部用过，请换一个范围\n");
  QStringList held;
  for (auto memory : {a.memory(1), a.memory(), b.memory(1), b.memory()}) {
    ASSERT_TRUE(memory);
    held << QString::number(memory->id);
    EXPECT_EQ(memory->options, *encode_options(sheet));
    for (int i = 0; i < kRows; ++i) EXPECT_EQ(memory->channels[i], *encode_channel(sheet, i)) << i;
  }
  held.sort();
  EXPECT_EQ(held, QStringList({"100", "101", "102", "103"}));
  EXPECT_EQ(a.memory(2)->id, 7u);
  const QByteArray logged = QByteArray::fromStdString(file_bytes(log));
  EXPECT_TRUE(
      logged.startsWith("time,port,old_id,new_id,result,step,seconds,template_sha256,detail\r\n"));
  EXPECT_EQ(logged.count(",reserved,,"), 4);
  EXPECT_EQ(logged.count(",ok,,"), 4);
  EXPECT_EQ(logged.count(",7,,failed,verify,"), 1);
  const QString report = QString::fromStdString(file_bytes(dir.filePath("report.html")));
  EXPECT_EQ(report.count("<td class=\"ok\">完成</td>"), 4);
  EXPECT_EQ(report.count("<td class=\"failed\">失败</td><td>回读</td>"), 1);
  EXPECT_TRUE(
      report.contains("<span>完成 4 台</span><span>失败 1 台</span><span>中断 0 台</span>"));
  EXPECT_FALSE(report.contains("已中断"));
}

// A stop signal ends a write after the exchange in flight: the radio is logged interrupted, the
// totals name it apart ("中断", which a job nobody stopped never prints) and the job exits
// 128 + the signal; meanwhile a second job on the same log is refused. Ports that name no device
// or one device twice, a range upside down or holding only ID 0 are wrong usage; a log that does
// not exist is created only on --new-log; a port that cannot be opened says why, and with no
// port open the job fails. The report of a stopped job is marked so and holds none of the job
// before; one that cannot be written is told, and the signal's status stands.
TEST(CliSeries, StopsAtASignalAndRefusesWhatCannotRun) {
  QTemporaryDir dir;
  Sheet sheet = startup_sheet();
  const QString shop = saved(dir, "shop.m27", sheet);
  const QString log = dir.filePath("series.csv");
  const QString report = dir.filePath("report.html");
  for (const int signal : {SIGINT, SIGTERM}) {
    FakeRadioProcess radio({"--log", "--fault", "slow=200"});
    QProcess series;
    const QString report_to = signal == SIGINT ? dir.filePath("no/report.html") : report;
    start_m27(series, {"series", shop, "--ids", "1..9", "--port", radio.device(), "--log", log,
                       "--new-log", "--report", report_to});
    ASSERT_TRUE(series.waitForStarted(kHardLimitMs));
    while (!radio.log().contains("<- 57") && series.state() == QProcess::Running) {
      series.waitForFinished(20);  // until the radio has seen a channel record
    }
    expect(m27({"series", shop, "--ids", "1..9", "--port", radio.device(), "--log", log}), 1,
           "注意: 记录文件正被另一个批量写频任务使用\n");
    ::kill(static_cast<pid_t>(series.processId()), signal);
    ASSERT_TRUE(series.waitForFinished(kHardLimitMs));
    EXPECT_EQ(series.exitCode(), 128 + signal);
    EXPECT_EQ(series.readAllStandardError().contains("m27: --report " + report_to.toUtf8() + ": "),
              signal == SIGINT);
    const QString out = QString::fromUtf8(series.readAllStandardOutput());
    EXPECT_TRUE(out.startsWith(radio.device() + "  ID 12345678  已中断：对讲机中的数据可能不完整"))
        << out.toStdString();
    EXPECT_TRUE(out.contains("\n完成 0 台，失败 0 台，中断 1 台，用时 ")) << out.toStdString();
    EXPECT_FALSE(radio.log().contains("<- 45 00 45"));
  }
  EXPECT_EQ(QString::fromStdString(file_bytes(log)).count(",12345678,,interrupted,write,"), 2);
  const QString reported = QString::fromStdString(file_bytes(report));
  EXPECT_EQ(reported.count("<td class=\"interrupted\">中断</td><td>写频</td>"), 1);
  EXPECT_TRUE(reported.contains("<h1>批量写频报告<span class=\"mark\">已中断</span></h1>"));
  const std::string wrong = "m27: series: --port ";
  expect_runs(dir.path(),
              {{nullptr, "series shop.m27 --ids 1..9 --port com9", 2,
                wrong + "com9: no such port (--port com9=DEVICE before the command sets one)\n" +
                    kTrySeriesHelp},
               {"", "series shop.m27 --ids 1..9 --port RADIO --port RADIO", 2,
                wrong + "RADIO and --port RADIO are the same device\n" + kTrySeriesHelp},
               {nullptr, "series shop.m27 --ids 9..1", 2,
                "m27: series: --ids 9..1: FIRST is above LAST\n" + kTrySeriesHelp},
               {nullptr, "series shop.m27 --ids 0..0", 2,
                "m27: series: --ids 0..0: no radio is given ID 0\n" + kTrySeriesHelp},
               {nullptr, "series shop.m27 --ids 1..9 --port RADIO --log typo.csv", 1,
                "注意: 记录文件不存在\ntypo.csv (--new-log creates it)\n"},
               {nullptr, "series shop.m27 --ids 1..9 --port /dev/null --log series.csv", 1,
                "/dev/null: 无法打开串口：…"}});
  EXPECT_FALSE(QFile::exists(dir.filePath("typo.csv")));
}

// The reply on the device to one request, or nothing within 300 ms.
QByteArray exchange(int fd, const QByteArray& request) {
  tcflush(fd, TCIFLUSH);
  if (write(fd, request.data(), request.size()) != request.size()) return {};
  QByteArray reply;
  for (pollfd ready{fd, POLLIN, 0}; poll(&ready, 1, 300) > 0;) {
    char chunk[64];
    const auto n = read(fd, chunk, sizeof chunk);
    if (n <= 0) break;
    reply.append(chunk, n);
  }
  return reply;
}

// Lines on its input swap the radio, each swap is told on stdout, and every radio that was on
// the line leaves its dump.
TEST(FakeRadioProcess, SwapsRadiosOnItsInputLinesAndDumpsEach) {
  const QByteArray kReadId = QByteArray::fromHex("5B030000005E");
  FakeRadioProcess radio;
  const int fd = open(radio.device().toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
  ASSERT_GE(fd, 0);
  EXPECT_EQ(exchange(fd, kReadId).toHex(), "440400bc614eb3");
  radio.say("unplug");
  EXPECT_EQ(radio.next_line(), "unplugged");
  EXPECT_EQ(exchange(fd, kReadId).toHex(), "");
  radio.say("plug 9 bad-checksum");
  EXPECT_EQ(radio.next_line(), "plugged ID 9");
  EXPECT_EQ(exchange(fd, kReadId).toHex(), "44040000000952");
  radio.say("plug 10");
  EXPECT_EQ(radio.next_line(), "unplugged");
  EXPECT_EQ(radio.next_line(), "plugged ID 10");
  radio.say("replug");
  close(fd);
  EXPECT_EQ(radio.memory()->id, 10u);
  EXPECT_EQ(radio.memory(1)->id, 12345678u);
  EXPECT_EQ(radio.memory(2)->id, 9u);
  EXPECT_TRUE(radio.log().contains("unknown command: replug")) << radio.log().toStdString();
}

}  // namespace
}  // namespace m27
