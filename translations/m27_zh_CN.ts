<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
</context>
<context>
    <name>message</name>
    <message>
        <source>注意</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
