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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
