<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
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
