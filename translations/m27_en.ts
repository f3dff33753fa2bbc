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
        <source>模式</source>
        <translation>Mode</translation>
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
    <message>
        <source>信道</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>频率方案</source>
        <translation>Frequency plan</translation>
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
    <name>link</name>
    <message>
        <source>通讯失败</source>
        <translation>Communication failed</translation>
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
</TS>
