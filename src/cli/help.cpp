// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/help.h"

#include <QCoreApplication>
#include <algorithm>
#include <vector>

namespace m27 {
namespace {

// Every paragraph is translated on its own; the help prints them with a blank line between.
const char* const kPortHelp =
    QT_TRANSLATE_NOOP("cli",
                      "DEV is the port the radio's programming cable is on: a device such as\n"
                      "/dev/ttyUSB0 (or a pseudo-terminal), or com1 .. com16 as numbered by the\n"
                      "window's port menu. --fake-radio in place of --port uses the bundled radio\n"
                      "model.\n");

const char* const kExitHelp = QT_TRANSLATE_NOOP(
    "cli",
    "Exit status: 0 done, 1 the radio, the port or a file failed, 2 wrong usage, 3\n"
    "(verify, write --verify, diff) the two differ, (check --find) several radios\n"
    "answered, (series) a radio failed or is unconfirmed, 4 (check) the port is fine\n"
    "but no radio answered properly, 128+N (read, write, verify, id, rssi, series)\n"
    "stopped by signal N: 130 Ctrl-C (SIGINT), 143 SIGTERM, 129 SIGHUP.\n");

const char* const kBackupHelp = QT_TRANSLATE_NOOP(
    "cli",
    "Every complete read also keeps a copy, byte for byte the file a save writes, in\n"
    "$XDG_DATA_HOME/m27/backups (by default ~/.local/share/m27/backups), named by\n"
    "the local time of the read, e.g. 20261207-064512-123.m27; the newest 1000 are\n"
    "kept. A backup that cannot be written is reported (\"备份失败\") and does not\n"
    "fail the read.\n");

const char* const kDifferenceHelp = QT_TRANSLATE_NOOP(
    "cli",
    "One line per difference on standard output: the channel (1..25) and the column\n"
    "(接收频率, 接收亚音, 发射频率, 发射亚音, 带宽), or the option (发射, 遇忙禁发,\n"
    "FSK, 信道总数, 模式, 频率选择), then the two values. Values are compared as the\n"
    "radio stores them: 450.1 and 450.10000 are the same frequency.\n");

const char* const kReadUsage =
    QT_TRANSLATE_NOOP("cli", "usage: m27 read --port DEV [--no-backup] FILE.m27\n");

const char* const kReadWhat = QT_TRANSLATE_NOOP(
    "cli",
    "Reads the radio's options and its 25 channels and saves them to FILE.m27, as\n"
    "the window's \"读取频率\" followed by \"保存文件\" would. FILE is replaced only\n"
    "after a complete read. Messages go to standard error; on a terminal a progress\n"
    "line shows \"正在读频...... 45/75\".\n");

const char* const kReadStop = QT_TRANSLATE_NOOP(
    "cli",
    "Ctrl-C, SIGTERM or SIGHUP stops it after the exchange in flight: nothing more\n"
    "is sent and FILE stays as it was (\"读频已中断\").\n");

const char* const kReadNoBackup =
    QT_TRANSLATE_NOOP("cli", "--no-backup keeps no backup of this read.\n");

const char* const kReadExample = QT_TRANSLATE_NOOP("cli",
                                                   "example:\n"
                                                   "  m27 read --port /dev/ttyUSB0 shop.m27\n");

const char* const kWriteUsage =
    QT_TRANSLATE_NOOP("cli", "usage: m27 write --port DEV [--verify] FILE.m27\n");

const char* const kWriteWhat = QT_TRANSLATE_NOOP(
    "cli",
    "Opens FILE.m27 as the window's \"打开文件\" does and writes it into the radio\n"
    "(\"开始写频\"): the frequencies are snapped to their raster and checked first,\n"
    "with the tones, bandwidths and options; nothing is sent if anything is wrong or\n"
    "the file has fewer than 132 lines. Messages go to standard error; on a terminal\n"
    "a progress line counts up to 156.\n");

const char* const kWriteStop = QT_TRANSLATE_NOOP(
    "cli",
    "Ctrl-C, SIGTERM or SIGHUP stops it after the exchange in flight: nothing more\n"
    "is sent, and the radio may hold part of the file\n"
    "(\"写频已中断：对讲机中的数据可能不完整，请重新写频\"), as after a radio that\n"
    "stops answering half-way; write it again.\n");

const char* const kWriteVerify = QT_TRANSLATE_NOOP(
    "cli",
    "--verify then reads the radio back as verify does and reports the same way:\n"
    "         exit status 0\n"
    "when the radio holds what was written, 3 when not (one line per difference), 1\n"
    "when the write failed or the read-back did (the message then says the write\n"
    "itself completed).\n");

const char* const kWriteExample = QT_TRANSLATE_NOOP("cli",
                                                    "example:\n"
                                                    "  m27 write --port com1 --verify shop.m27\n");

const char* const kVerifyUsage =
    QT_TRANSLATE_NOOP("cli", "usage: m27 verify --port DEV FILE.m27\n");

const char* const kVerifyWhat =
    QT_TRANSLATE_NOOP("cli",
                      "Reads the radio (as read does, without a backup) and compares it with what\n"
                      "writing FILE.m27 would send: the options and the 25 channels.\n");

const char* const kVerifyStatus =
    QT_TRANSLATE_NOOP("cli", "Exit status 0 when they are the same, 3 when they differ.\n");

const char* const kVerifyExample = QT_TRANSLATE_NOOP(
    "cli",
    "example:\n"
    "  m27 verify --port /dev/ttyUSB0 shop.m27\n"
    "  3 接收频率 450.12500 450.13125    channel 3: the file's value, the radio's\n");

const char* const kDiffUsage = QT_TRANSLATE_NOOP("cli", "usage: m27 diff A.m27 B.m27\n");

const char* const kDiffWhat = QT_TRANSLATE_NOOP(
    "cli",
    "Compares two channel files as verify compares a file with a radio: A's value,\n"
    "then B's. Nothing is printed when they are the same.\n");

const char* const kDiffStatus = QT_TRANSLATE_NOOP(
    "cli",
    "Exit status 0 when they are the same, 3 when they differ, 1 when a file cannot\n"
    "be opened.\n");

const char* const kDiffExample =
    QT_TRANSLATE_NOOP("cli",
                      "example:\n"
                      "  m27 diff monday.m27 ~/.local/share/m27/backups/20261207-064512-123.m27\n");

const char* const kIdUsage =
    QT_TRANSLATE_NOOP("cli",
                      "usage: m27 id read  --port DEV\n"
                      "       m27 id write --port DEV --start N [--count K]\n");

const char* const kIdRead =
    QT_TRANSLATE_NOOP("cli", "id read prints the radio's ID in decimal on standard output.\n");

const char* const kIdWrite = QT_TRANSLATE_NOOP(
    "cli",
    "id write programs a series of radios. It writes N (0 .. 4294967295) into the\n"
    "radio on the port; then, for each further radio, it asks on standard error to\n"
    "connect the next radio and press Enter, and writes the next ID (N+1, N+2, ...;\n"
    "0 follows 4294967295). A radio that does not answer keeps the ID for the next\n"
    "one.\n");

const char* const kIdWriteLines = QT_TRANSLATE_NOOP(
    "cli",
    "After each radio that took its ID it prints \"ID <id> 成功数 <successes>\" on\n"
    "standard output. It stops after K radios (default 1) or at the end of the input\n"
    "(Ctrl-D); the exit status is 1 if any radio failed.\n");

const char* const kIdExamples = QT_TRANSLATE_NOOP(
    "cli",
    "examples:\n"
    "  m27 id read --port /dev/ttyUSB0\n"
    "  m27 id write --port /dev/ttyUSB0 --start 1000 --count 20\n"
    "      writes 1000 into the radio on the cable now, then 1001 ... 1019 into the\n"
    "      next 19, one each time you have connected the next radio and pressed Enter\n");

const char* const kMonitorUsage =
    QT_TRANSLATE_NOOP("cli",
                      "usage: m27 monitor rssi|battery --port DEV [--csv FILE]\n"
                      "       m27 monitor stop --port DEV\n");

const char* const kMonitorWhat = QT_TRANSLATE_NOOP(
    "cli",
    "Puts the radio into a test-mode monitor and prints each packet it sends as one\n"
    "line on standard output, until Ctrl-C (SIGINT), SIGTERM or SIGHUP (the terminal\n"
    "closed); then it stops the monitor and exits. \"m27 monitor stop\" only sends the\n"
    "stop request, for a stream a killed process left running.\n"
    "  rssi:    RSSI SNR AFC AUDIO   (registers 68, 102, 70, 74; SNR and AFC signed)\n"
    "  battery: AD CHARGE            (the battery AD value; 1 while charging, else 0)\n");

const char* const kMonitorCsv = QT_TRANSLATE_NOOP(
    "cli",
    "--csv FILE  also write the samples into FILE as CSV, a line per packet as it\n"
    "            arrives, as the test-mode window's 保存数据… saves them:\n"
    "            \"seconds,rssi,snr,afc,audio\" or \"seconds,charging,ad\", the seconds\n"
    "            counted from the start request with three decimals. A file that\n"
    "            cannot be written is told once; the monitor goes on and exits with\n"
    "            status 1.\n");

const char* const kMonitorExamples =
    QT_TRANSLATE_NOOP("cli",
                      "examples:\n"
                      "  m27 monitor rssi --port /dev/ttyUSB0\n"
                      "  m27 monitor rssi --port /dev/ttyUSB0 --csv antenna.csv\n");

const char* const kRssiUsage = QT_TRANSLATE_NOOP("cli",
                                                 "usage: m27 rssi read   --port DEV\n"
                                                 "       m27 rssi adjust --port DEV NARROW WIDE\n");

const char* const kRssiWhat = QT_TRANSLATE_NOOP(
    "cli",
    "rssi read prints the radio's two RSSI calibration values on standard output:\n"
    "narrow band, then wide band (\"45 43\"). rssi adjust sends two new values (0 ..\n"
    "255 each).\n");

const char* const kRssiExamples =
    QT_TRANSLATE_NOOP("cli",
                      "examples:\n"
                      "  m27 rssi read --port /dev/ttyUSB0\n"
                      "  m27 rssi adjust --port /dev/ttyUSB0 42 40\n");

const char* const kCsvUsage = QT_TRANSLATE_NOOP(
    "cli",
    "usage: m27 csv export [--layout grid|generic] IN.m27 OUT.csv\n"
    "       m27 csv import [--into BASE.m27] [--rows FIRST..LAST] [--skip-unfit]\n"
    "                      IN.csv OUT.m27\n");

const char* const kCsvExport = QT_TRANSLATE_NOOP(
    "cli",
    "csv export writes the 25 channels of a channel file as a spreadsheet. --layout\n"
    "grid (the default) is the window's grid:\n"
    "\"信道,接收频率,接收亚音,发射频率,发射亚音,带宽\", in UTF-8 with a byte-order\n"
    "mark. --layout generic is the layout hobby programming tools exchange\n"
    "(Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,...,Mode,...).\n");

const char* const kCsvImport = QT_TRANSLATE_NOOP(
    "cli",
    "csv import reads either layout (UTF-8, or GBK as a spreadsheet saves it; lines\n"
    "starting with # are comments) and puts its rows into channels 1, 2, ... of\n"
    "BASE.m27 (default: the window's start-up table); the channel total becomes the\n"
    "number of rows if BASE's is larger, the options and the mode stay BASE's. In\n"
    "the generic layout only Frequency is needed; a missing column takes the tools'\n"
    "default and other columns are ignored.\n");

const char* const kCsvValues = QT_TRANSLATE_NOOP(
    "cli",
    "Every value must be one the grid could hold and a write would send: a receive\n"
    "frequency within 400..490 MHz, a tone of the mode's table, 宽带 or 窄带 (FM or\n"
    "NFM). The first bad value refuses the whole file, naming its line and column,\n"
    "and OUT.m27 is left as it was; so does a file of more than 25 rows without\n"
    "--rows, or one that leaves no row to import.\n");

const char* const kCsvOptions = QT_TRANSLATE_NOOP(
    "cli",
    "  --rows FIRST..LAST  take only these rows (from 1, in file order, comments not\n"
    "                      counted; at most 25)\n"
    "  --skip-unfit        leave out the rows this radio cannot hold, each named on\n"
    "                      stderr: \"跳过第N个：...\" (N as --rows counts): a\n"
    "                      frequency outside 400..490 MHz, a tone its table lacks,\n"
    "                      a mode other than FM and NFM, a transmit frequency out\n"
    "                      of range; after --rows\n");

const char* const kCsvExamples =
    QT_TRANSLATE_NOOP("cli",
                      "examples:\n"
                      "  m27 csv export shop.m27 shop.csv\n"
                      "  m27 csv export --layout generic shop.m27 exchange.csv\n"
                      "  m27 csv import --into shop.m27 edited.csv shop-new.m27\n"
                      "  m27 csv import --rows 1..22 frs-gmrs.csv frs.m27\n");

const char* const kPortsUsage = QT_TRANSLATE_NOOP("cli", "usage: m27 ports\n");

const char* const kPortsWhat = QT_TRANSLATE_NOOP(
    "cli",
    "Prints one line per serial port the window's port menu offers: comN, the\n"
    "device, and what the system knows of it (description, manufacturer, USB\n"
    "vendor:product, serial number), and \"busy\" when another program holds it. To\n"
    "find out, each port is opened and closed again at once; nothing is sent.\n");

const char* const kPortsChips = QT_TRANSLATE_NOOP(
    "cli",
    "The chip of a programming cable is named after its USB vendor:product: FTDI\n"
    "FT232, Prolific PL2303, WCH CH340 or Silicon Labs CP210x.\n");

const char* const kPortsExample =
    QT_TRANSLATE_NOOP("cli",
                      "example:\n"
                      "  m27 ports\n"
                      "  com1  /dev/ttyUSB0  CP2102 USB to UART Bridge Controller, Silicon Labs,\n"
                      "        USB 10c4:ea60 (Silicon Labs CP210x), serial 0001\n");

const char* const kCheckUsage =
    QT_TRANSLATE_NOOP("cli", "usage: m27 check [--port DEV | --find [--all]]\n");

const char* const kCheckSteps = QT_TRANSLATE_NOOP(
    "cli",
    "Tells why the radio does not answer. On one port (DEV, or com1) it takes these\n"
    "steps in order and stops at the first that fails, one line each on standard\n"
    "output, \"✓\" or \"✗\" and what it found:\n"
    "  1. the device exists and is a serial port (if not, the ports that do exist\n"
    "     follow);\n"
    "  2. this user may open it (if not, how to fix it);\n"
    "  3. no other program holds it (if one does, its name and PID, from the port's\n"
    "     lock file);\n"
    "  4. it opens at 9600 8N1;\n");

const char* const kCheckAnswer = QT_TRANSLATE_NOOP(
    "cli",
    "  5. the radio answers a request for its ID, which changes nothing in it (three\n"
    "     tries): \"连接正常\" with the ID and the round trip; only the request's echo\n"
    "     (the cable works, the radio is off or its plug loose); data that makes no\n"
    "     reply (another radio or cable); or nothing at all.\n"
    "Nothing but that request is ever sent, and nothing to a device that is not a\n"
    "serial port.\n");

const char* const kCheckFind = QT_TRANSLATE_NOOP(
    "cli",
    "--find checks every port on a programming cable's USB chip (drivers ftdi_sio,\n"
    "       pl2303, ch341,\n"
    "cp210x) and every port a --port comN=DEV before the command maps, all at once,\n"
    "one line per port, and names the one the radio is on (\"对讲机在 com2\n"
    "(/dev/ttyUSB1)\"). Any other serial port is listed \"未检测：不是常见的写频线\"\n"
    "and left alone, since opening a port toggles its control lines and resets an\n"
    "Arduino board or a 3D printer; --all checks those too. Without --port, while\n"
    "com1 maps to nothing, check searches the same way.\n");

const char* const kCheckStatus = QT_TRANSLATE_NOOP(
    "cli",
    "Exit status 0 when the radio answered (--find: one radio), 1 when a port step\n"
    "failed, 3 when --find found several radios, 4 when the port is fine but no\n"
    "radio answered properly.\n");

const char* const kCheckExamples =
    QT_TRANSLATE_NOOP("cli",
                      "examples:\n"
                      "  m27 check --port /dev/ttyUSB0\n"
                      "  m27 --port com3=/dev/ttyUSB2 check --find\n");

const char* const kSeriesUsage = QT_TRANSLATE_NOOP(
    "cli",
    "usage: m27 series TEMPLATE.m27 --ids FIRST..LAST [--port DEV]... [--keep-id]\n"
    "                  [--log FILE] [--new-log] [--count N] [--report FILE.html]\n");

const char* const kSeriesWhat = QT_TRANSLATE_NOOP(
    "cli",
    "Programs radios one after another with one template and an ID each. Every\n"
    "--port is a station (default com1), all working at once. A station asks for a\n"
    "radio's ID every 0.5 s until one answers, writes TEMPLATE.m27 into it as write\n"
    "does, reads it back and compares, takes the lowest free ID of FIRST..LAST (0 is\n"
    "never handed out), logs it as reserved, writes it and reads it back, logs the\n"
    "radio and waits until it is taken off. A radio the log holds as done with this\n"
    "template, and whose memory holds the template, is left as it is. A radio that\n"
    "fails ends alone; its ID, if it was not yet sent, goes to the next one. An ID\n"
    "the log names is never handed out again.\n");

const char* const kSeriesOptions = QT_TRANSLATE_NOOP(
    "cli",
    "  --ids FIRST..LAST  the IDs to hand out (0 .. 4294967295), lowest first\n"
    "  --keep-id          a radio keeps the ID it answers with, unless that ID is 0\n"
    "                     or another radio of this job already kept or got it;\n"
    "                     earlier jobs' lines do not take it away (a logged ID\n"
    "                     answering is taken to be that radio, so two radios sharing\n"
    "                     an ID across jobs keep it)\n"
    "  --log FILE         the log instead of $XDG_DATA_HOME/m27/series.csv (by\n"
    "                     default ~/.local/share/m27/series.csv), one for every job\n"
    "  --new-log          create the log if it does not exist yet; a folder --log\n"
    "                     names is never made (the default one is the program's\n"
    "                     own); without it a missing log is refused, so that a typo\n"
    "                     cannot start a second pool of IDs\n"
    "  --count N          end after N radios done\n");

const char* const kSeriesReport = QT_TRANSLATE_NOOP(
    "cli",
    "  --report FILE.html when the job ends, also by a signal (then marked 已中断),\n"
    "                     write its delivery report there: one page for A4 with the\n"
    "                     template, its fingerprint, options and channels, the start\n"
    "                     and end, the stations, a row per radio of this job (time,\n"
    "                     port, old and new ID, result, step, seconds) and the totals\n");

const char* const kSeriesLines = QT_TRANSLATE_NOOP(
    "cli",
    "A line per radio on standard output (\"com1  ID 5003  完成  3.7 s\", or what\n"
    "failed), then \"完成 N 台，失败 M 台，用时 T s，平均每台 S s\", with\n"
    "\"，中断 K 台\" after the failures when K radios were interrupted; on a terminal\n"
    "a line per station on standard error, redrawn in place. The log has a CSV line\n"
    "per event: time,port,old_id,new_id,result,step,seconds,template_sha256,detail.\n");

const char* const kSeriesEnd = QT_TRANSLATE_NOOP(
    "cli",
    "The job ends when no ID is left, after N radios, or on Ctrl-C (SIGINT), SIGTERM\n"
    "or SIGHUP: each station stops after the exchange in flight, and a radio caught\n"
    "half-way is logged as interrupted (\"中断\": its data may be incomplete).\n");

const char* const kSeriesStatus = QT_TRANSLATE_NOOP(
    "cli",
    "Exit status: 0 no radio failed, 3 a radio failed or is unconfirmed (interrupted\n"
    "ones do not count), 1 the job could not start (template, log, range, no port\n"
    "opened) or go on (a log line failed, every port lost) or its report could not\n"
    "be written, 2 wrong usage, 128+N stopped by signal N.\n");

const char* const kSeriesExamples = QT_TRANSLATE_NOOP(
    "cli",
    "examples:\n"
    "  m27 series shop.m27 --ids 5000..5199 --port /dev/ttyUSB0 --port /dev/ttyUSB1\n"
    "  m27 series shop.m27 --ids 5200..5299 --count 20 --report order-17.html\n"
    "  m27 --fake-radio series demo.m27 --ids 1..10 --log demo.csv --new-log\n"
    "      the bundled radio, swapped for a fresh one 1.5 s after each radio\n");

const char* const kCommands = QT_TRANSLATE_NOOP(
    "cli",
    "commands (each works without a window; m27 COMMAND --help tells more):\n"
    "  read    --port DEV FILE.m27          read the radio into a channel file\n"
    "                                       (and a backup)\n"
    "  write   --port DEV FILE.m27          write a channel file into the radio\n"
    "                                       (--verify: read it back and compare)\n"
    "  verify  --port DEV FILE.m27          compare the radio with a channel file\n"
    "  diff    A.m27 B.m27                  compare two channel files\n"
    "  id read --port DEV                   print the radio's ID\n"
    "  id write --port DEV --start N [--count K]\n"
    "                                       write IDs N, N+1, ... into K radios\n"
    "                                       in turn\n"
    "  monitor rssi|battery|stop --port DEV print the test-mode stream until Ctrl-C\n"
    "  rssi read --port DEV                 print the two RSSI calibration values\n"
    "  rssi adjust --port DEV NARROW WIDE   set them\n"
    "  csv export [--layout grid|generic] IN.m27 OUT.csv\n"
    "                                       a channel file's channels as a\n"
    "                                       spreadsheet\n"
    "  csv import [--into BASE.m27] [--rows FIRST..LAST] [--skip-unfit]\n"
    "          IN.csv OUT.m27               a spreadsheet's rows into a channel file\n"
    "  ports                                list the serial ports as com1, com2, ...\n"
    "  check [--port DEV | --find [--all]]  why the radio does not answer, or\n"
    "                                       where it is\n"
    "  series TEMPLATE.m27 --ids FIRST..LAST [--port DEV]... [--keep-id] [--log FILE]\n"
    "          [--new-log] [--count N] [--report FILE.html]\n"
    "                                       program radios one after another, an\n"
    "                                       ID each\n");

const char* const kCommandsExamples = QT_TRANSLATE_NOOP(
    "cli",
    "examples:\n"
    "  m27 read --port /dev/ttyUSB0 shop.m27\n"
    "  m27 write --port /dev/ttyUSB0 shop.m27\n"
    "  m27 id write --port /dev/ttyUSB0 --start 100 --count 50\n"
    "      series programming: 100 into this radio, then 101, 102, ... into each\n"
    "      next one after you have connected it and pressed Enter\n"
    "  m27 --fake-radio read demo.m27       try it without a radio\n");

struct CommandHelp {
  const char* name;
  std::vector<const char*> paragraphs;
  bool uses_a_port = true;
};

const std::vector<CommandHelp>& command_helps() {
  static const std::vector<CommandHelp> helps{
      {"read", {kReadUsage, kReadWhat, kReadStop, kBackupHelp, kReadNoBackup, kReadExample}},
      {"write", {kWriteUsage, kWriteWhat, kWriteStop, kWriteVerify, kWriteExample}},
      {"verify", {kVerifyUsage, kVerifyWhat, kDifferenceHelp, kVerifyStatus, kVerifyExample}},
      {"diff", {kDiffUsage, kDiffWhat, kDifferenceHelp, kDiffStatus, kDiffExample}, false},
      {"id", {kIdUsage, kIdRead, kIdWrite, kIdWriteLines, kIdExamples}},
      {"monitor", {kMonitorUsage, kMonitorWhat, kMonitorCsv, kMonitorExamples}},
      {"rssi", {kRssiUsage, kRssiWhat, kRssiExamples}},
      {"csv", {kCsvUsage, kCsvExport, kCsvImport, kCsvValues, kCsvOptions, kCsvExamples}, false},
      {"ports", {kPortsUsage, kPortsWhat, kPortsChips, kPortsExample}, false},
      {"check", {kCheckUsage, kCheckSteps, kCheckAnswer, kCheckFind, kCheckStatus, kCheckExamples}},
      {"series",
       {kSeriesUsage, kSeriesWhat, kSeriesOptions, kSeriesReport, kSeriesLines, kSeriesEnd,
        kSeriesStatus, kSeriesExamples}},
  };
  return helps;
}

QString in_use(const char* text) { return QCoreApplication::translate("cli", text); }

// The paragraphs in the language in use, a blank line between them.
QString paragraphs(const std::vector<const char*>& texts) {
  QStringList translated;
  for (const char* text : texts) translated << in_use(text);
  return translated.join(QLatin1Char('\n'));
}

}  // namespace

QString commands_help() { return paragraphs({kCommands, kPortHelp, kCommandsExamples, kExitHelp}); }

QString command_help(const QString& name) {
  const auto& helps = command_helps();
  const auto help = std::find_if(helps.begin(), helps.end(), [&](const CommandHelp& candidate) {
    return name == QLatin1String(candidate.name);
  });
  if (help == helps.end()) return {};
  std::vector<const char*> texts = help->paragraphs;
  if (help->uses_a_port) texts.push_back(kPortHelp);
  texts.push_back(kExitHelp);
  return paragraphs(texts);
}

QString usage_error(const QString& what, const QString& command) {
  const QString help = command.isEmpty() ? QStringLiteral("m27 --help")
                                         : QStringLiteral("m27 %1 --help").arg(command);
  //: The second line of a wrong command line; %1 is the help to read, "m27 series --help".
  const QString hint = QCoreApplication::translate("cli", "try '%1'").arg(help);
  return QStringLiteral("m27: %1\n%2\n").arg(what, hint);
}

}  // namespace m27
