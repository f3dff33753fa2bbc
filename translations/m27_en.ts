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
