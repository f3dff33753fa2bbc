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
    <name>grid</name>
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
</TS>
