<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>channels</name>
    <message>
        <source>接收频率</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>接收亚音</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>发射频率</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>发射亚音</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>带宽</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有频率</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>频率最多9个字符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不是频率（只可有数字和一个小数点）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不在400～490 MHz之内</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>超出电台能存放的发射频率</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不是专业模式的亚音</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不是普通模式的亚音</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不是带宽（宽带或窄带）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>信道</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>频率方案</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>模式</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>发射</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>遇忙禁发</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>信道总数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未命名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日期</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>对讲机ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第%1信道频率输入错误，请重新输入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>美国标准</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>中国标准</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>台湾标准</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自定义标准</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>校验</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>频率选择</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>校验通过</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>校验不一致</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>写频已完成，但读回对讲机失败，未能校验</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>信道频率输入错误，请重新输入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>模式选择</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第%1信道亚音输入错误，请重新输入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第%1信道带宽输入错误，请重新输入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1输入错误，请重新输入</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 给了两次</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>未知选项 %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 需要一个值</translation>
    </message>
    <message>
        <source>which port? give --port DEV (a device such as /dev/ttyUSB0, or com1..com16) or --fake-radio</source>
        <translation>哪个串口？请给出 --port DEV（/dev/ttyUSB0 这样的设备，或 com1..com16）或 --fake-radio</translation>
    </message>
    <message>
        <source>--count %1: expected a number of radios, 1 or more</source>
        <translation>--count %1：应为对讲机台数，1 或更多</translation>
    </message>
    <message>
        <source>%1 needs one of: %2</source>
        <translation>%1 需要以下之一：%2</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>多余的参数 %1</translation>
    </message>
    <message>
        <source>FILE is missing</source>
        <translation>缺少 FILE</translation>
    </message>
    <message>
        <source>needs two files, A and B</source>
        <translation>需要两个文件，A 和 B</translation>
    </message>
    <message>
        <source>%1 belongs to id write</source>
        <translation>%1 只用于 id write</translation>
    </message>
    <message>
        <source>id write needs --start N, the first ID</source>
        <translation>id write 需要 --start N，即第一个 ID</translation>
    </message>
    <message>
        <source>--csv belongs to monitor rssi and monitor battery</source>
        <translation>--csv 只用于 monitor rssi 和 monitor battery</translation>
    </message>
    <message>
        <source>--csv needs a file</source>
        <translation>--csv 需要一个文件</translation>
    </message>
    <message>
        <source>rssi adjust needs NARROW and WIDE</source>
        <translation>rssi adjust 需要 NARROW 和 WIDE</translation>
    </message>
    <message>
        <source>needs %1</source>
        <translation>需要 %1</translation>
    </message>
    <message>
        <source>%1 %2: expected FIRST..LAST, %3</source>
        <translation>%1 %2：应为 FIRST..LAST，%3</translation>
    </message>
    <message>
        <source>rows counted from 1</source>
        <translation>行号从 1 起</translation>
    </message>
    <message>
        <source>--rows %1: expected FIRST..LAST, %2</source>
        <translation>--rows %1：应为 FIRST..LAST，%2</translation>
    </message>
    <message>
        <source>--rows %1: at most 25 rows, the radio&apos;s channels</source>
        <translation>--rows %1：最多 25 行，即对讲机的信道数</translation>
    </message>
    <message>
        <source>%1 belongs to csv import</source>
        <translation>%1 只用于 csv import</translation>
    </message>
    <message>
        <source>IN.m27 and OUT.csv</source>
        <translation>IN.m27 和 OUT.csv</translation>
    </message>
    <message>
        <source>--layout %1: expected grid or generic</source>
        <translation>--layout %1：应为 grid 或 generic</translation>
    </message>
    <message>
        <source>--layout belongs to csv export; an import reads either layout</source>
        <translation>--layout 只用于 csv export；导入时两种格式都能读</translation>
    </message>
    <message>
        <source>IN.csv and OUT.m27</source>
        <translation>IN.csv 和 OUT.m27</translation>
    </message>
    <message>
        <source>such as 5000..5199</source>
        <translation>例如 5000..5199</translation>
    </message>
    <message>
        <source>--ids %1: the IDs go from 0 to 4294967295</source>
        <translation>--ids %1：ID 的范围是 0 到 4294967295</translation>
    </message>
    <message>
        <source>--ids %1: FIRST is above LAST</source>
        <translation>--ids %1：FIRST 大于 LAST</translation>
    </message>
    <message>
        <source>--ids %1: no radio is given ID 0</source>
        <translation>--ids %1：不会给任何对讲机分配 ID 0</translation>
    </message>
    <message>
        <source>series needs --ids FIRST..LAST, the IDs to hand out</source>
        <translation>series 需要 --ids FIRST..LAST，即要分配的 ID</translation>
    </message>
    <message>
        <source>--log needs a file</source>
        <translation>--log 需要一个文件</translation>
    </message>
    <message>
        <source>--report needs a file</source>
        <translation>--report 需要一个文件</translation>
    </message>
    <message>
        <source>--all goes with --find</source>
        <translation>--all 要与 --find 一起用</translation>
    </message>
    <message>
        <source>--find searches every port; --port checks one</source>
        <translation>--find 搜索所有串口；--port 只检查一个</translation>
    </message>
    <message>
        <source>--port needs a device or com1..com16</source>
        <translation>--port 需要一个设备或 com1..com16</translation>
    </message>
    <message>
        <source>--port %1: comN=DEVICE belongs before the command; after it, --port names the port to use (a device, or com1..com16)</source>
        <translation>--port %1：comN=DEVICE 要写在命令之前；命令之后的 --port 指定要用的串口（设备，或 com1..com16）</translation>
    </message>
    <message>
        <source>--port %1: the ports are com1 to com16</source>
        <translation>--port %1：串口为 com1 到 com16</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>未知命令 %1</translation>
    </message>
    <message>
        <source>读频已中断</source>
        <translation>读频已中断</translation>
    </message>
    <message>
        <source>写频已中断：对讲机中的数据可能不完整，请重新写频</source>
        <translation>写频已中断：对讲机中的数据可能不完整，请重新写频</translation>
    </message>
    <message>
        <source>读ID已中断</source>
        <translation>读ID已中断</translation>
    </message>
    <message>
        <source>ID %1 成功数 %2</source>
        <translation>ID %1 成功数 %2</translation>
    </message>
    <message>
        <source>Connect the next radio and press Enter to write ID %1 (Ctrl-D ends the series).</source>
        <translation>请接上下一台对讲机并按回车，写入 ID %1（Ctrl-D 结束）。</translation>
    </message>
    <message>
        <source>写ID已中断</source>
        <translation>写ID已中断</translation>
    </message>
    <message>
        <source>读取RSSI已中断</source>
        <translation>读取RSSI已中断</translation>
    </message>
    <message>
        <source>调整RSSI已中断</source>
        <translation>调整RSSI已中断</translation>
    </message>
    <message>
        <source>RSSI(Reg68) SNR(Reg102) AFC(Reg70) AudioLv(Reg74)</source>
        <translation>RSSI(Reg68) SNR(Reg102) AFC(Reg70) AudioLv(Reg74)</translation>
    </message>
    <message>
        <source>AD 值 充电</source>
        <translation>AD 值 充电</translation>
    </message>
    <message>
        <source>DEV is the port the radio&apos;s programming cable is on: a device such as
/dev/ttyUSB0 (or a pseudo-terminal), or com1 .. com16 as numbered by the
window&apos;s port menu. --fake-radio in place of --port uses the bundled radio
model.
</source>
        <translation>DEV 是对讲机写频线所在的串口：/dev/ttyUSB0 这样的设备（或伪终端），
或按窗口端口菜单编号的 com1 .. com16。用 --fake-radio 代替 --port
则使用自带的对讲机模型。
</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 the radio, the port or a file failed, 2 wrong usage, 3
(verify, write --verify, diff) the two differ, (check --find) several radios
answered, (series) a radio failed or is unconfirmed, 4 (check) the port is fine
but no radio answered properly, 128+N (read, write, verify, id, rssi, series)
stopped by signal N: 130 Ctrl-C (SIGINT), 143 SIGTERM, 129 SIGHUP.
</source>
        <translation>退出状态：0 完成；1 对讲机、串口或文件出错；2 用法错误；
3（verify、write --verify、diff）两者不同，（check --find）多台对讲机应答，
（series）有对讲机失败或未确认；4（check）串口正常但没有对讲机正确应答；
128+N（read、write、verify、id、rssi、series）被信号 N 停止：
130 Ctrl-C（SIGINT），143 SIGTERM，129 SIGHUP。
</translation>
    </message>
    <message>
        <source>Every complete read also keeps a copy, byte for byte the file a save writes, in
$XDG_DATA_HOME/m27/backups (by default ~/.local/share/m27/backups), named by
the local time of the read, e.g. 20261207-064512-123.m27; the newest 1000 are
kept. A backup that cannot be written is reported (&quot;备份失败&quot;) and does not
fail the read.
</source>
        <translation>每次完整的读频还会保留一份副本（与保存写出的文件逐字节相同），放在
$XDG_DATA_HOME/m27/backups（默认 ~/.local/share/m27/backups），
以读频的本地时间命名，例如 20261207-064512-123.m27；保留最新的 1000 份。
无法写入的备份会报告（&quot;备份失败&quot;），但不会使读频失败。
</translation>
    </message>
    <message>
        <source>One line per difference on standard output: the channel (1..25) and the column
(接收频率, 接收亚音, 发射频率, 发射亚音, 带宽), or the option (发射, 遇忙禁发,
FSK, 信道总数, 模式, 频率选择), then the two values. Values are compared as the
radio stores them: 450.1 and 450.10000 are the same frequency.
</source>
        <translation>每处不同在标准输出上占一行：信道（1..25）和列（接收频率、接收亚音、
发射频率、发射亚音、带宽），或设置项（发射、遇忙禁发、FSK、信道总数、
模式、频率选择），然后是两个值。按对讲机存储的形式比较：
450.1 与 450.10000 是同一个频率。
</translation>
    </message>
    <message>
        <source>usage: m27 read --port DEV [--no-backup] FILE.m27
</source>
        <translation>用法：m27 read --port DEV [--no-backup] FILE.m27
</translation>
    </message>
    <message>
        <source>--no-backup keeps no backup of this read.
</source>
        <translation>--no-backup：本次读频不保留备份。
</translation>
    </message>
    <message>
        <source>example:
  m27 read --port /dev/ttyUSB0 shop.m27
</source>
        <translation>示例：
  m27 read --port /dev/ttyUSB0 shop.m27
</translation>
    </message>
    <message>
        <source>usage: m27 write --port DEV [--verify] FILE.m27
</source>
        <translation>用法：m27 write --port DEV [--verify] FILE.m27
</translation>
    </message>
    <message>
        <source>Opens FILE.m27 as the window&apos;s &quot;打开文件&quot; does and writes it into the radio
(&quot;开始写频&quot;): the frequencies are snapped to their raster and checked first,
with the tones, bandwidths and options; nothing is sent if anything is wrong or
the file has fewer than 132 lines. Messages go to standard error; on a terminal
a progress line counts up to 156.
</source>
        <translation>像窗口的&quot;打开文件&quot;一样打开 FILE.m27，并写入对讲机（&quot;开始写频&quot;）：
先把频率对齐到步进并检查，连同亚音、带宽和设置；只要有错误，或文件
少于 132 行，就什么也不发送。
消息输出到标准错误；在终端上有一行进度，计数到 156。
</translation>
    </message>
    <message>
        <source>Ctrl-C, SIGTERM or SIGHUP stops it after the exchange in flight: nothing more
is sent, and the radio may hold part of the file
(&quot;写频已中断：对讲机中的数据可能不完整，请重新写频&quot;), as after a radio that
stops answering half-way; write it again.
</source>
        <translation>Ctrl-C、SIGTERM 或 SIGHUP 在当前交换结束后停止写频：不再发送任何数据，
对讲机中可能只有文件的一部分，与对讲机中途停止应答时一样，提示
&quot;写频已中断：对讲机中的数据可能不完整，请重新写频&quot;；请再写一次。
</translation>
    </message>
    <message>
        <source>--verify then reads the radio back as verify does and reports the same way:
         exit status 0
when the radio holds what was written, 3 when not (one line per difference), 1
when the write failed or the read-back did (the message then says the write
itself completed).
</source>
        <translation>--verify：写完后像 verify 一样读回对讲机并同样报告：对讲机中是写入的
内容时退出状态为 0，不是时为 3（每处不同一行），写频或读回失败时为 1
（此时消息会说明写频本身已完成）。
</translation>
    </message>
    <message>
        <source>example:
  m27 write --port com1 --verify shop.m27
</source>
        <translation>示例：
  m27 write --port com1 --verify shop.m27
</translation>
    </message>
    <message>
        <source>usage: m27 verify --port DEV FILE.m27
</source>
        <translation>用法：m27 verify --port DEV FILE.m27
</translation>
    </message>
    <message>
        <source>Reads the radio (as read does, without a backup) and compares it with what
writing FILE.m27 would send: the options and the 25 channels.
</source>
        <translation>读取对讲机（与 read 相同，但不备份），并与写入 FILE.m27 时将发送的内容
比较：设置和 25 个信道。
</translation>
    </message>
    <message>
        <source>Exit status 0 when they are the same, 3 when they differ.
</source>
        <translation>相同时退出状态为 0，不同时为 3。
</translation>
    </message>
    <message>
        <source>example:
  m27 verify --port /dev/ttyUSB0 shop.m27
  3 接收频率 450.12500 450.13125    channel 3: the file&apos;s value, the radio&apos;s
</source>
        <translation>示例：
  m27 verify --port /dev/ttyUSB0 shop.m27
  3 接收频率 450.12500 450.13125    第 3 信道：先是文件中的值，再是对讲机的
</translation>
    </message>
    <message>
        <source>usage: m27 diff A.m27 B.m27
</source>
        <translation>用法：m27 diff A.m27 B.m27
</translation>
    </message>
    <message>
        <source>Compares two channel files as verify compares a file with a radio: A&apos;s value,
then B&apos;s. Nothing is printed when they are the same.
</source>
        <translation>像 verify 比较文件与对讲机那样比较两个信道文件：先是 A 的值，再是 B 的。
两者相同时不输出任何内容。
</translation>
    </message>
    <message>
        <source>Exit status 0 when they are the same, 3 when they differ, 1 when a file cannot
be opened.
</source>
        <translation>相同时退出状态为 0，不同时为 3，无法打开文件时为 1。
</translation>
    </message>
    <message>
        <source>example:
  m27 diff monday.m27 ~/.local/share/m27/backups/20261207-064512-123.m27
</source>
        <translation>示例：
  m27 diff monday.m27 ~/.local/share/m27/backups/20261207-064512-123.m27
</translation>
    </message>
    <message>
        <source>usage: m27 id read  --port DEV
       m27 id write --port DEV --start N [--count K]
</source>
        <translation>用法：m27 id read  --port DEV
      m27 id write --port DEV --start N [--count K]
</translation>
    </message>
    <message>
        <source>id read prints the radio&apos;s ID in decimal on standard output.
</source>
        <translation>id read 在标准输出上以十进制输出对讲机的 ID。
</translation>
    </message>
    <message>
        <source>id write programs a series of radios. It writes N (0 .. 4294967295) into the
radio on the port; then, for each further radio, it asks on standard error to
connect the next radio and press Enter, and writes the next ID (N+1, N+2, ...;
0 follows 4294967295). A radio that does not answer keeps the ID for the next
one.
</source>
        <translation>id write 为一批对讲机写 ID。它先把 N（0 .. 4294967295）写入串口上的
对讲机；之后每一台，都在标准错误上提示接上下一台对讲机并按回车，然后
写入下一个 ID（N+1、N+2……；4294967295 之后是 0）。没有应答的对讲机
不占用 ID，留给下一台。
</translation>
    </message>
    <message>
        <source>After each radio that took its ID it prints &quot;ID &lt;id&gt; 成功数 &lt;successes&gt;&quot; on
standard output. It stops after K radios (default 1) or at the end of the input
(Ctrl-D); the exit status is 1 if any radio failed.
</source>
        <translation>每台对讲机写入 ID 后，在标准输出上输出 &quot;ID &lt;id&gt; 成功数 &lt;successes&gt;&quot;。
写完 K 台（默认 1 台）或输入结束（Ctrl-D）时停止；只要有一台失败，
退出状态就为 1。
</translation>
    </message>
    <message>
        <source>examples:
  m27 id read --port /dev/ttyUSB0
  m27 id write --port /dev/ttyUSB0 --start 1000 --count 20
      writes 1000 into the radio on the cable now, then 1001 ... 1019 into the
      next 19, one each time you have connected the next radio and pressed Enter
</source>
        <translation>示例：
  m27 id read --port /dev/ttyUSB0
  m27 id write --port /dev/ttyUSB0 --start 1000 --count 20
      把 1000 写入当前接在写频线上的对讲机，再把 1001 ... 1019 写入后面的
      19 台，每接上一台并按回车写一台
</translation>
    </message>
    <message>
        <source>usage: m27 monitor rssi|battery --port DEV [--csv FILE]
       m27 monitor stop --port DEV
</source>
        <translation>用法：m27 monitor rssi|battery --port DEV [--csv FILE]
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
        <translation>--csv FILE  同时把数据以 CSV 写入 FILE，每个数据包到达时写一行，与测试
            模式窗口的 保存数据… 相同：&quot;seconds,rssi,snr,afc,audio&quot; 或
            &quot;seconds,charging,ad&quot;，秒数从开始请求算起，保留三位小数。
            无法写入的文件只报告一次；监测继续，退出状态为 1。
</translation>
    </message>
    <message>
        <source>examples:
  m27 monitor rssi --port /dev/ttyUSB0
  m27 monitor rssi --port /dev/ttyUSB0 --csv antenna.csv
</source>
        <translation>示例：
  m27 monitor rssi --port /dev/ttyUSB0
  m27 monitor rssi --port /dev/ttyUSB0 --csv antenna.csv
</translation>
    </message>
    <message>
        <source>usage: m27 rssi read   --port DEV
       m27 rssi adjust --port DEV NARROW WIDE
</source>
        <translation>用法：m27 rssi read   --port DEV
      m27 rssi adjust --port DEV NARROW WIDE
</translation>
    </message>
    <message>
        <source>rssi read prints the radio&apos;s two RSSI calibration values on standard output:
narrow band, then wide band (&quot;45 43&quot;). rssi adjust sends two new values (0 ..
255 each).
</source>
        <translation>rssi read 在标准输出上输出对讲机的两个 RSSI 校准值：先窄带，再宽带
（&quot;45 43&quot;）。rssi adjust 发送两个新值（各为 0 .. 255）。
</translation>
    </message>
    <message>
        <source>examples:
  m27 rssi read --port /dev/ttyUSB0
  m27 rssi adjust --port /dev/ttyUSB0 42 40
</source>
        <translation>示例：
  m27 rssi read --port /dev/ttyUSB0
  m27 rssi adjust --port /dev/ttyUSB0 42 40
</translation>
    </message>
    <message>
        <source>usage: m27 csv export [--layout grid|generic] IN.m27 OUT.csv
       m27 csv import [--into BASE.m27] [--rows FIRST..LAST] [--skip-unfit]
                      IN.csv OUT.m27
</source>
        <translation>用法：m27 csv export [--layout grid|generic] IN.m27 OUT.csv
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
        <translation>csv export 把信道文件的 25 个信道写成电子表格。--layout grid（默认）
即窗口的信道表：&quot;信道,接收频率,接收亚音,发射频率,发射亚音,带宽&quot;，
UTF-8 编码并带字节顺序标记。--layout generic 是业余写频工具交换用的格式
（Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,...,Mode,...）。
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
        <translation>csv import 读取两种格式（UTF-8，或电子表格保存的 GBK；以 # 开头的行是
注释），把各行放入 BASE.m27 的第 1、2……信道（默认：窗口启动时的信道表）；
BASE 的信道总数较大时改为行数，设置和模式保持 BASE 的。generic 格式只需要
Frequency 列；缺少的列取工具的默认值，其他列忽略。
</translation>
    </message>
    <message>
        <source>Every value must be one the grid could hold and a write would send: a receive
frequency within 400..490 MHz, a tone of the mode&apos;s table, 宽带 or 窄带 (FM or
NFM). The first bad value refuses the whole file, naming its line and column,
and OUT.m27 is left as it was; so does a file of more than 25 rows without
--rows, or one that leaves no row to import.
</source>
        <translation>每个值都必须是信道表能放下、写频会发送的值：接收频率在 400..490 MHz
之内，亚音在该模式的表中，宽带或窄带（FM 或 NFM）。第一个错误的值会使
整个文件被拒绝，并指出它的行和列，OUT.m27 保持原样；没有 --rows 时超过
25 行的文件，或没有剩下可导入的行的文件，也同样被拒绝。
</translation>
    </message>
    <message>
        <source>examples:
  m27 csv export shop.m27 shop.csv
  m27 csv export --layout generic shop.m27 exchange.csv
  m27 csv import --into shop.m27 edited.csv shop-new.m27
  m27 csv import --rows 1..22 frs-gmrs.csv frs.m27
</source>
        <translation>示例：
  m27 csv export shop.m27 shop.csv
  m27 csv export --layout generic shop.m27 exchange.csv
  m27 csv import --into shop.m27 edited.csv shop-new.m27
  m27 csv import --rows 1..22 frs-gmrs.csv frs.m27
</translation>
    </message>
    <message>
        <source>usage: m27 ports
</source>
        <translation>用法：m27 ports
</translation>
    </message>
    <message>
        <source>Prints one line per serial port the window&apos;s port menu offers: comN, the
device, and what the system knows of it (description, manufacturer, USB
vendor:product, serial number), and &quot;busy&quot; when another program holds it. To
find out, each port is opened and closed again at once; nothing is sent.
</source>
        <translation>窗口端口菜单中的每个串口输出一行：comN、设备，以及系统对它所知的信息
（描述、制造商、USB 厂商:产品、序列号），被其他程序占用时加 &quot;busy&quot;。
为此每个串口都会打开后立即关闭；不发送任何数据。
</translation>
    </message>
    <message>
        <source>The chip of a programming cable is named after its USB vendor:product: FTDI
FT232, Prolific PL2303, WCH CH340 or Silicon Labs CP210x.
</source>
        <translation>写频线的芯片按 USB 厂商:产品命名：FTDI FT232、Prolific PL2303、
WCH CH340 或 Silicon Labs CP210x。
</translation>
    </message>
    <message>
        <source>example:
  m27 ports
  com1  /dev/ttyUSB0  CP2102 USB to UART Bridge Controller, Silicon Labs,
        USB 10c4:ea60 (Silicon Labs CP210x), serial 0001
</source>
        <translation>示例：
  m27 ports
  com1  /dev/ttyUSB0  CP2102 USB to UART Bridge Controller, Silicon Labs,
        USB 10c4:ea60 (Silicon Labs CP210x), serial 0001
</translation>
    </message>
    <message>
        <source>usage: m27 check [--port DEV | --find [--all]]
</source>
        <translation>用法：m27 check [--port DEV | --find [--all]]
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
        <translation>查明对讲机为什么不应答。在一个串口上（DEV，或 com1）依次进行以下各步，
在第一个失败的步骤停下，每步在标准输出上一行，&quot;✓&quot; 或 &quot;✗&quot; 加上所见：
  1. 设备存在并且是串口（否则列出确实存在的串口）；
  2. 当前用户可以打开它（否则说明如何解决）；
  3. 没有其他程序占用它（若有，从串口的锁文件给出其名称和 PID）；
  4. 能以 9600 8N1 打开；
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
        <translation>  5. 对讲机应答读 ID 的请求，这不会改变它的任何内容（试三次）：
     &quot;连接正常&quot; 加 ID 和往返时间；只有请求的回声（写频线正常，对讲机
     关机或插头松动）；收到不成应答的数据（别的对讲机或写频线）；
     或者什么也没有。
除这个请求外从不发送任何内容，也从不向不是串口的设备发送。
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
        <translation>--find 同时检查写频线常用 USB 芯片上的每个串口（驱动 ftdi_sio、pl2303、
ch341、cp210x）以及命令前 --port comN=DEV 映射的每个串口，每个串口一行，
并指出对讲机所在的串口（&quot;对讲机在 com2 (/dev/ttyUSB1)&quot;）。其他串口列为
&quot;未检测：不是常见的写频线&quot; 而不去动它，因为打开串口会切换它的控制线，
使 Arduino 板或 3D 打印机复位；--all 也检查这些串口。
没有 --port 且 com1 没有对应的设备时，check 也这样搜索。
</translation>
    </message>
    <message>
        <source>Exit status 0 when the radio answered (--find: one radio), 1 when a port step
failed, 3 when --find found several radios, 4 when the port is fine but no
radio answered properly.
</source>
        <translation>对讲机应答时（--find：一台对讲机）退出状态为 0，串口步骤失败时为 1，
--find 找到多台对讲机时为 3，串口正常但没有对讲机正确应答时为 4。
</translation>
    </message>
    <message>
        <source>examples:
  m27 check --port /dev/ttyUSB0
  m27 --port com3=/dev/ttyUSB2 check --find
</source>
        <translation>示例：
  m27 check --port /dev/ttyUSB0
  m27 --port com3=/dev/ttyUSB2 check --find
</translation>
    </message>
    <message>
        <source>usage: m27 series TEMPLATE.m27 --ids FIRST..LAST [--port DEV]... [--keep-id]
                  [--log FILE] [--new-log] [--count N] [--report FILE.html]
</source>
        <translation>用法：m27 series TEMPLATE.m27 --ids FIRST..LAST [--port DEV]... [--keep-id]
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
        <translation>用一个模板逐台为对讲机写频，每台一个 ID。每个 --port 是一个工位
（默认 com1），所有工位同时工作。工位每 0.5 秒询问一次对讲机的 ID，
直到有对讲机应答，像 write 一样把 TEMPLATE.m27 写入，读回并比较，取
FIRST..LAST 中最小的空闲 ID（从不分配 0），记录为已预留，写入并读回，
记录这台对讲机，然后等它被取下。记录中已用本模板完成、且存储器中就是
该模板的对讲机保持不动。失败的对讲机单独结束；它的 ID 若尚未发送，
留给下一台。记录中出现过的 ID 不会再分配。
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
        <translation>  --ids FIRST..LAST  要分配的 ID（0 .. 4294967295），从小到大
  --keep-id          对讲机保留它应答的 ID，除非该 ID 为 0，或本作业中
                     另一台已保留或得到它；以前作业的记录不会把它拿走
                     （应答的 ID 在记录中时即认为是那台对讲机，所以跨作业
                     共用一个 ID 的两台都保留它）
  --log FILE         用该记录代替 $XDG_DATA_HOME/m27/series.csv（默认
                     ~/.local/share/m27/series.csv），所有作业共用一个
  --new-log          记录不存在时创建它；--log 指定的文件夹从不创建
                     （默认文件夹是程序自己的）；没有此项时拒绝不存在的
                     记录，以免打错字开始第二个 ID 池
  --count N          完成 N 台后结束
</translation>
    </message>
    <message>
        <source>  --report FILE.html when the job ends, also by a signal (then marked 已中断),
                     write its delivery report there: one page for A4 with the
                     template, its fingerprint, options and channels, the start
                     and end, the stations, a row per radio of this job (time,
                     port, old and new ID, result, step, seconds) and the totals
</source>
        <translation>  --report FILE.html 作业结束时（被信号结束时也是，并标记为 已中断），
                     在该处写出交付报告：一页 A4，包括模板、其指纹、设置
                     和信道，开始和结束时间，各工位，本作业每台对讲机一行
                     （时间、串口、旧 ID 和新 ID、结果、步骤、秒数）以及合计
</translation>
    </message>
    <message>
        <source>A line per radio on standard output (&quot;com1  ID 5003  完成  3.7 s&quot;, or what
failed), then &quot;完成 N 台，失败 M 台，用时 T s，平均每台 S s&quot;, with
&quot;，中断 K 台&quot; after the failures when K radios were interrupted; on a terminal
a line per station on standard error, redrawn in place. The log has a CSV line
per event: time,port,old_id,new_id,result,step,seconds,template_sha256,detail.
</source>
        <translation>每台对讲机在标准输出上一行（&quot;com1  ID 5003  完成  3.7 s&quot;，或失败的
原因），最后是 &quot;完成 N 台，失败 M 台，用时 T s，平均每台 S s&quot;，有 K 台
被中断时在失败数之后加 &quot;，中断 K 台&quot;；在终端上，每个工位在标准错误上
一行，原地刷新。记录中每个事件一行 CSV：
time,port,old_id,new_id,result,step,seconds,template_sha256,detail。
</translation>
    </message>
    <message>
        <source>The job ends when no ID is left, after N radios, or on Ctrl-C (SIGINT), SIGTERM
or SIGHUP: each station stops after the exchange in flight, and a radio caught
half-way is logged as interrupted (&quot;中断&quot;: its data may be incomplete).
</source>
        <translation>没有剩余 ID、完成 N 台，或收到 Ctrl-C（SIGINT）、SIGTERM、SIGHUP 时作业
结束：每个工位在当前交换结束后停止，中途被打断的对讲机记录为已中断
（&quot;中断&quot;：其中的数据可能不完整）。
</translation>
    </message>
    <message>
        <source>Exit status: 0 no radio failed, 3 a radio failed or is unconfirmed (interrupted
ones do not count), 1 the job could not start (template, log, range, no port
opened) or go on (a log line failed, every port lost) or its report could not
be written, 2 wrong usage, 128+N stopped by signal N.
</source>
        <translation>退出状态：0 没有对讲机失败；3 有对讲机失败或未确认（被中断的不算）；
1 作业无法开始（模板、记录、范围、没有打开任何串口）或无法继续（写记录
失败、所有串口断开），或报告无法写出；2 用法错误；128+N 被信号 N 停止。
</translation>
    </message>
    <message>
        <source>examples:
  m27 series shop.m27 --ids 5000..5199 --port /dev/ttyUSB0 --port /dev/ttyUSB1
  m27 series shop.m27 --ids 5200..5299 --count 20 --report order-17.html
  m27 --fake-radio series demo.m27 --ids 1..10 --log demo.csv --new-log
      the bundled radio, swapped for a fresh one 1.5 s after each radio
</source>
        <translation>示例：
  m27 series shop.m27 --ids 5000..5199 --port /dev/ttyUSB0 --port /dev/ttyUSB1
  m27 series shop.m27 --ids 5200..5299 --count 20 --report order-17.html
  m27 --fake-radio series demo.m27 --ids 1..10 --log demo.csv --new-log
      自带的对讲机模型，每台完成 1.5 s 后换成一台新的
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
        <translation>示例：
  m27 read --port /dev/ttyUSB0 shop.m27
  m27 write --port /dev/ttyUSB0 shop.m27
  m27 id write --port /dev/ttyUSB0 --start 100 --count 50
      批量写 ID：100 写入这台对讲机，之后每接上下一台并按回车，
      依次写入 101、102……
  m27 --fake-radio read demo.m27       没有对讲机时试用
</translation>
    </message>
    <message>
        <source>try &apos;%1&apos;</source>
        <extracomment>The second line of a wrong command line; %1 is the help to read, &quot;m27 series --help&quot;.</extracomment>
        <translation>用法见 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>找不到文件：%1</source>
        <translation>找不到文件：%1</translation>
    </message>
    <message>
        <source>--port %1: no such port (--port %1=DEVICE before the command sets one)</source>
        <translation>--port %1：没有这个串口（在命令之前用 --port %1=DEVICE 设置）</translation>
    </message>
    <message>
        <source>--port %1 and --port %2 are the same device</source>
        <translation>--port %1 和 --port %2 是同一个设备</translation>
    </message>
    <message>
        <source> (--new-log creates it)</source>
        <translation>（--new-log 可创建它）</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>校验已中断</source>
        <translation>校验已中断</translation>
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
        <translation>用法：m27 [--port comN=DEVICE]... [--trace FILE] [--language zh|en]
          [--fake-radio] [FILE.m27]
      m27 [--port comN=DEVICE]... [--trace FILE] [--language zh|en] COMMAND
          [--port DEV | --fake-radio] [ARGS...]

不带命令时 m27 打开窗口，若给出 FILE.m27 则打开该文件；启动时打开端口 1。
带命令时在命令行上工作，不需要窗口，也不需要显示器。

选项：
  --port comN=DEVICE  写在命令之前：让端口 N（1..16）打开 DEVICE，例如
                      --port com1=/dev/ttyUSB0；可重复。默认按系统的串口
                      从 1 编号，USB 转换器（ttyUSB*、ttyACM*）在前。
  --fake-radio        启动自带的对讲机模型 m27-fake-radio 并接在端口 1 上
                      （设置 M27_FAKE_RADIO 可换用其他程序）
  --trace FILE        写在命令之前：把经过串口的每段字节追加到 FILE，每段
                      一行：从打开串口起的毫秒数，&gt; 发送或 &lt; 接收，十六进制
                      字节（12.345 &gt; 53 03 00 00 04 5A）；用于报告问题
  --language zh|en    写在命令之前：本次运行使用中文或英文；默认由
                      LANGUAGE、LC_MESSAGES 和 LANG 决定，C 区域设置
                      保持原来的文字
  --version           输出程序的版本
  -h, --help          显示本说明；m27 COMMAND --help 显示命令的说明
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
        <translation>让对讲机进入测试模式的监测，把它发来的每个数据包作为一行输出到标准
输出，直到 Ctrl-C（SIGINT）、SIGTERM 或 SIGHUP（终端关闭）；然后停止
监测并退出。&quot;m27 monitor stop&quot; 只发送停止请求，用于被杀死的进程
留下的数据流。
  rssi:    RSSI SNR AFC AUDIO   （寄存器 68、102、70、74；SNR 和 AFC 带符号）
  battery: AD CHARGE            （电池 AD 值；充电时为 1，否则为 0）
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
        <translation>  --rows FIRST..LAST  只取这些行（从 1 起，按文件顺序，不计注释；最多 25 行）
  --skip-unfit        略去本对讲机放不下的行（频率在 400..490 MHz 之外、
                      亚音不在表中、模式不是 FM 或 NFM、发射频率超出范围），
                      每行在标准错误上指出：&quot;跳过第N个：...&quot;（N 按 --rows
                      的计数）；在 --rows 之后进行
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
        <translation>命令（都不需要窗口；m27 COMMAND --help 说明更多）：
  read    --port DEV FILE.m27          把对讲机读入信道文件（并备份）
  write   --port DEV FILE.m27          把信道文件写入对讲机
                                       （--verify：读回并比较）
  verify  --port DEV FILE.m27          比较对讲机与信道文件
  diff    A.m27 B.m27                  比较两个信道文件
  id read --port DEV                   输出对讲机的 ID
  id write --port DEV --start N [--count K]
                                       依次把 ID N、N+1……写入 K 台对讲机
  monitor rssi|battery|stop --port DEV 输出测试模式的数据，直到 Ctrl-C
  rssi read --port DEV                 输出两个 RSSI 校准值
  rssi adjust --port DEV NARROW WIDE   设置这两个值
  csv export [--layout grid|generic] IN.m27 OUT.csv
                                       把信道文件的信道导出为电子表格
  csv import [--into BASE.m27] [--rows FIRST..LAST] [--skip-unfit]
          IN.csv OUT.m27               把电子表格的行导入信道文件
  ports                                列出串口，编号为 com1、com2……
  check [--port DEV | --find [--all]]  对讲机为什么不应答，或它在哪里
  series TEMPLATE.m27 --ids FIRST..LAST [--port DEV]... [--keep-id] [--log FILE]
          [--new-log] [--count N] [--report FILE.html]
                                       逐台为对讲机写频，每台一个 ID
</translation>
    </message>
    <message>
        <source>Reads the radio&apos;s options and its 25 channels and saves them to FILE.m27, as
the window&apos;s &quot;读取频率&quot; followed by &quot;保存文件&quot; would. FILE is replaced only
after a complete read. Messages go to standard error; on a terminal a progress
line shows &quot;正在读频...... 45/75&quot;.
</source>
        <translation>读取对讲机的设置和 25 个信道并保存到 FILE.m27，相当于在窗口中
&quot;读取频率&quot;后再&quot;保存文件&quot;。只有完整读完后才替换 FILE。
消息输出到标准错误；在终端上有一行进度：&quot;正在读频...... 45/75&quot;。
</translation>
    </message>
    <message>
        <source>Ctrl-C, SIGTERM or SIGHUP stops it after the exchange in flight: nothing more
is sent and FILE stays as it was (&quot;读频已中断&quot;).
</source>
        <translation>Ctrl-C、SIGTERM 或 SIGHUP 在当前交换结束后停止读频：不再发送任何数据，
FILE 保持原样（&quot;读频已中断&quot;）。
</translation>
    </message>
    <message>
        <source>no programming cable and no --port comN=DEVICE to search</source>
        <translation>没有写频线，也没有可搜索的 --port comN=DEVICE</translation>
    </message>
    <message>
        <source>no serial ports found (--port comN=DEVICE before the command sets one)</source>
        <translation>找不到串口（在命令之前用 --port comN=DEVICE 设置）</translation>
    </message>
    <message>
        <source>com%1 (no device; --port com%1=DEVICE before the command sets one)</source>
        <translation>com%1（没有设备；在命令之前用 --port com%1=DEVICE 设置）</translation>
    </message>
</context>
<context>
    <name>files</name>
    <message>
        <source>接收频率</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>发射频率</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第%1行（%2）：“%3”不是有效的频率</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打开文件失败
%1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件是空的</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>文件不完整：只读到%n行</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>第%1行不是有效的GBK文字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有用户数据文件夹</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>备份失败
%1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件中没有表头</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第%1行：表头应为“信道,接收频率,接收亚音,发射频率,发射亚音,带宽”或含Frequency列的通用格式</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>第%1行：信道多于25个（文件中有%n个），可用--rows FIRST..LAST选取其中至多25个</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>--rows %1..%2：文件中有%n个信道，一次至多导入25个</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>没有可导入的信道</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导出CSV失败
%1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导入CSV失败
%1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1”不是频率</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1”比10 Hz更细</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1”不是FM或NFM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1”不是空、+、-或split</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第%1信道%2：%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1”不是X-&gt;Y（X、Y为Tone、DTCS或空）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1”不是空、Tone、TSQL、DTCS、Cross、TSQL-R或DTCS-R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1”不是DCS码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1”不是NN、NR、RN或RR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1”不是CTCSS亚音</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应有6列，实有%1列</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>信道号应为%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第%1行第%2列（%3）：%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第%1行第%2列：%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第%1行（%2）：%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第%1行：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>跳过第%1个：%2%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件以UTF-8标记开头，却不是有效的UTF-8文字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件既不是UTF-8也不是GBK文字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>引号没有结束</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>引号后还有文字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1”不是频率（只可有数字和一个小数点，最多9个字符）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1”不在400～490 MHz之内</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1”超出电台能存放的发射频率</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1”不是专业模式的亚音</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1”不是普通模式的亚音</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1”不是带宽（宽带或窄带）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存文件失败
%1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第%1行含有换行符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第%1行含有GBK无法表示的字符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件将大于%1字节</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件大于%1字节</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>grid</name>
    <message>
        <source>第%1信道 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已有25个信道，不能再插入信道</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不能删除全部信道</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>粘贴超出了信道总数：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1：没有值</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>粘贴超出了最后一列</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>粘贴的各行列数不同</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>粘贴超出了信道总数</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>link</name>
    <message>
        <source>正在写频......</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在读频......</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口已断开，请检查数据线</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请打开通信端口</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请设置串口</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未知程序</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有找到任何串口</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>现有串口：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口不存在：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不是串口：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口存在：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有权限打开串口 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>有权限打开串口</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口已由本程序打开</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口已被占用：%1，被 %2 (PID %3) 占用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口空闲</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口已打开：9600,n,8,1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未检测：不是常见的写频线</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>对讲机在 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有找到对讲机</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口已被占用：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口无法打开：%1（%2）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请把自己加入dialout组：sudo usermod -aG dialout $USER，然后重新登录</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读频出错</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读写完成</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读频完成</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>信道数出错</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>通讯失败，请检查对讲机是否进入写频模式</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>对讲机中的数据可能不完整，请重新写频</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>通讯失败</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>写频完成</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>通讯失败，请检查对讲机是否进入写频模式
对讲机中的数据可能不完整，请重新写频</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>m27::ChannelGrid</name>
    <message>
        <source>信道设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>复制(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>粘贴(&amp;P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上移</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下移</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>插入信道</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>删除信道</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>向下填充</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>m27::ChannelModel</name>
    <message>
        <source>编辑信道</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上移</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下移</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>移动信道</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>插入信道</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>删除信道</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>向下填充</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>m27::ConnectionCheckDialog</name>
    <message>
        <source>连接检测</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重新检测</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自动查找</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>也检测其他串口</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在查找……</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>m27::CsvImportDialog</name>
    <message>
        <source>取消</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导入CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件中有%1个信道，对讲机最多存放%2个。
请选择要导入的一段（按文件中的顺序）：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第%1至%2个</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导入</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>以下%n行对讲机无法存放，导入时将跳过：</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>跳过并导入</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>m27::EngineeringDialog</name>
    <message>
        <source>工程模式</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数据读取</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RSSI调整</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RSSI窄带</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RSSI宽带</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>调整</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>m27::ExchangeController</name>
    <message>
        <source>向对讲机读入数据</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>向对讲机写入数据</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在读频......</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在写频......</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读频完成</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>写频完成</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>通讯失败</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读频出错</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>m27::FileController</name>
    <message>
        <source>通讯记录失败：%1：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置保存失败：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>当前信道数据已修改，是否保存？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导入CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>通讯记录失败
%1
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>m27::MainWindow</name>
    <message>
        <source>跟随系统(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>中文(&amp;Z)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开始写频(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读取频率(&amp;E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打开文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>接收</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>发射</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件(&amp;F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打开文件(&amp;O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存文件(&amp;s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最近打开的文件(&amp;R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导出CSV(&amp;X)…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导入CSV(&amp;I)…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打开备份文件夹(&amp;B)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>退出(&amp;E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>编辑(&amp;B)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置(&amp;I)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>端口(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>波特率(&amp;P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>其他(&amp;O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>通讯记录(&amp;T)…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读频自动备份(&amp;B)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>写后校验(&amp;V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>语言(&amp;L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>机型选择(&amp;J)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>编程操作(&amp;X)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读取频率(&amp;R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开始写频(&amp;W)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>工程模式</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>测试模式</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>写ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>连接检测(&amp;C)…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>批量写频(&amp;P)…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印(&amp;P)…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导出PDF(&amp;D)…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>当前信道数据已修改，是否保存？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确认要退出程序吗？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确认退出</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n个信道有错误</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>编辑信道</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>检查频率</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>频率方案</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>工作模式</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选项</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>遇忙禁发</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>信道编辑</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>信道总数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>频率步长(k)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>批量写频</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>模式</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>m27::MessageBoxes</name>
    <message>
        <source>保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>写频软件</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>m27::PortController</name>
    <message>
        <source>串口%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口关</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口开</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口关闭</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>m27::PortMessages</name>
    <message>
        <source>该串口1 不存在或有问题</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>该串口2不存在或有问题</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>该串口3不存在或有问题</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口4不存在或有问题</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口5不存在或有问题</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>该串口6不存在或有问题</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>该串口 不存在或有问题</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>m27::PrintController</name>
    <message>
        <source>打印预览</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导出PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导出PDF失败
%1
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>m27::QtFileDialogs</name>
    <message>
        <source>信道表(*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>通用格式(*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>通讯记录(*.txt);;*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>报告(*.html)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>m27::RadioIdDialog</name>
    <message>
        <source>输入ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>写ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(十进制)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>成功数</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>m27::SeriesDialog</name>
    <message>
        <source>批量写频</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口</source>
        <comment>a column</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>状态</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>原ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>完成</source>
        <translation type="unfinished">完成</translation>
    </message>
    <message>
        <source>失败</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保留原ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>起始ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数量</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>记录文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开始</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停止</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存报告…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>起始ID 须在1到4294967295之间</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数量 须在1到4294967295之间</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>起始ID+数量 不能超过4294967296</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入记录文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请选择串口</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 和 %2 是同一个串口</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>记录文件 %1 不存在，要新建吗？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存报告失败
%1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>批量写频已结束</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在写频，关闭将中断写频，对讲机中的数据可能不完整，请重新写频。要关闭吗？</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>m27::SheetHistory</name>
    <message>
        <source>撤销(&amp;U)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重做(&amp;R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读取频率</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>m27::ShownWords</name>
    <message>
        <source>宽带</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>窄带</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1:美国频率</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2:中国频率</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3:台湾频率</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4:自定义频率</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1:普通模式</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2:专业模式</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>允许</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>禁止</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>美国标准</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>中国标准</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>台湾标准</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自定义标准</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>写频软件     </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>m27::Splash</name>
    <message>
        <source>对讲机写频软件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>版本：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>发行日：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定(&amp;Q)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>m27::StripChart</name>
    <message>
        <source>最大 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>平均 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最小 %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>m27::TestModeDialog</name>
    <message>
        <source>测试模式</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RSSI 监控</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存数据…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开始</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停止</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>电池AD监控</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AD 值</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>充电</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存数据</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存数据失败
%1
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>m27::TransferController</name>
    <message>
        <source>开始写频</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>写频完成
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>写频完成</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打开备份文件夹失败
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>message</name>
    <message>
        <source>注意</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>series</name>
    <message>
        <source>ID %1..%2 不对：起始ID大于结束ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID %1..%2 不对：ID 0 不分配给对讲机</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法打开记录文件
%1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件夹不存在：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不是普通文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>记录文件写入失败
%1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>记录文件正被另一个批量写频任务使用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>记录文件不存在
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>记录文件第%1行不完整，已跳过</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>记录文件第%1行无法识别，已跳过</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法打开串口：不存在</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法打开串口：正被占用或无权限</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法打开串口：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID %1..%2 已全部用过，请换一个范围</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有一个串口能打开</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>所有串口都已断开</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>完成 %n 台</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>失败 %n 台</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1，%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1，%2，%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>中断 %n 台</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1，用时 %2 s，平均每台 %3 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未命名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>模板</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID范围</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保留原ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>是</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>否</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>订单</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>模板指纹</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>任务</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开始</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>结束</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>对讲机</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（无）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>时间</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>原ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>结果</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>步骤</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>用时(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>合计</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>已写过 %n 台</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>完成</source>
        <translation type="unfinished">完成</translation>
    </message>
    <message>
        <source>失败</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未确认</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>中断</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已写过</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>写频</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>回读</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>写ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>回读ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>批量写频报告</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zh-CN</source>
        <translation>zh-CN</translation>
    </message>
    <message>
        <source>已中断</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请接上对讲机</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口已断开</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已中断：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>失败：%1，请取下对讲机</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>这台已写过 (ID %1)，请换下一台</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>写频无应答</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>写频出错</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>回读无应答</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>回读出错</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>写ID无应答</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>写ID出错</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>回读ID无应答</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>回读ID出错</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（空）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>校验不一致：%1 写入%2，读回%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>校验不一致：第%1信道%2 写入%3，读回%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>回读ID不一致：写入%1，读回%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在校验......</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在检查......</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>暂无可用ID，等待其他串口</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在写频......</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>完成，请换下一台</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在写ID......</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已停止</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>service</name>
    <message>
        <source>连接正常：对讲机ID %1，往返 %2 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>对讲机应答太快（不到 20 ms），应答被丢弃：请换一台对讲机或数据线再试</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>只收到回显：数据线正常，但对讲机没有应答，请确认对讲机已开机、插头已插紧</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>收到无法识别的数据：请确认数据线和对讲机是本机型的</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>对讲机没有应答：请确认对讲机已开机、数据线两端已插紧</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID 输入错误，请重新输入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>写ID 通讯失败</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RSSI 输入错误，请重新输入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>通讯失败</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>调整</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读取 OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读取超时</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
