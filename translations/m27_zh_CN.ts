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
    <name>grid</name>
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
        <source>打印(&amp;P)…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导出PDF(&amp;D)…</source>
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
</TS>
