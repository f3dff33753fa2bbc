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
        <source>模式</source>
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
    <message>
        <source>信道</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>频率方案</source>
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
    <name>link</name>
    <message>
        <source>通讯失败</source>
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
    <name>message</name>
    <message>
        <source>注意</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
