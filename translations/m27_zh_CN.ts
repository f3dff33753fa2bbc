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
        <translation type="unfinished"></translation>
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
    <name>message</name>
    <message>
        <source>注意</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
