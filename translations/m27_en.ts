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
Choose the channels to import (in the file's order):</translation>
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
        <translation>&amp;Keep the radio's ID</translation>
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
    <name>message</name>
    <message>
        <source>注意</source>
        <translation>Attention</translation>
    </message>
</context>
</TS>
