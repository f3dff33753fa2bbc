// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/help.h"

namespace m27 {
namespace {

const char* const kPortHelp =
    "DEV is the port the radio's programming cable is on: a device such as /dev/ttyUSB0 (or a\n"
    "pseudo-terminal), or com1 .. com16 as numbered by the window's port menu. --fake-radio in\n"
    "place of --port uses the bundled radio model.\n";

const char* const kExitHelp =
    "Exit status: 0 done, 1 the radio, the port or a file failed, 2 wrong usage,\n"
    "3 (verify, write --verify, diff) the two differ, (check --find) several radios answered,\n"
    "(series) a radio failed or is unconfirmed, 4 (check) the port is fine but no radio\n"
    "answered properly, 128+N (read, write, verify, id, rssi, series) stopped by signal N:\n"
    "130 Ctrl-C (SIGINT), 143 SIGTERM, 129 SIGHUP.\n";

const char* const kBackupHelp =
    "Every complete read also keeps a copy, byte for byte the file a save writes, in\n"
    "$XDG_DATA_HOME/m27/backups (by default ~/.local/share/m27/backups), named by the local time\n"
    "of the read, e.g. 20261207-064512-123.m27; the newest 1000 are kept. A backup that cannot\n"
    "be written is reported (\"备份失败\") and does not fail the read.\n";

const char* const kDifferenceHelp =
    "One line per difference on standard output: the channel (1..25) and the column\n"
    "(接收频率, 接收亚音, 发射频率, 发射亚音, 带宽), or the option (发射, 遇忙禁发, FSK, "
    "信道总数,\n"
    "模式, 频率选择), then the two values. Values are compared as the radio stores them:\n"
    "450.1 and 450.10000 are the same frequency.\n";

const char* const kReadHelp =
    "usage: m27 read --port DEV [--no-backup] FILE.m27\n"
    "\n"
    "Reads the radio's options and its 25 channels and saves them to FILE.m27, as the window's\n"
    "\"读取频率\" followed by \"保存文件\" would. FILE is replaced only after a complete read.\n"
    "Messages go to standard error; on a terminal a progress line shows \"正在读频...... 45/75\".\n"
    "Ctrl-C, SIGTERM or SIGHUP stops it after the exchange in flight: nothing more is sent and\n"
    "FILE stays as it was (\"读频已中断\").\n"
    "\n"
    "%1"
    "--no-backup keeps no backup of this read.\n"
    "\n"
    "example:\n"
    "  m27 read --port /dev/ttyUSB0 shop.m27\n";

const char* const kWriteHelp =
    "usage: m27 write --port DEV [--verify] FILE.m27\n"
    "\n"
    "Opens FILE.m27 as the window's \"打开文件\" does and writes it into the radio "
    "(\"开始写频\"):\n"
    "the frequencies are snapped to their raster and checked first, with the tones, bandwidths\n"
    "and options; nothing is sent if anything is wrong or the file has fewer than 132 lines.\n"
    "Messages go to standard error; on a terminal a progress line counts up to 156.\n"
    "Ctrl-C, SIGTERM or SIGHUP stops it after the exchange in flight: nothing more is sent, and\n"
    "the radio may hold part of the file (\"写频已中断：对讲机中的数据可能不完整，请重新写频\"),\n"
    "as after a radio that stops answering half-way; write it again.\n"
    "\n"
    "--verify then reads the radio back as verify does and reports the same way: exit status 0\n"
    "when the radio holds what was written, 3 when not (one line per difference), 1 when the\n"
    "write failed or the read-back did (the message then says the write itself completed).\n"
    "\n"
    "example:\n"
    "  m27 write --port com1 --verify shop.m27\n";

const char* const kVerifyHelp =
    "usage: m27 verify --port DEV FILE.m27\n"
    "\n"
    "Reads the radio (as read does, without a backup) and compares it with what writing\n"
    "FILE.m27 would send: the options and the 25 channels.\n"
    "%2"
    "Exit status 0 when they are the same, 3 when they differ.\n"
    "\n"
    "example:\n"
    "  m27 verify --port /dev/ttyUSB0 shop.m27\n"
    "  3 接收频率 450.12500 450.13125         channel 3: the file's value, then the radio's\n";

const char* const kDiffHelp =
    "usage: m27 diff A.m27 B.m27\n"
    "\n"
    "Compares two channel files as verify compares a file with a radio: A's value, then B's.\n"
    "Nothing is printed when they are the same.\n"
    "%2"
    "Exit status 0 when they are the same, 3 when they differ, 1 when a file cannot be opened.\n"
    "\n"
    "example:\n"
    "  m27 diff monday.m27 ~/.local/share/m27/backups/20261207-064512-123.m27\n";

const char* const kIdHelp =
    "usage: m27 id read  --port DEV\n"
    "       m27 id write --port DEV --start N [--count K]\n"
    "\n"
    "id read prints the radio's ID in decimal on standard output.\n"
    "\n"
    "id write programs a series of radios. It writes N (0 .. 4294967295) into the radio on the\n"
    "port; then, for each further radio, it asks on standard error to connect the next radio\n"
    "and press Enter, and writes the next ID (N+1, N+2, ...; 0 follows 4294967295). A radio that\n"
    "does not answer keeps the ID for the next one. After each radio that took its ID it prints\n"
    "\"ID <id> 成功数 <successes>\" on standard output. It stops after K radios (default 1) or\n"
    "at the end of the input (Ctrl-D); the exit status is 1 if any radio failed.\n"
    "\n"
    "examples:\n"
    "  m27 id read --port /dev/ttyUSB0\n"
    "  m27 id write --port /dev/ttyUSB0 --start 1000 --count 20\n"
    "      writes 1000 into the radio on the cable now, then 1001 ... 1019 into the next 19,\n"
    "      one each time you have connected the next radio and pressed Enter\n";

const char* const kMonitorHelp =
    "usage: m27 monitor rssi|battery --port DEV [--csv FILE]\n"
    "       m27 monitor stop --port DEV\n"
    "\n"
    "Puts the radio into a test-mode monitor and prints each packet it sends as one line on\n"
    "standard output, until Ctrl-C (SIGINT), SIGTERM or SIGHUP (the terminal closed); then it\n"
    "stops the monitor and exits. \"m27 monitor stop\" only sends the stop request, for a\n"
    "stream a killed process left running.\n"
    "  rssi:    RSSI SNR AFC AUDIO   (registers 68, 102, 70, 74; SNR and AFC signed)\n"
    "  battery: AD CHARGE            (the battery AD value; 1 while charging, else 0)\n"
    "\n"
    "--csv FILE  also write the samples into FILE as CSV, a line per packet as it arrives, as\n"
    "            the test-mode window's 保存数据… saves them: \"seconds,rssi,snr,afc,audio\" or\n"
    "            \"seconds,charging,ad\", the seconds counted from the start request with three\n"
    "            decimals. A file that cannot be written is told once; the monitor goes on\n"
    "            and exits with status 1.\n"
    "\n"
    "examples:\n"
    "  m27 monitor rssi --port /dev/ttyUSB0\n"
    "  m27 monitor rssi --port /dev/ttyUSB0 --csv antenna.csv\n";

const char* const kRssiHelp =
    "usage: m27 rssi read   --port DEV\n"
    "       m27 rssi adjust --port DEV NARROW WIDE\n"
    "\n"
    "rssi read prints the radio's two RSSI calibration values on standard output: narrow band,\n"
    "then wide band (\"45 43\"). rssi adjust sends two new values (0 .. 255 each).\n"
    "\n"
    "examples:\n"
    "  m27 rssi read --port /dev/ttyUSB0\n"
    "  m27 rssi adjust --port /dev/ttyUSB0 42 40\n";

const char* const kCsvHelp =
    "usage: m27 csv export [--layout grid|generic] IN.m27 OUT.csv\n"
    "       m27 csv import [--into BASE.m27] [--rows FIRST..LAST] [--skip-unfit]\n"
    "                      IN.csv OUT.m27\n"
    "\n"
    "csv export writes the 25 channels of a channel file as a spreadsheet. --layout grid (the\n"
    "default) is the window's grid: \"信道,接收频率,接收亚音,发射频率,发射亚音,带宽\", in UTF-8\n"
    "with a byte-order mark. --layout generic is the layout hobby programming tools exchange\n"
    "(Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,...,Mode,...).\n"
    "\n"
    "csv import reads either layout (UTF-8, or GBK as a spreadsheet saves it; lines starting\n"
    "with # are comments) and puts its rows into channels 1, 2, ... of BASE.m27 (default: the\n"
    "window's start-up table); the channel total becomes the number of rows if BASE's is larger,\n"
    "the options and the mode stay BASE's. In the generic layout only Frequency is needed; a\n"
    "missing column takes the tools' default and other columns are ignored. Every value must be\n"
    "one the grid could hold and a write would send: a receive frequency within 400..490 MHz, a\n"
    "tone of the mode's table, 宽带 or 窄带 (FM or NFM). The first bad value refuses the whole\n"
    "file, naming its line and column, and OUT.m27 is left as it was; so does a file of more\n"
    "than 25 rows without --rows, or one that leaves no row to import.\n"
    "\n"
    "  --rows FIRST..LAST  take only these rows (from 1, in file order, comments not counted;\n"
    "                      at most 25)\n"
    "  --skip-unfit        leave out the rows this radio cannot hold (a frequency outside\n"
    "                      400..490 MHz, a tone its table lacks, a mode other than FM and NFM,\n"
    "                      a transmit frequency out of range), each named on stderr:\n"
    "                      \"跳过第N个：...\" (N as --rows counts); after --rows\n"
    "\n"
    "examples:\n"
    "  m27 csv export shop.m27 shop.csv\n"
    "  m27 csv export --layout generic shop.m27 exchange.csv\n"
    "  m27 csv import --into shop.m27 edited.csv shop-new.m27\n"
    "  m27 csv import --rows 1..22 frs-gmrs.csv frs.m27\n";

const char* const kPortsHelp =
    "usage: m27 ports\n"
    "\n"
    "Prints one line per serial port the window's port menu offers: comN, the device, and\n"
    "what the system knows of it (description, manufacturer, USB vendor:product, serial\n"
    "number), and \"busy\" when another program holds it. To find out, each port is opened\n"
    "and closed again at once; nothing is sent.\n"
    "\n"
    "The chip of a programming cable is named after its USB vendor:product: FTDI FT232,\n"
    "Prolific PL2303, WCH CH340 or Silicon Labs CP210x.\n"
    "\n"
    "example:\n"
    "  m27 ports\n"
    "  com1  /dev/ttyUSB0  CP2102 USB to UART Bridge Controller, Silicon Labs, USB 10c4:ea60 "
    "(Silicon Labs CP210x), serial 0001\n";

const char* const kCheckHelp =
    "usage: m27 check [--port DEV | --find [--all]]\n"
    "\n"
    "Tells why the radio does not answer. On one port (DEV, or com1) it takes these steps in\n"
    "order and stops at the first that fails, one line each on standard output, \"✓\" or \"✗\"\n"
    "and what it found:\n"
    "  1. the device exists and is a serial port (if not, the ports that do exist follow);\n"
    "  2. this user may open it (if not, how to fix it);\n"
    "  3. no other program holds it (if one does, its name and PID, from the port's lock file);\n"
    "  4. it opens at 9600 8N1;\n"
    "  5. the radio answers a request for its ID, which changes nothing in it (three tries):\n"
    "     \"连接正常\" with the ID and the round trip; only the request's echo (the cable works,\n"
    "     the radio is off or its plug loose); data that makes no reply (another radio or\n"
    "     cable); or nothing at all.\n"
    "Nothing but that request is ever sent, and nothing to a device that is not a serial port.\n"
    "\n"
    "--find checks every port on a programming cable's USB chip (drivers ftdi_sio, pl2303, ch341,\n"
    "cp210x) and every port a --port comN=DEV before the command maps, all at once, one line per\n"
    "port, and names the one the radio is on (\"对讲机在 com2 (/dev/ttyUSB1)\"). Any other serial\n"
    "port is listed \"未检测：不是常见的写频线\" and left alone, since opening a port toggles its\n"
    "control lines and resets an Arduino board or a 3D printer; --all checks those too.\n"
    "Without --port, while com1 maps to nothing, check searches the same way.\n"
    "\n"
    "Exit status 0 when the radio answered (--find: one radio), 1 when a port step failed, 3\n"
    "when --find found several radios, 4 when the port is fine but no radio answered properly.\n"
    "\n"
    "examples:\n"
    "  m27 check --port /dev/ttyUSB0\n"
    "  m27 --port com3=/dev/ttyUSB2 check --find\n";

const char* const kSeriesHelp =
    "usage: m27 series TEMPLATE.m27 --ids FIRST..LAST [--port DEV]... [--keep-id]\n"
    "                  [--log FILE] [--new-log] [--count N] [--report FILE.html]\n"
    "\n"
    "Programs radios one after another with one template and an ID each. Every\n"
    "--port is a station (default com1), all working at once. A station asks for a\n"
    "radio's ID every 0.5 s until one answers, writes TEMPLATE.m27 into it as write\n"
    "does, reads it back and compares, takes the lowest free ID of FIRST..LAST (0 is\n"
    "never handed out), logs it as reserved, writes it and reads it back, logs the\n"
    "radio and waits until it is taken off. A radio the log holds as done with this\n"
    "template, and whose memory holds the template, is left as it is. A radio that\n"
    "fails ends alone; its ID, if it was not yet sent, goes to the next one. An ID\n"
    "the log names is never handed out again.\n"
    "\n"
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
    "  --count N          end after N radios done\n"
    "  --report FILE.html when the job ends, also by a signal (then marked 已中断),\n"
    "                     write its delivery report there: one page for A4 with the\n"
    "                     template, its fingerprint, options and channels, the start\n"
    "                     and end, the stations, a row per radio of this job (time,\n"
    "                     port, old and new ID, result, step, seconds) and the totals\n"
    "\n"
    "A line per radio on standard output (\"com1  ID 5003  完成  3.7 s\", or what\n"
    "failed), then \"完成 N 台，失败 M 台，用时 T s，平均每台 S s\", with\n"
    "\"，中断 K 台\" after the failures when K radios were interrupted; on a terminal\n"
    "a line per station on standard error, redrawn in place. The log has a CSV line\n"
    "per event: time,port,old_id,new_id,result,step,seconds,template_sha256,detail.\n"
    "The job ends when no ID is left, after N radios, or on Ctrl-C (SIGINT), SIGTERM\n"
    "or SIGHUP: each station stops after the exchange in flight, and a radio caught\n"
    "half-way is logged as interrupted (\"中断\": its data may be incomplete).\n"
    "Exit status: 0 no radio failed, 3 a radio failed or is unconfirmed (interrupted\n"
    "ones do not count), 1 the job could not start (template, log, range, no port\n"
    "opened) or go on (a log line failed, every port lost) or its report could not\n"
    "be written, 2 wrong usage, 128+N stopped by signal N.\n"
    "\n"
    "examples:\n"
    "  m27 series shop.m27 --ids 5000..5199 --port /dev/ttyUSB0 --port /dev/ttyUSB1\n"
    "  m27 series shop.m27 --ids 5200..5299 --count 20 --report order-17.html\n"
    "  m27 --fake-radio series demo.m27 --ids 1..10 --log demo.csv --new-log\n"
    "      the bundled radio, swapped for a fresh one 1.5 s after each radio\n";

}  // namespace

QString commands_help() {
  return QStringLiteral(
             "commands (each works without a window; m27 COMMAND --help tells more):\n"
             "  read    --port DEV FILE.m27          read the radio into a channel file (and a "
             "backup)\n"
             "  write   --port DEV FILE.m27          write a channel file into the radio\n"
             "                                       (--verify: read it back and compare)\n"
             "  verify  --port DEV FILE.m27          compare the radio with a channel file\n"
             "  diff    A.m27 B.m27                  compare two channel files\n"
             "  id read --port DEV                   print the radio's ID\n"
             "  id write --port DEV --start N [--count K]\n"
             "                                       write IDs N, N+1, ... into K radios in turn\n"
             "  monitor rssi|battery|stop --port DEV print the test-mode stream until Ctrl-C\n"
             "  rssi read --port DEV                 print the two RSSI calibration values\n"
             "  rssi adjust --port DEV NARROW WIDE   set them\n"
             "  csv export [--layout grid|generic] IN.m27 OUT.csv\n"
             "                                       a channel file's channels as a spreadsheet\n"
             "  csv import [--into BASE.m27] [--rows FIRST..LAST] [--skip-unfit]\n"
             "          IN.csv OUT.m27               a spreadsheet's rows into a channel file\n"
             "  ports                                list the serial ports as com1, com2, ...\n"
             "  check [--port DEV | --find [--all]]  why the radio does not answer, or where it "
             "is\n"
             "  series TEMPLATE.m27 --ids FIRST..LAST [--port DEV]... [--keep-id] [--log FILE]\n"
             "          [--new-log] [--count N] [--report FILE.html]\n"
             "                                       program radios one after another, an ID "
             "each\n"
             "\n"
             "%1"
             "\n"
             "examples:\n"
             "  m27 read --port /dev/ttyUSB0 shop.m27\n"
             "  m27 write --port /dev/ttyUSB0 shop.m27\n"
             "  m27 id write --port /dev/ttyUSB0 --start 100 --count 50\n"
             "      series programming: 100 into this radio, then 101, 102, ... into each next "
             "one\n"
             "      after you have connected it and pressed Enter\n"
             "  m27 --fake-radio read demo.m27       try it without a radio\n"
             "\n"
             "%2")
      .arg(QString::fromUtf8(kPortHelp), QString::fromUtf8(kExitHelp));
}

QString command_help(const QString& name) {
  const char* text = nullptr;
  if (name == QLatin1String("read")) text = kReadHelp;
  if (name == QLatin1String("write")) text = kWriteHelp;
  if (name == QLatin1String("verify")) text = kVerifyHelp;
  if (name == QLatin1String("diff")) text = kDiffHelp;
  if (name == QLatin1String("id")) text = kIdHelp;
  if (name == QLatin1String("monitor")) text = kMonitorHelp;
  if (name == QLatin1String("rssi")) text = kRssiHelp;
  if (name == QLatin1String("csv")) text = kCsvHelp;
  if (name == QLatin1String("ports")) text = kPortsHelp;
  if (name == QLatin1String("check")) text = kCheckHelp;
  if (name == QLatin1String("series")) text = kSeriesHelp;
  if (!text) return {};
  const bool uses_a_port = text != kCsvHelp && text != kPortsHelp && text != kDiffHelp;
  const QString body = QString::fromUtf8(text)
                           .replace(QLatin1String("%1"), QString::fromUtf8(kBackupHelp))
                           .replace(QLatin1String("%2"), QString::fromUtf8(kDifferenceHelp));
  return body + QLatin1Char('\n') +
         (uses_a_port ? QString::fromUtf8(kPortHelp) + QLatin1Char('\n') : QString()) +
         QString::fromUtf8(kExitHelp);
}

QString usage_error(const QString& what) {
  return QStringLiteral("m27: %1\ntry 'm27 --help'\n").arg(what);
}

}  // namespace m27
