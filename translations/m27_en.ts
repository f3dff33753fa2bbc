<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>channels</name>
    <message>
        <source>接收频率</source>
        <translation>RX frequency</translation>
    </message>
    <message>
        <source>接收亚音</source>
        <translation>RX tone</translation>
    </message>
    <message>
        <source>发射频率</source>
        <translation>TX frequency</translation>
    </message>
    <message>
        <source>发射亚音</source>
        <translation>TX tone</translation>
    </message>
    <message>
        <source>带宽</source>
        <translation>Bandwidth</translation>
    </message>
    <message>
        <source>没有频率</source>
        <translation>No frequency</translation>
    </message>
    <message>
        <source>频率最多9个字符</source>
        <translation>A frequency has at most 9 characters</translation>
    </message>
    <message>
        <source>不是频率（只可有数字和一个小数点）</source>
        <translation>Not a frequency (digits and one decimal point only)</translation>
    </message>
    <message>
        <source>不在400～490 MHz之内</source>
        <translation>Not within 400–490 MHz</translation>
    </message>
    <message>
        <source>超出电台能存放的发射频率</source>
        <translation>A transmit frequency the radio cannot store</translation>
    </message>
    <message>
        <source>不是专业模式的亚音</source>
        <translation>Not a CTCSS/DCS tone of the professional mode</translation>
    </message>
    <message>
        <source>不是普通模式的亚音</source>
        <translation>Not a CTCSS/DCS tone of the normal mode</translation>
    </message>
    <message>
        <source>不是带宽（宽带或窄带）</source>
        <translation>Not a bandwidth (Wide or Narrow)</translation>
    </message>
    <message>
        <source>信道</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>频率方案</source>
        <translation>Frequency plan</translation>
    </message>
    <message>
        <source>模式</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>发射</source>
        <translation>Transmit</translation>
    </message>
    <message>
        <source>遇忙禁发</source>
        <translation>Busy lockout</translation>
    </message>
    <message>
        <source>信道总数</source>
        <translation>Channels</translation>
    </message>
    <message>
        <source>未命名</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>对讲机ID</source>
        <translation>Radio ID</translation>
    </message>
    <message>
        <source>第%1信道频率输入错误，请重新输入</source>
        <translation>Channel %1: invalid frequency, please enter it again</translation>
    </message>
    <message>
        <source>美国标准</source>
        <translation>US plan</translation>
    </message>
    <message>
        <source>中国标准</source>
        <translation>China plan</translation>
    </message>
    <message>
        <source>台湾标准</source>
        <translation>Taiwan plan</translation>
    </message>
    <message>
        <source>自定义标准</source>
        <translation>Custom plan</translation>
    </message>
    <message>
        <source>校验</source>
        <translation>Verify</translation>
    </message>
    <message>
        <source>频率选择</source>
        <translation>Frequency plan</translation>
    </message>
    <message>
        <source>校验通过</source>
        <translation>The radio matches</translation>
    </message>
    <message>
        <source>校验不一致</source>
        <translation>The radio differs</translation>
    </message>
    <message>
        <source>写频已完成，但读回对讲机失败，未能校验</source>
        <translation>The write is complete, but reading the radio back failed: not verified</translation>
    </message>
    <message>
        <source>信道频率输入错误，请重新输入</source>
        <translation>Invalid channel frequency, please enter it again</translation>
    </message>
    <message>
        <source>模式选择</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>第%1信道亚音输入错误，请重新输入</source>
        <translation>Channel %1: invalid CTCSS/DCS tone, please enter it again</translation>
    </message>
    <message>
        <source>第%1信道带宽输入错误，请重新输入</source>
        <translation>Channel %1: invalid bandwidth, please enter it again</translation>
    </message>
    <message>
        <source>%1输入错误，请重新输入</source>
        <translation>%1: invalid entry, please enter it again</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 is given twice</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <source>which port? give --port DEV (a device such as /dev/ttyUSB0, or com1..com16) or --fake-radio</source>
        <translation>which port? give --port DEV (a device such as /dev/ttyUSB0, or com1..com16) or --fake-radio</translation>
    </message>
    <message>
        <source>--count %1: expected a number of radios, 1 or more</source>
        <translation>--count %1: expected a number of radios, 1 or more</translation>
    </message>
    <message>
        <source>%1 needs one of: %2</source>
        <translation>%1 needs one of: %2</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>unexpected argument %1</translation>
    </message>
    <message>
        <source>FILE is missing</source>
        <translation>FILE is missing</translation>
    </message>
    <message>
        <source>needs two files, A and B</source>
        <translation>needs two files, A and B</translation>
    </message>
    <message>
        <source>%1 belongs to id write</source>
        <translation>%1 belongs to id write</translation>
    </message>
    <message>
        <source>id write needs --start N, the first ID</source>
        <translation>id write needs --start N, the first ID</translation>
    </message>
    <message>
        <source>--csv belongs to monitor rssi and monitor battery</source>
        <translation>--csv belongs to monitor rssi and monitor battery</translation>
    </message>
    <message>
        <source>--csv needs a file</source>
        <translation>--csv needs a file</translation>
    </message>
    <message>
        <source>rssi adjust needs NARROW and WIDE</source>
        <translation>rssi adjust needs NARROW and WIDE</translation>
    </message>
    <message>
        <source>needs %1</source>
        <translation>needs %1</translation>
    </message>
    <message>
        <source>%1 %2: expected FIRST..LAST, %3</source>
        <translation>%1 %2: expected FIRST..LAST, %3</translation>
    </message>
    <message>
        <source>rows counted from 1</source>
        <translation>rows counted from 1</translation>
    </message>
    <message>
        <source>--rows %1: expected FIRST..LAST, %2</source>
        <translation>--rows %1: expected FIRST..LAST, %2</translation>
    </message>
    <message>
        <source>--rows %1: at most 25 rows, the radio&apos;s channels</source>
        <translation>--rows %1: at most 25 rows, the radio&apos;s channels</translation>
    </message>
    <message>
        <source>%1 belongs to csv import</source>
        <translation>%1 belongs to csv import</translation>
    </message>
    <message>
        <source>IN.m27 and OUT.csv</source>
        <translation>IN.m27 and OUT.csv</translation>
    </message>
    <message>
        <source>--layout %1: expected grid or generic</source>
        <translation>--layout %1: expected grid or generic</translation>
    </message>
    <message>
        <source>--layout belongs to csv export; an import reads either layout</source>
        <translation>--layout belongs to csv export; an import reads either layout</translation>
    </message>
    <message>
        <source>IN.csv and OUT.m27</source>
        <translation>IN.csv and OUT.m27</translation>
    </message>
    <message>
        <source>such as 5000..5199</source>
        <translation>such as 5000..5199</translation>
    </message>
    <message>
        <source>--ids %1: the IDs go from 0 to 4294967295</source>
        <translation>--ids %1: the IDs go from 0 to 4294967295</translation>
    </message>
    <message>
        <source>--ids %1: FIRST is above LAST</source>
        <translation>--ids %1: FIRST is above LAST</translation>
    </message>
    <message>
        <source>--ids %1: no radio is given ID 0</source>
        <translation>--ids %1: no radio is given ID 0</translation>
    </message>
    <message>
        <source>series needs --ids FIRST..LAST, the IDs to hand out</source>
        <translation>series needs --ids FIRST..LAST, the IDs to hand out</translation>
    </message>
    <message>
        <source>--log needs a file</source>
        <translation>--log needs a file</translation>
    </message>
    <message>
        <source>--report needs a file</source>
        <translation>--report needs a file</translation>
    </message>
    <message>
        <source>--all goes with --find</source>
        <translation>--all goes with --find</translation>
    </message>
    <message>
        <source>--find searches every port; --port checks one</source>
        <translation>--find searches every port; --port checks one</translation>
    </message>
    <message>
        <source>--port needs a device or com1..com16</source>
        <translation>--port needs a device or com1..com16</translation>
    </message>
    <message>
        <source>--port %1: comN=DEVICE belongs before the command; after it, --port names the port to use (a device, or com1..com16)</source>
        <translation>--port %1: comN=DEVICE belongs before the command; after it, --port names the port to use (a device, or com1..com16)</translation>
    </message>
    <message>
        <source>--port %1: the ports are com1 to com16</source>
        <translation>--port %1: the ports are com1 to com16</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>unknown command %1</translation>
    </message>
    <message>
        <source>读频已中断</source>
        <translation>Read interrupted</translation>
    </message>
    <message>
        <source>写频已中断：对讲机中的数据可能不完整，请重新写频</source>
        <translation>Write interrupted: the data in the radio may be incomplete. Write it again.</translation>
    </message>
    <message>
        <source>读ID已中断</source>
        <translation>Reading the ID interrupted</translation>
    </message>
    <message>
        <source>ID %1 成功数 %2</source>
        <translation>ID %1 successes %2</translation>
    </message>
    <message>
        <source>Connect the next radio and press Enter to write ID %1 (Ctrl-D ends the series).</source>
        <translation>Connect the next radio and press Enter to write ID %1 (Ctrl-D ends the series).</translation>
    </message>
    <message>
        <source>写ID已中断</source>
        <translation>Writing the ID interrupted</translation>
    </message>
    <message>
        <source>读取RSSI已中断</source>
        <translation>Reading RSSI interrupted</translation>
    </message>
    <message>
        <source>调整RSSI已中断</source>
        <translation>Adjusting RSSI interrupted</translation>
    </message>
    <message>
        <source>RSSI(Reg68) SNR(Reg102) AFC(Reg70) AudioLv(Reg74)</source>
        <translation>RSSI(Reg68) SNR(Reg102) AFC(Reg70) AudioLv(Reg74)</translation>
    </message>
    <message>
        <source>AD 值 充电</source>
        <translation>AD CHARGING</translation>
    </message>
    <message>
        <source>DEV is the port the radio&apos;s programming cable is on: a device such as
/dev/ttyUSB0 (or a pseudo-terminal), or com1 .. com16 as numbered by the
window&apos;s port menu. --fake-radio in place of --port uses the bundled radio
model.
</source>
        <translation>DEV is the port the radio&apos;s programming cable is on: a device such as
/dev/ttyUSB0 (or a pseudo-terminal), or com1 .. com16 as numbered by the
window&apos;s port menu. --fake-radio in place of --port uses the bundled radio
model.
</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 the radio, the port or a file failed, 2 wrong usage, 3
(verify, write --verify, diff) the two differ, (check --find) several radios
answered, (series) a radio failed or is unconfirmed, 4 (check) the port is fine
but no radio answered properly, 128+N (read, write, verify, id, rssi, series)
stopped by signal N: 130 Ctrl-C (SIGINT), 143 SIGTERM, 129 SIGHUP.
</source>
        <translation>Exit status: 0 done, 1 the radio, the port or a file failed, 2 wrong usage, 3
(verify, write --verify, diff) the two differ, (check --find) several radios
answered, (series) a radio failed or is unconfirmed, 4 (check) the port is fine
but no radio answered properly, 128+N (read, write, verify, id, rssi, series)
stopped by signal N: 130 Ctrl-C (SIGINT), 143 SIGTERM, 129 SIGHUP.
</translation>
    </message>
    <message>
        <source>Every complete read also keeps a copy, byte for byte the file a save writes, in
$XDG_DATA_HOME/m27/backups (by default ~/.local/share/m27/backups), named by
the local time of the read, e.g. 20261207-064512-123.m27; the newest 1000 are
kept. A backup that cannot be written is reported (&quot;备份失败&quot;) and does not
fail the read.
</source>
        <translation>Every complete read also keeps a copy, byte for byte the file a save writes, in
$XDG_DATA_HOME/m27/backups (by default ~/.local/share/m27/backups), named by
the local time of the read, e.g. 20261207-064512-123.m27; the newest 1000 are
kept. A backup that cannot be written is reported (&quot;Backup failed&quot;) and does
not fail the read.
</translation>
    </message>
    <message>
        <source>One line per difference on standard output: the channel (1..25) and the column
(接收频率, 接收亚音, 发射频率, 发射亚音, 带宽), or the option (发射, 遇忙禁发,
FSK, 信道总数, 模式, 频率选择), then the two values. Values are compared as the
radio stores them: 450.1 and 450.10000 are the same frequency.
</source>
        <translation>One line per difference on standard output: the channel (1..25) and the column
(receive frequency, receive tone, transmit frequency, transmit tone, bandwidth),
or the option (transmit, busy lockout, FSK, channel total, mode, frequency
plan), then the two values. Values are compared as the radio stores them: 450.1
and 450.10000 are the same frequency.
</translation>
    </message>
    <message>
        <source>usage: m27 read --port DEV [--no-backup] FILE.m27
</source>
        <translation>usage: m27 read --port DEV [--no-backup] FILE.m27
</translation>
    </message>
    <message>
        <source>--no-backup keeps no backup of this read.
</source>
        <translation>--no-backup keeps no backup of this read.
</translation>
    </message>
    <message>
        <source>example:
  m27 read --port /dev/ttyUSB0 shop.m27
</source>
        <translation>example:
  m27 read --port /dev/ttyUSB0 shop.m27
</translation>
    </message>
    <message>
        <source>usage: m27 write --port DEV [--verify] FILE.m27
</source>
        <translation>usage: m27 write --port DEV [--verify] FILE.m27
</translation>
    </message>
    <message>
        <source>Opens FILE.m27 as the window&apos;s &quot;打开文件&quot; does and writes it into the radio
(&quot;开始写频&quot;): the frequencies are snapped to their raster and checked first,
with the tones, bandwidths and options; nothing is sent if anything is wrong or
the file has fewer than 132 lines. Messages go to standard error; on a terminal
a progress line counts up to 156.
</source>
        <translation>Opens FILE.m27 as the window&apos;s &quot;Open file&quot; does and writes it into the radio
(&quot;Write radio&quot;): the frequencies are snapped to their raster and checked first,
with the tones, bandwidths and options; nothing is sent if anything is wrong or
the file has fewer than 132 lines. Messages go to standard error; on a terminal
a progress line counts up to 156.
</translation>
    </message>
    <message>
        <source>Ctrl-C, SIGTERM or SIGHUP stops it after the exchange in flight: nothing more
is sent, and the radio may hold part of the file
(&quot;写频已中断：对讲机中的数据可能不完整，请重新写频&quot;), as after a radio that
stops answering half-way; write it again.
</source>
        <translation>Ctrl-C, SIGTERM or SIGHUP stops it after the exchange in flight: nothing more
is sent, and the radio may hold part of the file (&quot;Write interrupted: the data
in the radio may be incomplete. Write it again.&quot;), as after a radio that stops
answering half-way; write it again.
</translation>
    </message>
    <message>
        <source>--verify then reads the radio back as verify does and reports the same way:
         exit status 0
when the radio holds what was written, 3 when not (one line per difference), 1
when the write failed or the read-back did (the message then says the write
itself completed).
</source>
        <translation>--verify then reads the radio back as verify does and reports the same way:
         exit status 0
when the radio holds what was written, 3 when not (one line per difference), 1
when the write failed or the read-back did (the message then says the write
itself completed).
</translation>
    </message>
    <message>
        <source>example:
  m27 write --port com1 --verify shop.m27
</source>
        <translation>example:
  m27 write --port com1 --verify shop.m27
</translation>
    </message>
    <message>
        <source>usage: m27 verify --port DEV FILE.m27
</source>
        <translation>usage: m27 verify --port DEV FILE.m27
</translation>
    </message>
    <message>
        <source>Reads the radio (as read does, without a backup) and compares it with what
writing FILE.m27 would send: the options and the 25 channels.
</source>
        <translation>Reads the radio (as read does, without a backup) and compares it with what
writing FILE.m27 would send: the options and the 25 channels.
</translation>
    </message>
    <message>
        <source>Exit status 0 when they are the same, 3 when they differ.
</source>
        <translation>Exit status 0 when they are the same, 3 when they differ.
</translation>
    </message>
    <message>
        <source>example:
  m27 verify --port /dev/ttyUSB0 shop.m27
  3 接收频率 450.12500 450.13125    channel 3: the file&apos;s value, the radio&apos;s
</source>
        <translation>example:
  m27 verify --port /dev/ttyUSB0 shop.m27
  3 receive frequency 450.12500 450.13125
      channel 3: the file&apos;s value, then the radio&apos;s
</translation>
    </message>
    <message>
        <source>usage: m27 diff A.m27 B.m27
</source>
        <translation>usage: m27 diff A.m27 B.m27
</translation>
    </message>
    <message>
        <source>Compares two channel files as verify compares a file with a radio: A&apos;s value,
then B&apos;s. Nothing is printed when they are the same.
</source>
        <translation>Compares two channel files as verify compares a file with a radio: A&apos;s value,
then B&apos;s. Nothing is printed when they are the same.
</translation>
    </message>
    <message>
        <source>Exit status 0 when they are the same, 3 when they differ, 1 when a file cannot
be opened.
</source>
        <translation>Exit status 0 when they are the same, 3 when they differ, 1 when a file cannot
be opened.
</translation>
    </message>
    <message>
        <source>example:
  m27 diff monday.m27 ~/.local/share/m27/backups/20261207-064512-123.m27
</source>
        <translation>example:
  m27 diff monday.m27 ~/.local/share/m27/backups/20261207-064512-123.m27
</translation>
    </message>
    <message>
        <source>usage: m27 id read  --port DEV
       m27 id write --port DEV --start N [--count K]
</source>
        <translation>usage: m27 id read  --port DEV
       m27 id write --port DEV --start N [--count K]
</translation>
    </message>
    <message>
        <source>id read prints the radio&apos;s ID in decimal on standard output.
</source>
        <translation>id read prints the radio&apos;s ID in decimal on standard output.
</translation>
    </message>
    <message>
        <source>id write programs a series of radios. It writes N (0 .. 4294967295) into the
radio on the port; then, for each further radio, it asks on standard error to
connect the next radio and press Enter, and writes the next ID (N+1, N+2, ...;
0 follows 4294967295). A radio that does not answer keeps the ID for the next
one.
</source>
        <translation>id write programs a series of radios. It writes N (0 .. 4294967295) into the
radio on the port; then, for each further radio, it asks on standard error to
connect the next radio and press Enter, and writes the next ID (N+1, N+2, ...;
0 follows 4294967295). A radio that does not answer keeps the ID for the next
one.
</translation>
    </message>
    <message>
        <source>After each radio that took its ID it prints &quot;ID &lt;id&gt; 成功数 &lt;successes&gt;&quot; on
standard output. It stops after K radios (default 1) or at the end of the input
(Ctrl-D); the exit status is 1 if any radio failed.
</source>
        <translation>After each radio that took its ID it prints &quot;ID &lt;id&gt; successes &lt;successes&gt;&quot; on
standard output. It stops after K radios (default 1) or at the end of the input
(Ctrl-D); the exit status is 1 if any radio failed.
</translation>
    </message>
    <message>
        <source>examples:
  m27 id read --port /dev/ttyUSB0
  m27 id write --port /dev/ttyUSB0 --start 1000 --count 20
      writes 1000 into the radio on the cable now, then 1001 ... 1019 into the
      next 19, one each time you have connected the next radio and pressed Enter
</source>
        <translation>examples:
  m27 id read --port /dev/ttyUSB0
  m27 id write --port /dev/ttyUSB0 --start 1000 --count 20
      writes 1000 into the radio on the cable now, then 1001 ... 1019 into the
      next 19, one each time you have connected the next radio and pressed Enter
</translation>
    </message>
    <message>
        <source>usage: m27 monitor rssi|battery --port DEV [--csv FILE]
       m27 monitor stop --port DEV
</source>
        <translation>usage: m27 monitor rssi|battery --port DEV [--csv FILE]
       m27 monitor stop --port DEV
</translation>
    </message>
    <message>
        <source>--csv FILE  also write the samples into FILE as CSV, a line per packet as it
            arrives, as the test-mode window&apos;s 保存数据… saves them:
            &quot;seconds,rssi,snr,afc,audio&quot; or &quot;seconds,charging,ad&quot;, the seconds
            counted from the start request with three decimals. A file that
            cannot be written is told once; the monitor goes on and exits with
            status 1.
</source>
        <translation>--csv FILE  also write the samples into FILE as CSV, a line per packet as it
            arrives, as the test-mode window&apos;s Save data… saves them:
            &quot;seconds,rssi,snr,afc,audio&quot; or &quot;seconds,charging,ad&quot;, the seconds
            counted from the start request with three decimals. A file that
            cannot be written is told once; the monitor goes on and exits with
            status 1.
</translation>
    </message>
    <message>
        <source>examples:
  m27 monitor rssi --port /dev/ttyUSB0
  m27 monitor rssi --port /dev/ttyUSB0 --csv antenna.csv
</source>
        <translation>examples:
  m27 monitor rssi --port /dev/ttyUSB0
  m27 monitor rssi --port /dev/ttyUSB0 --csv antenna.csv
</translation>
    </message>
    <message>
        <source>usage: m27 rssi read   --port DEV
       m27 rssi adjust --port DEV NARROW WIDE
</source>
        <translation>usage: m27 rssi read   --port DEV
       m27 rssi adjust --port DEV NARROW WIDE
</translation>
    </message>
    <message>
        <source>rssi read prints the radio&apos;s two RSSI calibration values on standard output:
narrow band, then wide band (&quot;45 43&quot;). rssi adjust sends two new values (0 ..
255 each).
</source>
        <translation>rssi read prints the radio&apos;s two RSSI calibration values on standard output:
narrow band, then wide band (&quot;45 43&quot;). rssi adjust sends two new values (0 ..
255 each).
</translation>
    </message>
    <message>
        <source>examples:
  m27 rssi read --port /dev/ttyUSB0
  m27 rssi adjust --port /dev/ttyUSB0 42 40
</source>
        <translation>examples:
  m27 rssi read --port /dev/ttyUSB0
  m27 rssi adjust --port /dev/ttyUSB0 42 40
</translation>
    </message>
    <message>
        <source>usage: m27 csv export [--layout grid|generic] IN.m27 OUT.csv
       m27 csv import [--into BASE.m27] [--rows FIRST..LAST] [--skip-unfit]
                      IN.csv OUT.m27
</source>
        <translation>usage: m27 csv export [--layout grid|generic] IN.m27 OUT.csv
       m27 csv import [--into BASE.m27] [--rows FIRST..LAST] [--skip-unfit]
                      IN.csv OUT.m27
</translation>
    </message>
    <message>
        <source>csv export writes the 25 channels of a channel file as a spreadsheet. --layout
grid (the default) is the window&apos;s grid:
&quot;信道,接收频率,接收亚音,发射频率,发射亚音,带宽&quot;, in UTF-8 with a byte-order
mark. --layout generic is the layout hobby programming tools exchange
(Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,...,Mode,...).
</source>
        <translation>csv export writes the 25 channels of a channel file as a spreadsheet. --layout
grid (the default) is the window&apos;s grid, with its Chinese header as the file
format has it: &quot;信道,接收频率,接收亚音,发射频率,发射亚音,带宽&quot;, in UTF-8 with a
byte-order mark.
--layout generic is the layout hobby programming tools exchange
(Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,...,Mode,...).
</translation>
    </message>
    <message>
        <source>csv import reads either layout (UTF-8, or GBK as a spreadsheet saves it; lines
starting with # are comments) and puts its rows into channels 1, 2, ... of
BASE.m27 (default: the window&apos;s start-up table); the channel total becomes the
number of rows if BASE&apos;s is larger, the options and the mode stay BASE&apos;s. In
the generic layout only Frequency is needed; a missing column takes the tools&apos;
default and other columns are ignored.
</source>
        <translation>csv import reads either layout (UTF-8, or GBK as a spreadsheet saves it; lines
starting with # are comments) and puts its rows into channels 1, 2, ... of
BASE.m27 (default: the window&apos;s start-up table); the channel total becomes the
number of rows if BASE&apos;s is larger, the options and the mode stay BASE&apos;s. In
the generic layout only Frequency is needed; a missing column takes the tools&apos;
default and other columns are ignored.
</translation>
    </message>
    <message>
        <source>Every value must be one the grid could hold and a write would send: a receive
frequency within 400..490 MHz, a tone of the mode&apos;s table, 宽带 or 窄带 (FM or
NFM). The first bad value refuses the whole file, naming its line and column,
and OUT.m27 is left as it was; so does a file of more than 25 rows without
--rows, or one that leaves no row to import.
</source>
        <translation>Every value must be one the grid could hold and a write would send: a receive
frequency within 400..490 MHz, a tone of the mode&apos;s table, Wide or Narrow (宽带
or 窄带, FM or NFM). The first bad value refuses the whole file, naming its
line and column, and OUT.m27 is left as it was; so does a file of more than 25
rows without --rows, or one that leaves no row to import.
</translation>
    </message>
    <message>
        <source>examples:
  m27 csv export shop.m27 shop.csv
  m27 csv export --layout generic shop.m27 exchange.csv
  m27 csv import --into shop.m27 edited.csv shop-new.m27
  m27 csv import --rows 1..22 frs-gmrs.csv frs.m27
</source>
        <translation>examples:
  m27 csv export shop.m27 shop.csv
  m27 csv export --layout generic shop.m27 exchange.csv
  m27 csv import --into shop.m27 edited.csv shop-new.m27
  m27 csv import --rows 1..22 frs-gmrs.csv frs.m27
</translation>
    </message>
    <message>
        <source>usage: m27 ports
</source>
        <translation>usage: m27 ports
</translation>
    </message>
    <message>
        <source>Prints one line per serial port the window&apos;s port menu offers: comN, the
device, and what the system knows of it (description, manufacturer, USB
vendor:product, serial number), and &quot;busy&quot; when another program holds it. To
find out, each port is opened and closed again at once; nothing is sent.
</source>
        <translation>Prints one line per serial port the window&apos;s port menu offers: comN, the
device, and what the system knows of it (description, manufacturer, USB
vendor:product, serial number), and &quot;busy&quot; when another program holds it. To
find out, each port is opened and closed again at once; nothing is sent.
</translation>
    </message>
    <message>
        <source>The chip of a programming cable is named after its USB vendor:product: FTDI
FT232, Prolific PL2303, WCH CH340 or Silicon Labs CP210x.
</source>
        <translation>The chip of a programming cable is named after its USB vendor:product: FTDI
FT232, Prolific PL2303, WCH CH340 or Silicon Labs CP210x.
</translation>
    </message>
    <message>
        <source>example:
  m27 ports
  com1  /dev/ttyUSB0  CP2102 USB to UART Bridge Controller, Silicon Labs,
        USB 10c4:ea60 (Silicon Labs CP210x), serial 0001
</source>
        <translation>example:
  m27 ports
  com1  /dev/ttyUSB0  CP2102 USB to UART Bridge Controller, Silicon Labs,
        USB 10c4:ea60 (Silicon Labs CP210x), serial 0001
</translation>
    </message>
    <message>
        <source>usage: m27 check [--port DEV | --find [--all]]
</source>
        <translation>usage: m27 check [--port DEV | --find [--all]]
</translation>
    </message>
    <message>
        <source>Tells why the radio does not answer. On one port (DEV, or com1) it takes these
steps in order and stops at the first that fails, one line each on standard
output, &quot;✓&quot; or &quot;✗&quot; and what it found:
  1. the device exists and is a serial port (if not, the ports that do exist
     follow);
  2. this user may open it (if not, how to fix it);
  3. no other program holds it (if one does, its name and PID, from the port&apos;s
     lock file);
  4. it opens at 9600 8N1;
</source>
        <translation>Tells why the radio does not answer. On one port (DEV, or com1) it takes these
steps in order and stops at the first that fails, one line each on standard
output, &quot;✓&quot; or &quot;✗&quot; and what it found:
  1. the device exists and is a serial port (if not, the ports that do exist
     follow);
  2. this user may open it (if not, how to fix it);
  3. no other program holds it (if one does, its name and PID, from the port&apos;s
     lock file);
  4. it opens at 9600 8N1;
</translation>
    </message>
    <message>
        <source>  5. the radio answers a request for its ID, which changes nothing in it (three
     tries): &quot;连接正常&quot; with the ID and the round trip; only the request&apos;s echo
     (the cable works, the radio is off or its plug loose); data that makes no
     reply (another radio or cable); or nothing at all.
Nothing but that request is ever sent, and nothing to a device that is not a
serial port.
</source>
        <translation>  5. the radio answers a request for its ID, which changes nothing in it (three
     tries): &quot;Connection OK&quot; with the ID and the round trip; only the request&apos;s
     echo (the cable works, the radio is off or its plug loose); data that
     makes no reply (another radio or cable); or nothing at all.
Nothing but that request is ever sent, and nothing to a device that is not a
serial port.
</translation>
    </message>
    <message>
        <source>--find checks every port on a programming cable&apos;s USB chip (drivers ftdi_sio,
       pl2303, ch341,
cp210x) and every port a --port comN=DEV before the command maps, all at once,
one line per port, and names the one the radio is on (&quot;对讲机在 com2
(/dev/ttyUSB1)&quot;). Any other serial port is listed &quot;未检测：不是常见的写频线&quot;
and left alone, since opening a port toggles its control lines and resets an
Arduino board or a 3D printer; --all checks those too. Without --port, while
com1 maps to nothing, check searches the same way.
</source>
        <translation>--find checks every port on a programming cable&apos;s USB chip (drivers ftdi_sio,
       pl2303, ch341,
cp210x) and every port a --port comN=DEV before the command maps, all at once,
one line per port, and names the one the radio is on (&quot;The radio is on com2
(/dev/ttyUSB1)&quot;). Any other serial port is listed &quot;Not checked: not a usual
programming cable&quot; and left alone, since opening a port toggles its control
lines and resets an Arduino board or a 3D printer;
--all checks those too.
Without --port, while com1 maps to nothing, check searches the same way.
</translation>
    </message>
    <message>
        <source>Exit status 0 when the radio answered (--find: one radio), 1 when a port step
failed, 3 when --find found several radios, 4 when the port is fine but no
radio answered properly.
</source>
        <translation>Exit status 0 when the radio answered (--find: one radio), 1 when a port step
failed, 3 when --find found several radios, 4 when the port is fine but no
radio answered properly.
</translation>
    </message>
    <message>
        <source>examples:
  m27 check --port /dev/ttyUSB0
  m27 --port com3=/dev/ttyUSB2 check --find
</source>
        <translation>examples:
  m27 check --port /dev/ttyUSB0
  m27 --port com3=/dev/ttyUSB2 check --find
</translation>
    </message>
    <message>
        <source>usage: m27 series TEMPLATE.m27 --ids FIRST..LAST [--port DEV]... [--keep-id]
                  [--log FILE] [--new-log] [--count N] [--report FILE.html]
</source>
        <translation>usage: m27 series TEMPLATE.m27 --ids FIRST..LAST [--port DEV]... [--keep-id]
                  [--log FILE] [--new-log] [--count N] [--report FILE.html]
</translation>
    </message>
    <message>
        <source>Programs radios one after another with one template and an ID each. Every
--port is a station (default com1), all working at once. A station asks for a
radio&apos;s ID every 0.5 s until one answers, writes TEMPLATE.m27 into it as write
does, reads it back and compares, takes the lowest free ID of FIRST..LAST (0 is
never handed out), logs it as reserved, writes it and reads it back, logs the
radio and waits until it is taken off. A radio the log holds as done with this
template, and whose memory holds the template, is left as it is. A radio that
fails ends alone; its ID, if it was not yet sent, goes to the next one. An ID
the log names is never handed out again.
</source>
        <translation>Programs radios one after another with one template and an ID each. Every
--port is a station (default com1), all working at once. A station asks for a
radio&apos;s ID every 0.5 s until one answers, writes TEMPLATE.m27 into it as write
does, reads it back and compares, takes the lowest free ID of FIRST..LAST (0 is
never handed out), logs it as reserved, writes it and reads it back, logs the
radio and waits until it is taken off. A radio the log holds as done with this
template, and whose memory holds the template, is left as it is. A radio that
fails ends alone; its ID, if it was not yet sent, goes to the next one. An ID
the log names is never handed out again.
</translation>
    </message>
    <message>
        <source>  --ids FIRST..LAST  the IDs to hand out (0 .. 4294967295), lowest first
  --keep-id          a radio keeps the ID it answers with, unless that ID is 0
                     or another radio of this job already kept or got it;
                     earlier jobs&apos; lines do not take it away (a logged ID
                     answering is taken to be that radio, so two radios sharing
                     an ID across jobs keep it)
  --log FILE         the log instead of $XDG_DATA_HOME/m27/series.csv (by
                     default ~/.local/share/m27/series.csv), one for every job
  --new-log          create the log if it does not exist yet; a folder --log
                     names is never made (the default one is the program&apos;s
                     own); without it a missing log is refused, so that a typo
                     cannot start a second pool of IDs
  --count N          end after N radios done
</source>
        <translation>  --ids FIRST..LAST  the IDs to hand out (0 .. 4294967295), lowest first
  --keep-id          a radio keeps the ID it answers with, unless that ID is 0
                     or another radio of this job already kept or got it;
                     earlier jobs&apos; lines do not take it away (a logged ID
                     answering is taken to be that radio, so two radios sharing
                     an ID across jobs keep it)
  --log FILE         the log instead of $XDG_DATA_HOME/m27/series.csv (by
                     default ~/.local/share/m27/series.csv), one for every job
  --new-log          create the log if it does not exist yet; a folder --log
                     names is never made (the default one is the program&apos;s
                     own); without it a missing log is refused, so that a typo
                     cannot start a second pool of IDs
  --count N          end after N radios done
</translation>
    </message>
    <message>
        <source>  --report FILE.html when the job ends, also by a signal (then marked 已中断),
                     write its delivery report there: one page for A4 with the
                     template, its fingerprint, options and channels, the start
                     and end, the stations, a row per radio of this job (time,
                     port, old and new ID, result, step, seconds) and the totals
</source>
        <translation>  --report FILE.html when the job ends, also by a signal (then marked
           interrupted), write its delivery report there: one page for A4 with
           the template, its fingerprint, options and channels, the start and
           end, the stations, a row per radio of this job (time, port, old and
           new ID, result, step, seconds) and the totals
</translation>
    </message>
    <message>
        <source>A line per radio on standard output (&quot;com1  ID 5003  完成  3.7 s&quot;, or what
failed), then &quot;完成 N 台，失败 M 台，用时 T s，平均每台 S s&quot;, with
&quot;，中断 K 台&quot; after the failures when K radios were interrupted; on a terminal
a line per station on standard error, redrawn in place. The log has a CSV line
per event: time,port,old_id,new_id,result,step,seconds,template_sha256,detail.
</source>
        <translation>A line per radio on standard output (&quot;com1  ID 5003  Done  3.7 s&quot;, or what
failed), then &quot;Done N, failed M, T s in all, S s each on average&quot;, with
&quot;, interrupted K&quot; after the failures when K radios were interrupted; on a
terminal a line per station on standard error, redrawn in place. The log has a
CSV line per event:
time,port,old_id,new_id,result,step,seconds,template_sha256,detail.
</translation>
    </message>
    <message>
        <source>The job ends when no ID is left, after N radios, or on Ctrl-C (SIGINT), SIGTERM
or SIGHUP: each station stops after the exchange in flight, and a radio caught
half-way is logged as interrupted (&quot;中断&quot;: its data may be incomplete).
</source>
        <translation>The job ends when no ID is left, after N radios, or on Ctrl-C (SIGINT), SIGTERM
or SIGHUP: each station stops after the exchange in flight, and a radio caught
half-way is logged as interrupted (&quot;Interrupted&quot;: its data may be incomplete).
</translation>
    </message>
    <message>
        <source>Exit status: 0 no radio failed, 3 a radio failed or is unconfirmed (interrupted
ones do not count), 1 the job could not start (template, log, range, no port
opened) or go on (a log line failed, every port lost) or its report could not
be written, 2 wrong usage, 128+N stopped by signal N.
</source>
        <translation>Exit status: 0 no radio failed, 3 a radio failed or is unconfirmed (interrupted
ones do not count), 1 the job could not start (template, log, range, no port
opened) or go on (a log line failed, every port lost) or its report could not
be written, 2 wrong usage, 128+N stopped by signal N.
</translation>
    </message>
    <message>
        <source>examples:
  m27 series shop.m27 --ids 5000..5199 --port /dev/ttyUSB0 --port /dev/ttyUSB1
  m27 series shop.m27 --ids 5200..5299 --count 20 --report order-17.html
  m27 --fake-radio series demo.m27 --ids 1..10 --log demo.csv --new-log
      the bundled radio, swapped for a fresh one 1.5 s after each radio
</source>
        <translation>examples:
  m27 series shop.m27 --ids 5000..5199 --port /dev/ttyUSB0 --port /dev/ttyUSB1
  m27 series shop.m27 --ids 5200..5299 --count 20 --report order-17.html
  m27 --fake-radio series demo.m27 --ids 1..10 --log demo.csv --new-log
      the bundled radio, swapped for a fresh one 1.5 s after each radio
</translation>
    </message>
    <message>
        <source>examples:
  m27 read --port /dev/ttyUSB0 shop.m27
  m27 write --port /dev/ttyUSB0 shop.m27
  m27 id write --port /dev/ttyUSB0 --start 100 --count 50
      series programming: 100 into this radio, then 101, 102, ... into each
      next one after you have connected it and pressed Enter
  m27 --fake-radio read demo.m27       try it without a radio
</source>
        <translation>examples:
  m27 read --port /dev/ttyUSB0 shop.m27
  m27 write --port /dev/ttyUSB0 shop.m27
  m27 id write --port /dev/ttyUSB0 --start 100 --count 50
      series programming: 100 into this radio, then 101, 102, ... into each
      next one after you have connected it and pressed Enter
  m27 --fake-radio read demo.m27       try it without a radio
</translation>
    </message>
    <message>
        <source>try &apos;%1&apos;</source>
        <extracomment>The second line of a wrong command line; %1 is the help to read, &quot;m27 series --help&quot;.</extracomment>
        <translation>try &apos;%1&apos;</translation>
    </message>
    <message>
        <source>找不到文件：%1</source>
        <translation>File not found: %1</translation>
    </message>
    <message>
        <source>--port %1: no such port (--port %1=DEVICE before the command sets one)</source>
        <translation>--port %1: no such port (--port %1=DEVICE before the command sets one)</translation>
    </message>
    <message>
        <source>--port %1 and --port %2 are the same device</source>
        <translation>--port %1 and --port %2 are the same device</translation>
    </message>
    <message>
        <source> (--new-log creates it)</source>
        <translation> (--new-log creates it)</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>校验已中断</source>
        <translation>Verify interrupted</translation>
    </message>
    <message>
        <source>usage: m27 [--port comN=DEVICE]... [--trace FILE] [--language zh|en]
           [--fake-radio] [FILE.m27]
       m27 [--port comN=DEVICE]... [--trace FILE] [--language zh|en] COMMAND
           [--port DEV | --fake-radio] [ARGS...]

Without a command m27 opens its window, on FILE.m27 if one is named; port 1
is opened at start-up.
With a command it works on the command line, without a window or a display.

options:
  --port comN=DEVICE  before the command: let port N (1..16) open DEVICE, for
                      example --port com1=/dev/ttyUSB0; may be repeated.
                      By default the system&apos;s serial ports are numbered from 1,
                      USB adapters (ttyUSB*, ttyACM*) first.
  --fake-radio        start the bundled radio model m27-fake-radio and put it on
                      port 1 (set M27_FAKE_RADIO to use another program)
  --trace FILE        before the command: append every chunk of bytes that
                      crosses the port to FILE, one line each: milliseconds
                      since the port opened, &gt; sent or &lt; received, the bytes
                      in hexadecimal (12.345 &gt; 53 03 00 00 04 5A); for a bug
                      report
  --language zh|en    before the command: speak Chinese or English for this run;
                      by default LANGUAGE, LC_MESSAGES and LANG decide, and
                      the C locale keeps the texts as written
  --version           print the program&apos;s version
  -h, --help          show this text; m27 COMMAND --help shows a command&apos;s
</source>
        <translation>usage: m27 [--port comN=DEVICE]... [--trace FILE] [--language zh|en]
           [--fake-radio] [FILE.m27]
       m27 [--port comN=DEVICE]... [--trace FILE] [--language zh|en] COMMAND
           [--port DEV | --fake-radio] [ARGS...]

Without a command m27 opens its window, on FILE.m27 if one is named; port 1
is opened at start-up.
With a command it works on the command line, without a window or a display.

options:
  --port comN=DEVICE  before the command: let port N (1..16) open DEVICE, for
                      example --port com1=/dev/ttyUSB0; may be repeated.
                      By default the system&apos;s serial ports are numbered from 1,
                      USB adapters (ttyUSB*, ttyACM*) first.
  --fake-radio        start the bundled radio model m27-fake-radio and put it on
                      port 1 (set M27_FAKE_RADIO to use another program)
  --trace FILE        before the command: append every chunk of bytes that
                      crosses the port to FILE, one line each: milliseconds
                      since the port opened, &gt; sent or &lt; received, the bytes
                      in hexadecimal (12.345 &gt; 53 03 00 00 04 5A); for a bug
                      report
  --language zh|en    before the command: speak Chinese or English for this run;
                      by default LANGUAGE, LC_MESSAGES and LANG decide, and
                      the C locale keeps the texts as written
  --version           print the program&apos;s version
  -h, --help          show this text; m27 COMMAND --help shows a command&apos;s
</translation>
    </message>
    <message>
        <source>Puts the radio into a test-mode monitor and prints each packet it sends as one
line on standard output, until Ctrl-C (SIGINT), SIGTERM or SIGHUP (the terminal
closed); then it stops the monitor and exits. &quot;m27 monitor stop&quot; only sends the
stop request, for a stream a killed process left running.
  rssi:    RSSI SNR AFC AUDIO   (registers 68, 102, 70, 74; SNR and AFC signed)
  battery: AD CHARGE            (the battery AD value; 1 while charging, else 0)
</source>
        <translation>Puts the radio into a test-mode monitor and prints each packet it sends as one
line on standard output, until Ctrl-C (SIGINT), SIGTERM or SIGHUP (the terminal
closed); then it stops the monitor and exits. &quot;m27 monitor stop&quot; only sends the
stop request, for a stream a killed process left running.
  rssi:    RSSI SNR AFC AUDIO   (registers 68, 102, 70, 74; SNR and AFC signed)
  battery: AD CHARGE            (the battery AD value; 1 while charging, else 0)
</translation>
    </message>
    <message>
        <source>  --rows FIRST..LAST  take only these rows (from 1, in file order, comments not
                      counted; at most 25)
  --skip-unfit        leave out the rows this radio cannot hold, each named on
                      stderr: &quot;跳过第N个：...&quot; (N as --rows counts): a
                      frequency outside 400..490 MHz, a tone its table lacks,
                      a mode other than FM and NFM, a transmit frequency out
                      of range; after --rows
</source>
        <translation>  --rows FIRST..LAST  take only these rows (from 1, in file order, comments not
                      counted; at most 25)
  --skip-unfit        leave out the rows this radio cannot hold, each named on
                      stderr: &quot;Skipped row N: ...&quot; (N as --rows counts): a
                      frequency outside 400..490 MHz, a tone its table lacks,
                      a mode other than FM and NFM, a transmit frequency out
                      of range; after --rows
</translation>
    </message>
    <message>
        <source>commands (each works without a window; m27 COMMAND --help tells more):
  read    --port DEV FILE.m27          read the radio into a channel file
                                       (and a backup)
  write   --port DEV FILE.m27          write a channel file into the radio
                                       (--verify: read it back and compare)
  verify  --port DEV FILE.m27          compare the radio with a channel file
  diff    A.m27 B.m27                  compare two channel files
  id read --port DEV                   print the radio&apos;s ID
  id write --port DEV --start N [--count K]
                                       write IDs N, N+1, ... into K radios
                                       in turn
  monitor rssi|battery|stop --port DEV print the test-mode stream until Ctrl-C
  rssi read --port DEV                 print the two RSSI calibration values
  rssi adjust --port DEV NARROW WIDE   set them
  csv export [--layout grid|generic] IN.m27 OUT.csv
                                       a channel file&apos;s channels as a
                                       spreadsheet
  csv import [--into BASE.m27] [--rows FIRST..LAST] [--skip-unfit]
          IN.csv OUT.m27               a spreadsheet&apos;s rows into a channel file
  ports                                list the serial ports as com1, com2, ...
  check [--port DEV | --find [--all]]  why the radio does not answer, or
                                       where it is
  series TEMPLATE.m27 --ids FIRST..LAST [--port DEV]... [--keep-id] [--log FILE]
          [--new-log] [--count N] [--report FILE.html]
                                       program radios one after another, an
                                       ID each
</source>
        <translation>commands (each works without a window; m27 COMMAND --help tells more):
  read    --port DEV FILE.m27          read the radio into a channel file
                                       (and a backup)
  write   --port DEV FILE.m27          write a channel file into the radio
                                       (--verify: read it back and compare)
  verify  --port DEV FILE.m27          compare the radio with a channel file
  diff    A.m27 B.m27                  compare two channel files
  id read --port DEV                   print the radio&apos;s ID
  id write --port DEV --start N [--count K]
                                       write IDs N, N+1, ... into K radios
                                       in turn
  monitor rssi|battery|stop --port DEV print the test-mode stream until Ctrl-C
  rssi read --port DEV                 print the two RSSI calibration values
  rssi adjust --port DEV NARROW WIDE   set them
  csv export [--layout grid|generic] IN.m27 OUT.csv
                                       a channel file&apos;s channels as a
                                       spreadsheet
  csv import [--into BASE.m27] [--rows FIRST..LAST] [--skip-unfit]
          IN.csv OUT.m27               a spreadsheet&apos;s rows into a channel file
  ports                                list the serial ports as com1, com2, ...
  check [--port DEV | --find [--all]]  why the radio does not answer, or
                                       where it is
  series TEMPLATE.m27 --ids FIRST..LAST [--port DEV]... [--keep-id] [--log FILE]
          [--new-log] [--count N] [--report FILE.html]
                                       program radios one after another, an
                                       ID each
</translation>
    </message>
    <message>
        <source>Reads the radio&apos;s options and its 25 channels and saves them to FILE.m27, as
the window&apos;s &quot;读取频率&quot; followed by &quot;保存文件&quot; would. FILE is replaced only
after a complete read. Messages go to standard error; on a terminal a progress
line shows &quot;正在读频...... 45/75&quot;.
</source>
        <translation>Reads the radio&apos;s options and its 25 channels and saves them to FILE.m27, as
the window&apos;s &quot;Read radio&quot; followed by &quot;Save file&quot; would. FILE is replaced
only after a complete read. Messages go to standard error; on a terminal a
progress line shows &quot;Reading...... 45/75&quot;.
</translation>
    </message>
    <message>
        <source>Ctrl-C, SIGTERM or SIGHUP stops it after the exchange in flight: nothing more
is sent and FILE stays as it was (&quot;读频已中断&quot;).
</source>
        <translation>Ctrl-C, SIGTERM or SIGHUP stops it after the exchange in flight: nothing more
is sent and FILE stays as it was (&quot;Read interrupted&quot;).
</translation>
    </message>
    <message>
        <source>no programming cable and no --port comN=DEVICE to search</source>
        <translation>no programming cable and no --port comN=DEVICE to search</translation>
    </message>
    <message>
        <source>no serial ports found (--port comN=DEVICE before the command sets one)</source>
        <translation>no serial ports found (--port comN=DEVICE before the command sets one)</translation>
    </message>
    <message>
        <source>com%1 (no device; --port com%1=DEVICE before the command sets one)</source>
        <translation>com%1 (no device; --port com%1=DEVICE before the command sets one)</translation>
    </message>
</context>
<context>
    <name>files</name>
    <message>
        <source>接收频率</source>
        <translation>receive frequency</translation>
    </message>
    <message>
        <source>发射频率</source>
        <translation>transmit frequency</translation>
    </message>
    <message>
        <source>第%1行（%2）：“%3”不是有效的频率</source>
        <translation>Line %1 (%2): “%3” is not a valid frequency</translation>
    </message>
    <message>
        <source>打开文件失败
%1
%2</source>
        <translation>Cannot open the file
%1
%2</translation>
    </message>
    <message>
        <source>文件是空的</source>
        <translation>The file is empty</translation>
    </message>
    <message numerus="yes">
        <source>文件不完整：只读到%n行</source>
        <translation>
            <numerusform>The file is incomplete: only %n line was read</numerusform>
            <numerusform>The file is incomplete: only %n lines were read</numerusform>
        </translation>
    </message>
    <message>
        <source>第%1行不是有效的GBK文字</source>
        <translation>Line %1 is not valid GBK text</translation>
    </message>
    <message>
        <source>没有用户数据文件夹</source>
        <translation>There is no user data folder</translation>
    </message>
    <message>
        <source>备份失败
%1
%2</source>
        <translation>Backup failed
%1
%2</translation>
    </message>
    <message>
        <source>文件中没有表头</source>
        <translation>The file has no header</translation>
    </message>
    <message>
        <source>第%1行：表头应为“信道,接收频率,接收亚音,发射频率,发射亚音,带宽”或含Frequency列的通用格式</source>
        <translation>Line %1: the header must be “信道,接收频率,接收亚音,发射频率,发射亚音,带宽” or the generic layout with a Frequency column</translation>
    </message>
    <message numerus="yes">
        <source>第%1行：信道多于25个（文件中有%n个），可用--rows FIRST..LAST选取其中至多25个</source>
        <translation>
            <numerusform>Line %1: more than 25 channels (the file has %n), choose at most 25 of them with --rows FIRST..LAST</numerusform>
            <numerusform>Line %1: more than 25 channels (the file has %n), choose at most 25 of them with --rows FIRST..LAST</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>--rows %1..%2：文件中有%n个信道，一次至多导入25个</source>
        <translation>
            <numerusform>--rows %1..%2: the file has %n channel, and at most 25 are imported at a time</numerusform>
            <numerusform>--rows %1..%2: the file has %n channels, and at most 25 are imported at a time</numerusform>
        </translation>
    </message>
    <message>
        <source>没有可导入的信道</source>
        <translation>No channel to import</translation>
    </message>
    <message>
        <source>导出CSV失败
%1
%2</source>
        <translation>Cannot export the CSV file
%1
%2</translation>
    </message>
    <message>
        <source>导入CSV失败
%1
%2</source>
        <translation>Cannot import the CSV file
%1
%2</translation>
    </message>
    <message>
        <source>“%1”不是频率</source>
        <translation>“%1” is not a frequency</translation>
    </message>
    <message>
        <source>“%1”比10 Hz更细</source>
        <translation>“%1” is finer than 10 Hz</translation>
    </message>
    <message>
        <source>“%1”不是FM或NFM</source>
        <translation>“%1” is not FM or NFM</translation>
    </message>
    <message>
        <source>“%1”不是空、+、-或split</source>
        <translation>“%1” is not empty, +, - or split</translation>
    </message>
    <message>
        <source>第%1信道%2：%3</source>
        <translation>Channel %1 %2: %3</translation>
    </message>
    <message>
        <source>“%1”不是X-&gt;Y（X、Y为Tone、DTCS或空）</source>
        <translation>“%1” is not X-&gt;Y (X and Y being Tone, DTCS or empty)</translation>
    </message>
    <message>
        <source>“%1”不是空、Tone、TSQL、DTCS、Cross、TSQL-R或DTCS-R</source>
        <translation>“%1” is not empty, Tone, TSQL, DTCS, Cross, TSQL-R or DTCS-R</translation>
    </message>
    <message>
        <source>“%1”不是DCS码</source>
        <translation>“%1” is not a DCS code</translation>
    </message>
    <message>
        <source>“%1”不是NN、NR、RN或RR</source>
        <translation>“%1” is not NN, NR, RN or RR</translation>
    </message>
    <message>
        <source>“%1”不是CTCSS亚音</source>
        <translation>“%1” is not a CTCSS tone</translation>
    </message>
    <message>
        <source>应有6列，实有%1列</source>
        <translation>Expected 6 columns, found %1</translation>
    </message>
    <message>
        <source>信道号应为%1</source>
        <translation>The channel number must be %1</translation>
    </message>
    <message>
        <source>第%1行第%2列（%3）：%4</source>
        <translation>Line %1, column %2 (%3): %4</translation>
    </message>
    <message>
        <source>第%1行第%2列：%3</source>
        <translation>Line %1, column %2: %3</translation>
    </message>
    <message>
        <source>第%1行（%2）：%3</source>
        <translation>Line %1 (%2): %3</translation>
    </message>
    <message>
        <source>第%1行：%2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>跳过第%1个：%2%3</source>
        <translation>Skipped row %1: %2 %3</translation>
    </message>
    <message>
        <source>文件以UTF-8标记开头，却不是有效的UTF-8文字</source>
        <translation>The file starts with a UTF-8 mark but is not valid UTF-8 text</translation>
    </message>
    <message>
        <source>文件既不是UTF-8也不是GBK文字</source>
        <translation>The file is neither UTF-8 nor GBK text</translation>
    </message>
    <message>
        <source>引号没有结束</source>
        <translation>The quote is not closed</translation>
    </message>
    <message>
        <source>引号后还有文字</source>
        <translation>Text after a closing quote</translation>
    </message>
    <message>
        <source>“%1”不是频率（只可有数字和一个小数点，最多9个字符）</source>
        <translation>“%1” is not a frequency (digits and one decimal point only, at most 9 characters)</translation>
    </message>
    <message>
        <source>“%1”不在400～490 MHz之内</source>
        <translation>“%1” is not within 400–490 MHz</translation>
    </message>
    <message>
        <source>“%1”超出电台能存放的发射频率</source>
        <translation>“%1” is a transmit frequency the radio cannot store</translation>
    </message>
    <message>
        <source>“%1”不是专业模式的亚音</source>
        <translation>“%1” is not a CTCSS/DCS tone of the professional mode</translation>
    </message>
    <message>
        <source>“%1”不是普通模式的亚音</source>
        <translation>“%1” is not a CTCSS/DCS tone of the normal mode</translation>
    </message>
    <message>
        <source>“%1”不是带宽（宽带或窄带）</source>
        <translation>“%1” is not a bandwidth (Wide or Narrow)</translation>
    </message>
    <message>
        <source>保存文件失败
%1
%2</source>
        <translation>Cannot save the file
%1
%2</translation>
    </message>
    <message>
        <source>第%1行含有换行符</source>
        <translation>Line %1 holds a line break</translation>
    </message>
    <message>
        <source>第%1行含有GBK无法表示的字符</source>
        <translation>Line %1 holds a character GBK cannot encode</translation>
    </message>
    <message>
        <source>文件将大于%1字节</source>
        <translation>The file would be larger than %1 bytes</translation>
    </message>
    <message>
        <source>文件大于%1字节</source>
        <translation>The file is larger than %1 bytes</translation>
    </message>
</context>
<context>
    <name>grid</name>
    <message>
        <source>第%1信道 %2</source>
        <translation>Channel %1 %2</translation>
    </message>
    <message>
        <source>已有25个信道，不能再插入信道</source>
        <translation>There are 25 channels already: no more can be inserted</translation>
    </message>
    <message>
        <source>不能删除全部信道</source>
        <translation>Cannot delete every channel</translation>
    </message>
    <message>
        <source>粘贴超出了信道总数：%1</source>
        <translation>The paste goes past the channel total: %1</translation>
    </message>
    <message>
        <source>%1：没有值</source>
        <translation>%1: no value</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>粘贴超出了最后一列</source>
        <translation>The paste goes past the last column</translation>
    </message>
    <message>
        <source>粘贴的各行列数不同</source>
        <translation>The pasted rows have different numbers of cells</translation>
    </message>
    <message>
        <source>粘贴超出了信道总数</source>
        <translation>The paste goes past the channel total</translation>
    </message>
</context>
<context>
    <name>link</name>
    <message>
        <source>正在写频......</source>
        <translation>Writing radio...</translation>
    </message>
    <message>
        <source>正在读频......</source>
        <translation>Reading radio...</translation>
    </message>
    <message>
        <source>串口已断开，请检查数据线</source>
        <translation>The serial port was disconnected. Check the programming cable.</translation>
    </message>
    <message>
        <source>请打开通信端口</source>
        <translation>Please open the communication port</translation>
    </message>
    <message>
        <source>请设置串口</source>
        <translation>Please set the serial port</translation>
    </message>
    <message>
        <source>未知程序</source>
        <translation>unknown program</translation>
    </message>
    <message>
        <source>没有找到任何串口</source>
        <translation>No serial ports found</translation>
    </message>
    <message>
        <source>现有串口：</source>
        <translation>Serial ports present:</translation>
    </message>
    <message>
        <source>串口不存在：%1</source>
        <translation>Serial port does not exist: %1</translation>
    </message>
    <message>
        <source>不是串口：%1</source>
        <translation>Not a serial port: %1</translation>
    </message>
    <message>
        <source>串口存在：%1</source>
        <translation>Serial port exists: %1</translation>
    </message>
    <message>
        <source>没有权限打开串口 %1</source>
        <translation>No permission to open serial port %1</translation>
    </message>
    <message>
        <source>有权限打开串口</source>
        <translation>Permission to open the serial port</translation>
    </message>
    <message>
        <source>串口已由本程序打开</source>
        <translation>The serial port is open in this program</translation>
    </message>
    <message>
        <source>串口已被占用：%1，被 %2 (PID %3) 占用</source>
        <translation>Serial port in use: %1, by %2 (PID %3)</translation>
    </message>
    <message>
        <source>串口空闲</source>
        <translation>Serial port free</translation>
    </message>
    <message>
        <source>串口已打开：9600,n,8,1</source>
        <translation>Serial port open: 9600,n,8,1</translation>
    </message>
    <message>
        <source>未检测：不是常见的写频线</source>
        <translation>Not checked: not a common programming cable</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>对讲机在 %1</source>
        <translation>Radio found on %1</translation>
    </message>
    <message>
        <source>没有找到对讲机</source>
        <translation>No radio found</translation>
    </message>
    <message>
        <source>串口已被占用：%1</source>
        <translation>Serial port in use: %1</translation>
    </message>
    <message>
        <source>串口无法打开：%1（%2）</source>
        <translation>Cannot open serial port %1 (%2)</translation>
    </message>
    <message>
        <source>请把自己加入dialout组：sudo usermod -aG dialout $USER，然后重新登录</source>
        <translation>Add yourself to the dialout group: sudo usermod -aG dialout $USER, then log in again</translation>
    </message>
    <message>
        <source>读频出错</source>
        <translation>Read error</translation>
    </message>
    <message>
        <source>读写完成</source>
        <translation>Transfer complete</translation>
    </message>
    <message>
        <source>读频完成</source>
        <translation>Read complete</translation>
    </message>
    <message>
        <source>信道数出错</source>
        <translation>Channel count error</translation>
    </message>
    <message>
        <source>通讯失败，请检查对讲机是否进入写频模式</source>
        <translation>Communication failed. Check that the radio is in programming mode.</translation>
    </message>
    <message>
        <source>对讲机中的数据可能不完整，请重新写频</source>
        <translation>The radio&apos;s data may be incomplete. Please write the radio again.</translation>
    </message>
    <message>
        <source>通讯失败</source>
        <translation>Communication failed</translation>
    </message>
    <message>
        <source>写频完成</source>
        <translation>Write complete</translation>
    </message>
    <message>
        <source>通讯失败，请检查对讲机是否进入写频模式
对讲机中的数据可能不完整，请重新写频</source>
        <translation>Communication failed. Check that the radio is in programming mode.
The radio&apos;s data may be incomplete. Please write the radio again.</translation>
    </message>
</context>
<context>
    <name>m27::ChannelGrid</name>
    <message>
        <source>信道设置</source>
        <translation>Channels</translation>
    </message>
    <message>
        <source>复制(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>粘贴(&amp;P)</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>上移</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>下移</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>插入信道</source>
        <translation>Insert channel</translation>
    </message>
    <message>
        <source>删除信道</source>
        <translation>Delete channels</translation>
    </message>
    <message>
        <source>向下填充</source>
        <translation>Fill down</translation>
    </message>
</context>
<context>
    <name>m27::ChannelModel</name>
    <message>
        <source>编辑信道</source>
        <translation>Edit channel</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>上移</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>下移</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>移动信道</source>
        <translation>Move channel</translation>
    </message>
    <message>
        <source>插入信道</source>
        <translation>Insert channel</translation>
    </message>
    <message>
        <source>删除信道</source>
        <translation>Delete channels</translation>
    </message>
    <message>
        <source>向下填充</source>
        <translation>Fill down</translation>
    </message>
</context>
<context>
    <name>m27::ConnectionCheckDialog</name>
    <message>
        <source>连接检测</source>
        <translation>Connection check</translation>
    </message>
    <message>
        <source>重新检测</source>
        <translation>Check &amp;again</translation>
    </message>
    <message>
        <source>自动查找</source>
        <translation>Find radio</translation>
    </message>
    <message>
        <source>也检测其他串口</source>
        <translation>Also check &amp;other serial ports</translation>
    </message>
    <message>
        <source>串口：%1</source>
        <translation>Port: %1</translation>
    </message>
    <message>
        <source>正在查找……</source>
        <translation>Searching…</translation>
    </message>
</context>
<context>
    <name>m27::CsvImportDialog</name>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>导入CSV</source>
        <translation>Import CSV</translation>
    </message>
    <message>
        <source>文件中有%1个信道，对讲机最多存放%2个。
请选择要导入的一段（按文件中的顺序）：</source>
        <translation>The file holds %1 channels; the radio holds %2 at most.
Choose the channels to import (in the file&apos;s order):</translation>
    </message>
    <message>
        <source>第%1至%2个</source>
        <translation>Channels %1 to %2</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>&amp;Import</translation>
    </message>
    <message numerus="yes">
        <source>以下%n行对讲机无法存放，导入时将跳过：</source>
        <translation>
            <numerusform>The radio cannot hold the row below; it will be skipped:</numerusform>
            <numerusform>The radio cannot hold the %n rows below; they will be skipped:</numerusform>
        </translation>
    </message>
    <message>
        <source>跳过并导入</source>
        <translation>&amp;Skip and import</translation>
    </message>
</context>
<context>
    <name>m27::EngineeringDialog</name>
    <message>
        <source>工程模式</source>
        <translation>Engineering mode</translation>
    </message>
    <message>
        <source>数据读取</source>
        <translation>&amp;Read values</translation>
    </message>
    <message>
        <source>RSSI调整</source>
        <translation>RSSI adjustment</translation>
    </message>
    <message>
        <source>RSSI窄带</source>
        <translation>RSSI narrow</translation>
    </message>
    <message>
        <source>RSSI宽带</source>
        <translation>RSSI wide</translation>
    </message>
    <message>
        <source>调整</source>
        <translation>&amp;Adjust</translation>
    </message>
</context>
<context>
    <name>m27::ExchangeController</name>
    <message>
        <source>向对讲机读入数据</source>
        <translation>Reading from the radio</translation>
    </message>
    <message>
        <source>向对讲机写入数据</source>
        <translation>Writing to the radio</translation>
    </message>
    <message>
        <source>正在读频......</source>
        <translation>Reading......</translation>
    </message>
    <message>
        <source>正在写频......</source>
        <translation>Writing......</translation>
    </message>
    <message>
        <source>读频完成</source>
        <translation>Read complete</translation>
    </message>
    <message>
        <source>写频完成</source>
        <translation>Write complete</translation>
    </message>
    <message>
        <source>通讯失败</source>
        <translation>Communication failed</translation>
    </message>
    <message>
        <source>读频出错</source>
        <translation>Read error</translation>
    </message>
    <message>
        <source>串口</source>
        <translation>Serial port</translation>
    </message>
</context>
<context>
    <name>m27::FileController</name>
    <message>
        <source>通讯记录失败：%1：%2</source>
        <translation>Serial trace failed: %1: %2</translation>
    </message>
    <message>
        <source>设置保存失败：%1</source>
        <translation>Could not save the settings: %1</translation>
    </message>
    <message>
        <source>当前信道数据已修改，是否保存？</source>
        <translation>The channel data has changed. Save it?</translation>
    </message>
    <message>
        <source>导入CSV</source>
        <translation>Import CSV</translation>
    </message>
    <message>
        <source>通讯记录失败
%1
%2</source>
        <translation>Serial trace failed
%1
%2</translation>
    </message>
</context>
<context>
    <name>m27::MainWindow</name>
    <message>
        <source>跟随系统(&amp;S)</source>
        <translation>&amp;System language</translation>
    </message>
    <message>
        <source>中文(&amp;Z)</source>
        <translation>中文(&amp;Z)</translation>
    </message>
    <message>
        <source>开始写频(&amp;S)</source>
        <translation>&amp;Write radio</translation>
    </message>
    <message>
        <source>读取频率(&amp;E)</source>
        <translation>R&amp;ead radio</translation>
    </message>
    <message>
        <source>打开文件</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>保存文件</source>
        <translation>Save file</translation>
    </message>
    <message>
        <source>接收</source>
        <translation>RX</translation>
    </message>
    <message>
        <source>发射</source>
        <translation>TX</translation>
    </message>
    <message>
        <source>文件(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>打开文件(&amp;O)</source>
        <translation>&amp;Open file</translation>
    </message>
    <message>
        <source>保存文件(&amp;s)</source>
        <translation>&amp;Save file</translation>
    </message>
    <message>
        <source>最近打开的文件(&amp;R)</source>
        <translation>&amp;Recent files</translation>
    </message>
    <message>
        <source>导出CSV(&amp;X)…</source>
        <translation>E&amp;xport CSV…</translation>
    </message>
    <message>
        <source>导入CSV(&amp;I)…</source>
        <translation>&amp;Import CSV…</translation>
    </message>
    <message>
        <source>打开备份文件夹(&amp;B)</source>
        <translation>Open &amp;backup folder</translation>
    </message>
    <message>
        <source>打印(&amp;P)…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>导出PDF(&amp;D)…</source>
        <translation>Export P&amp;DF…</translation>
    </message>
    <message>
        <source>退出(&amp;E)</source>
        <translation>&amp;Exit</translation>
    </message>
    <message>
        <source>编辑(&amp;B)</source>
        <translation>Edi&amp;t</translation>
    </message>
    <message>
        <source>设置(&amp;I)</source>
        <translation>Sett&amp;ings</translation>
    </message>
    <message>
        <source>端口(&amp;C)</source>
        <translation>&amp;Port</translation>
    </message>
    <message>
        <source>波特率(&amp;P)</source>
        <translation>Baud &amp;rate</translation>
    </message>
    <message>
        <source>其他(&amp;O)</source>
        <translation>&amp;Other</translation>
    </message>
    <message>
        <source>通讯记录(&amp;T)…</source>
        <translation>Serial &amp;trace…</translation>
    </message>
    <message>
        <source>读频自动备份(&amp;B)</source>
        <translation>&amp;Back up after reading</translation>
    </message>
    <message>
        <source>写后校验(&amp;V)</source>
        <translation>&amp;Verify after writing</translation>
    </message>
    <message>
        <source>语言(&amp;L)</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>机型选择(&amp;J)</source>
        <translation>&amp;Model</translation>
    </message>
    <message>
        <source>编程操作(&amp;X)</source>
        <translation>&amp;Program</translation>
    </message>
    <message>
        <source>读取频率(&amp;R)</source>
        <translation>&amp;Read from radio</translation>
    </message>
    <message>
        <source>开始写频(&amp;W)</source>
        <translation>&amp;Write to radio</translation>
    </message>
    <message>
        <source>工程模式</source>
        <translation>Engineering mode</translation>
    </message>
    <message>
        <source>测试模式</source>
        <translation>Test mode</translation>
    </message>
    <message>
        <source>写ID</source>
        <translation>Write ID</translation>
    </message>
    <message>
        <source>连接检测(&amp;C)…</source>
        <translation>&amp;Connection check…</translation>
    </message>
    <message>
        <source>批量写频(&amp;P)…</source>
        <translation>Series &amp;programming…</translation>
    </message>
    <message>
        <source>当前信道数据已修改，是否保存？</source>
        <translation>The channel data has changed. Save it?</translation>
    </message>
    <message>
        <source>确认要退出程序吗？</source>
        <translation>Exit the program?</translation>
    </message>
    <message>
        <source>确认退出</source>
        <translation>Exit</translation>
    </message>
    <message numerus="yes">
        <source>%n个信道有错误</source>
        <translation>
            <numerusform>%n channel has errors</numerusform>
            <numerusform>%n channels have errors</numerusform>
        </translation>
    </message>
    <message>
        <source>编辑信道</source>
        <translation>Edit channel</translation>
    </message>
    <message>
        <source>检查频率</source>
        <translation>Check frequencies</translation>
    </message>
    <message>
        <source>频率方案</source>
        <translation>Frequency plan</translation>
    </message>
    <message>
        <source>工作模式</source>
        <translation>Operating mode</translation>
    </message>
    <message>
        <source>选项</source>
        <translation>Option</translation>
    </message>
    <message>
        <source>遇忙禁发</source>
        <translation>Busy lockout</translation>
    </message>
    <message>
        <source>信道编辑</source>
        <translation>Channel edit</translation>
    </message>
    <message>
        <source>信道总数</source>
        <translation>Channel count</translation>
    </message>
    <message>
        <source>频率步长(k)</source>
        <translation>Step (kHz)</translation>
    </message>
    <message>
        <source>批量写频</source>
        <translation>Series programming</translation>
    </message>
    <message>
        <source>模式</source>
        <translation>Mode</translation>
    </message>
</context>
<context>
    <name>m27::MessageBoxes</name>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>Don&apos;t save</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>写频软件</source>
        <translation>Radio programmer</translation>
    </message>
</context>
<context>
    <name>m27::PortController</name>
    <message>
        <source>串口%1</source>
        <translation>Port %1</translation>
    </message>
    <message>
        <source>串口关</source>
        <translation>Port off</translation>
    </message>
    <message>
        <source>串口开</source>
        <translation>Port open</translation>
    </message>
    <message>
        <source>串口关闭</source>
        <translation>Port closed</translation>
    </message>
</context>
<context>
    <name>m27::PortMessages</name>
    <message>
        <source>该串口1 不存在或有问题</source>
        <translation>Serial port 1 does not exist or does not work</translation>
    </message>
    <message>
        <source>该串口2不存在或有问题</source>
        <translation>Serial port 2 does not exist or does not work</translation>
    </message>
    <message>
        <source>该串口3不存在或有问题</source>
        <translation>Serial port 3 does not exist or does not work</translation>
    </message>
    <message>
        <source>串口4不存在或有问题</source>
        <translation>Serial port 4 does not exist or does not work</translation>
    </message>
    <message>
        <source>串口5不存在或有问题</source>
        <translation>Serial port 5 does not exist or does not work</translation>
    </message>
    <message>
        <source>该串口6不存在或有问题</source>
        <translation>Serial port 6 does not exist or does not work</translation>
    </message>
    <message>
        <source>该串口 不存在或有问题</source>
        <translation>This serial port does not exist or does not work</translation>
    </message>
</context>
<context>
    <name>m27::PrintController</name>
    <message>
        <source>打印预览</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>导出PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>导出PDF失败
%1
%2</source>
        <translation>Could not export the PDF
%1
%2</translation>
    </message>
</context>
<context>
    <name>m27::QtFileDialogs</name>
    <message>
        <source>信道表(*.csv)</source>
        <translation>Channel table (*.csv)</translation>
    </message>
    <message>
        <source>通用格式(*.csv)</source>
        <translation>Generic layout (*.csv)</translation>
    </message>
    <message>
        <source>通讯记录(*.txt);;*</source>
        <translation>Serial trace (*.txt);;*</translation>
    </message>
    <message>
        <source>报告(*.html)</source>
        <translation>Report (*.html)</translation>
    </message>
</context>
<context>
    <name>m27::RadioIdDialog</name>
    <message>
        <source>输入ID</source>
        <translation>Enter ID</translation>
    </message>
    <message>
        <source>写ID</source>
        <translation>&amp;Write ID</translation>
    </message>
    <message>
        <source>读ID</source>
        <translation>&amp;Read ID</translation>
    </message>
    <message>
        <source>(十进制)</source>
        <translation>(decimal)</translation>
    </message>
    <message>
        <source>成功数</source>
        <translation>Written</translation>
    </message>
</context>
<context>
    <name>m27::SeriesDialog</name>
    <message>
        <source>批量写频</source>
        <translation>Series programming</translation>
    </message>
    <message>
        <source>串口</source>
        <comment>a column</comment>
        <translation>Port</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>State</translation>
    </message>
    <message>
        <source>原ID</source>
        <translation>Old ID</translation>
    </message>
    <message>
        <source>新ID</source>
        <translation>New ID</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>保留原ID</source>
        <translation>&amp;Keep the radio&apos;s ID</translation>
    </message>
    <message>
        <source>起始ID</source>
        <translation>First ID</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>串口</source>
        <translation>Ports</translation>
    </message>
    <message>
        <source>记录文件</source>
        <translation>Log file</translation>
    </message>
    <message>
        <source>开始</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>S&amp;top</translation>
    </message>
    <message>
        <source>保存报告…</source>
        <translation>Save &amp;report…</translation>
    </message>
    <message>
        <source>起始ID 须在1到4294967295之间</source>
        <translation>First ID must be from 1 to 4294967295</translation>
    </message>
    <message>
        <source>数量 须在1到4294967295之间</source>
        <translation>Count must be from 1 to 4294967295</translation>
    </message>
    <message>
        <source>起始ID+数量 不能超过4294967296</source>
        <translation>First ID + count must not exceed 4294967296</translation>
    </message>
    <message>
        <source>请输入记录文件</source>
        <translation>Enter a log file</translation>
    </message>
    <message>
        <source>请选择串口</source>
        <translation>Choose a port</translation>
    </message>
    <message>
        <source>%1 和 %2 是同一个串口</source>
        <translation>%1 and %2 are the same port</translation>
    </message>
    <message>
        <source>记录文件 %1 不存在，要新建吗？</source>
        <translation>The log file %1 does not exist. Create it?</translation>
    </message>
    <message>
        <source>保存报告失败
%1
%2</source>
        <translation>Cannot save the report
%1
%2</translation>
    </message>
    <message>
        <source>批量写频已结束</source>
        <translation>Series programming has ended</translation>
    </message>
    <message>
        <source>正在写频，关闭将中断写频，对讲机中的数据可能不完整，请重新写频。要关闭吗？</source>
        <translation>Radios are being written. Closing stops them, and a radio may be left with incomplete data: write it again. Close anyway?</translation>
    </message>
</context>
<context>
    <name>m27::SheetHistory</name>
    <message>
        <source>撤销(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>重做(&amp;R)</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>读取频率</source>
        <translation>Read radio</translation>
    </message>
</context>
<context>
    <name>m27::ShownWords</name>
    <message>
        <source>宽带</source>
        <translation>Wide</translation>
    </message>
    <message>
        <source>窄带</source>
        <translation>Narrow</translation>
    </message>
    <message>
        <source>1:美国频率</source>
        <translation>1: US</translation>
    </message>
    <message>
        <source>2:中国频率</source>
        <translation>2: China</translation>
    </message>
    <message>
        <source>3:台湾频率</source>
        <translation>3: Taiwan</translation>
    </message>
    <message>
        <source>4:自定义频率</source>
        <translation>4: Custom</translation>
    </message>
    <message>
        <source>1:普通模式</source>
        <translation>1: Normal</translation>
    </message>
    <message>
        <source>2:专业模式</source>
        <translation>2: Professional</translation>
    </message>
    <message>
        <source>允许</source>
        <translation>Allowed</translation>
    </message>
    <message>
        <source>禁止</source>
        <translation>Forbidden</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>开</source>
        <translation>On</translation>
    </message>
    <message>
        <source>美国标准</source>
        <translation>US plan</translation>
    </message>
    <message>
        <source>中国标准</source>
        <translation>China plan</translation>
    </message>
    <message>
        <source>台湾标准</source>
        <translation>Taiwan plan</translation>
    </message>
    <message>
        <source>自定义标准</source>
        <translation>Custom plan</translation>
    </message>
    <message>
        <source>写频软件     </source>
        <translation>Radio programmer</translation>
    </message>
</context>
<context>
    <name>m27::Splash</name>
    <message>
        <source>对讲机写频软件</source>
        <translation>Two-way radio programming software</translation>
    </message>
    <message>
        <source>版本：%1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>发行日：%1</source>
        <translation>Released: %1</translation>
    </message>
    <message>
        <source>确定(&amp;Q)</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>m27::StripChart</name>
    <message>
        <source>最大 %1</source>
        <translation>Max %1</translation>
    </message>
    <message>
        <source>平均 %1</source>
        <translation>Mean %1</translation>
    </message>
    <message>
        <source>最小 %1</source>
        <translation>Min %1</translation>
    </message>
</context>
<context>
    <name>m27::TestModeDialog</name>
    <message>
        <source>测试模式</source>
        <translation>Test mode</translation>
    </message>
    <message>
        <source>RSSI 监控</source>
        <translation>RSSI monitor</translation>
    </message>
    <message>
        <source>保存数据…</source>
        <translation>Save data…</translation>
    </message>
    <message>
        <source>开始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>电池AD监控</source>
        <translation>Battery AD monitor</translation>
    </message>
    <message>
        <source>AD 值</source>
        <translation>AD value</translation>
    </message>
    <message>
        <source>充电</source>
        <translation>Charging</translation>
    </message>
    <message>
        <source>保存数据</source>
        <translation>Save data</translation>
    </message>
    <message>
        <source>保存数据失败
%1
%2</source>
        <translation>Cannot save the data
%1
%2</translation>
    </message>
</context>
<context>
    <name>m27::TransferController</name>
    <message>
        <source>开始写频</source>
        <translation>Write radio</translation>
    </message>
    <message>
        <source>写频完成
%1</source>
        <translation>Write complete
%1</translation>
    </message>
    <message>
        <source>写频完成</source>
        <translation>Write complete</translation>
    </message>
    <message>
        <source>打开备份文件夹失败
%1</source>
        <translation>Could not open the backup folder
%1</translation>
    </message>
</context>
<context>
    <name>message</name>
    <message>
        <source>注意</source>
        <translation>Attention</translation>
    </message>
</context>
<context>
    <name>series</name>
    <message>
        <source>ID %1..%2 不对：起始ID大于结束ID</source>
        <translation>ID %1..%2 is wrong: the first ID is above the last</translation>
    </message>
    <message>
        <source>ID %1..%2 不对：ID 0 不分配给对讲机</source>
        <translation>ID %1..%2 is wrong: no radio is given ID 0</translation>
    </message>
    <message>
        <source>无法打开记录文件
%1
%2</source>
        <translation>Cannot open the log
%1
%2</translation>
    </message>
    <message>
        <source>文件夹不存在：%1</source>
        <translation>The folder does not exist: %1</translation>
    </message>
    <message>
        <source>不是普通文件</source>
        <translation>Not a regular file</translation>
    </message>
    <message>
        <source>记录文件写入失败
%1
%2</source>
        <translation>Writing the log failed
%1
%2</translation>
    </message>
    <message>
        <source>记录文件正被另一个批量写频任务使用</source>
        <translation>The log is in use by another series job</translation>
    </message>
    <message>
        <source>记录文件不存在
%1</source>
        <translation>The log does not exist
%1</translation>
    </message>
    <message>
        <source>记录文件第%1行不完整，已跳过</source>
        <translation>Line %1 of the log is incomplete and was skipped</translation>
    </message>
    <message>
        <source>记录文件第%1行无法识别，已跳过</source>
        <translation>Line %1 of the log is unreadable and was skipped</translation>
    </message>
    <message>
        <source>无法打开串口：不存在</source>
        <translation>Cannot open the serial port: it does not exist</translation>
    </message>
    <message>
        <source>无法打开串口：正被占用或无权限</source>
        <translation>Cannot open the serial port: in use or no permission</translation>
    </message>
    <message>
        <source>无法打开串口：%1</source>
        <translation>Cannot open the serial port: %1</translation>
    </message>
    <message>
        <source>ID %1..%2 已全部用过，请换一个范围</source>
        <translation>Every ID of %1..%2 is used. Please choose another range</translation>
    </message>
    <message>
        <source>没有一个串口能打开</source>
        <translation>No serial port could be opened</translation>
    </message>
    <message>
        <source>所有串口都已断开</source>
        <translation>Every serial port was disconnected</translation>
    </message>
    <message numerus="yes">
        <source>完成 %n 台</source>
        <translation>
            <numerusform>%n radio done</numerusform>
            <numerusform>%n radios done</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>失败 %n 台</source>
        <translation>
            <numerusform>%n failed</numerusform>
            <numerusform>%n failed</numerusform>
        </translation>
    </message>
    <message>
        <source>%1，%2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1，%2，%3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>中断 %n 台</source>
        <translation>
            <numerusform>%n interrupted</numerusform>
            <numerusform>%n interrupted</numerusform>
        </translation>
    </message>
    <message>
        <source>%1，用时 %2 s，平均每台 %3 s</source>
        <translation>%1, %2 s in all, %3 s per radio</translation>
    </message>
    <message>
        <source>未命名</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>模板</source>
        <translation>Template</translation>
    </message>
    <message>
        <source>ID范围</source>
        <translation>ID range</translation>
    </message>
    <message>
        <source>保留原ID</source>
        <translation>Keep own ID</translation>
    </message>
    <message>
        <source>是</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>否</source>
        <translation>no</translation>
    </message>
    <message>
        <source>订单</source>
        <translation>Order</translation>
    </message>
    <message>
        <source>模板指纹</source>
        <translation>Template fingerprint</translation>
    </message>
    <message>
        <source>任务</source>
        <translation>Job</translation>
    </message>
    <message>
        <source>开始</source>
        <translation>Started</translation>
    </message>
    <message>
        <source>结束</source>
        <translation>Ended</translation>
    </message>
    <message>
        <source>串口</source>
        <translation>Ports</translation>
    </message>
    <message>
        <source>对讲机</source>
        <translation>Radios</translation>
    </message>
    <message>
        <source>（无）</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>原ID</source>
        <translation>Old ID</translation>
    </message>
    <message>
        <source>新ID</source>
        <translation>New ID</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>步骤</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>用时(s)</source>
        <translation>Time (s)</translation>
    </message>
    <message>
        <source>合计</source>
        <translation>Totals</translation>
    </message>
    <message numerus="yes">
        <source>已写过 %n 台</source>
        <translation>
            <numerusform>%n already written</numerusform>
            <numerusform>%n already written</numerusform>
        </translation>
    </message>
    <message>
        <source>完成</source>
        <translation>done</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>failed</translation>
    </message>
    <message>
        <source>未确认</source>
        <translation>unconfirmed</translation>
    </message>
    <message>
        <source>中断</source>
        <translation>interrupted</translation>
    </message>
    <message>
        <source>已写过</source>
        <translation>already written</translation>
    </message>
    <message>
        <source>写频</source>
        <translation>write</translation>
    </message>
    <message>
        <source>回读</source>
        <translation>read-back</translation>
    </message>
    <message>
        <source>写ID</source>
        <translation>ID write</translation>
    </message>
    <message>
        <source>回读ID</source>
        <translation>ID read-back</translation>
    </message>
    <message>
        <source>批量写频报告</source>
        <translation>Series programming report</translation>
    </message>
    <message>
        <source>zh-CN</source>
        <translation>en</translation>
    </message>
    <message>
        <source>已中断</source>
        <translation>Interrupted</translation>
    </message>
    <message>
        <source>请接上对讲机</source>
        <translation>Connect a radio</translation>
    </message>
    <message>
        <source>串口已断开</source>
        <translation>Serial port disconnected</translation>
    </message>
    <message>
        <source>已中断：%1</source>
        <translation>Interrupted: %1</translation>
    </message>
    <message>
        <source>失败：%1，请取下对讲机</source>
        <translation>Failed: %1. Remove the radio</translation>
    </message>
    <message>
        <source>这台已写过 (ID %1)，请换下一台</source>
        <translation>Already written (ID %1). Connect the next radio</translation>
    </message>
    <message>
        <source>写频无应答</source>
        <translation>no answer to the write</translation>
    </message>
    <message>
        <source>写频出错</source>
        <translation>write error</translation>
    </message>
    <message>
        <source>回读无应答</source>
        <translation>no answer to the read-back</translation>
    </message>
    <message>
        <source>回读出错</source>
        <translation>read-back error</translation>
    </message>
    <message>
        <source>写ID无应答</source>
        <translation>no answer to the ID write</translation>
    </message>
    <message>
        <source>写ID出错</source>
        <translation>ID write error</translation>
    </message>
    <message>
        <source>回读ID无应答</source>
        <translation>no answer to the ID read-back</translation>
    </message>
    <message>
        <source>回读ID出错</source>
        <translation>ID read-back error</translation>
    </message>
    <message>
        <source>（空）</source>
        <translation>(empty)</translation>
    </message>
    <message>
        <source>校验不一致：%1 写入%2，读回%3</source>
        <translation>verify mismatch: %1 written %2, read back %3</translation>
    </message>
    <message>
        <source>校验不一致：第%1信道%2 写入%3，读回%4</source>
        <translation>verify mismatch: channel %1 %2 written %3, read back %4</translation>
    </message>
    <message>
        <source>回读ID不一致：写入%1，读回%2</source>
        <translation>ID mismatch: written %1, read back %2</translation>
    </message>
    <message>
        <source>正在校验......</source>
        <translation>Verifying...</translation>
    </message>
    <message>
        <source>正在检查......</source>
        <translation>Checking...</translation>
    </message>
    <message>
        <source>暂无可用ID，等待其他串口</source>
        <translation>No free ID yet, waiting for the other ports</translation>
    </message>
    <message>
        <source>正在写频......</source>
        <translation>Writing radio...</translation>
    </message>
    <message>
        <source>完成，请换下一台</source>
        <translation>Done. Connect the next radio</translation>
    </message>
    <message>
        <source>正在写ID......</source>
        <translation>Writing ID...</translation>
    </message>
    <message>
        <source>已停止</source>
        <translation>Stopped</translation>
    </message>
</context>
<context>
    <name>service</name>
    <message>
        <source>连接正常：对讲机ID %1，往返 %2 ms</source>
        <translation>Connection OK: radio ID %1, round trip %2 ms</translation>
    </message>
    <message>
        <source>对讲机应答太快（不到 20 ms），应答被丢弃：请换一台对讲机或数据线再试</source>
        <translation>The radio answered too fast (under 20 ms) and its answer was dropped: try another radio or cable</translation>
    </message>
    <message>
        <source>只收到回显：数据线正常，但对讲机没有应答，请确认对讲机已开机、插头已插紧</source>
        <translation>Only the echo came back: the cable works, but the radio did not answer. Check that the radio is on and the plug is fully in</translation>
    </message>
    <message>
        <source>收到无法识别的数据：请确认数据线和对讲机是本机型的</source>
        <translation>Unreadable data came back: check that the cable and the radio are for this model</translation>
    </message>
    <message>
        <source>对讲机没有应答：请确认对讲机已开机、数据线两端已插紧</source>
        <translation>The radio did not answer: check that the radio is on and both ends of the cable are fully in</translation>
    </message>
    <message>
        <source>ID 输入错误，请重新输入</source>
        <translation>Invalid ID. Please enter it again.</translation>
    </message>
    <message>
        <source>写ID 通讯失败</source>
        <translation>Write ID: communication failed</translation>
    </message>
    <message>
        <source>RSSI 输入错误，请重新输入</source>
        <translation>Invalid RSSI value. Please enter it again.</translation>
    </message>
    <message>
        <source>通讯失败</source>
        <translation>Communication failed</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>调整</source>
        <translation>Adjust</translation>
    </message>
    <message>
        <source>读取 OK</source>
        <translation>Read OK</translation>
    </message>
    <message>
        <source>读取超时</source>
        <translation>Read timed out</translation>
    </message>
</context>
</TS>
