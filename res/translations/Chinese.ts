<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>BodyScrollArea</name>
    <message>
        <location filename="../../src/shell/ui/Legibility.cpp" line="90"/>
        <source>Scroll the window</source>
        <translation>滚动窗口</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/Legibility.cpp" line="92"/>
        <source>Scroll the window sideways</source>
        <translation>左右滚动窗口</translation>
    </message>
</context>
<context>
    <name>Buttons</name>
    <message>
        <location filename="../../src/shell/ui/MessageBox.cpp" line="26"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/MessageBox.cpp" line="28"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/MessageBox.cpp" line="30"/>
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/MessageBox.cpp" line="32"/>
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/MessageBox.cpp" line="34"/>
        <source>&amp;Retry</source>
        <translation>重试(&amp;R)</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/MessageBox.cpp" line="36"/>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/MessageBox.cpp" line="38"/>
        <source>&amp;Don&apos;t Save</source>
        <translation>不保存(&amp;D)</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/MessageBox.cpp" line="40"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CChannelEditDlg</name>
    <message>
        <location filename="../../src/channels/ui/CChannelEditDlg.cpp" line="95"/>
        <source>Channel Edit</source>
        <translation>信道编辑</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CChannelEditDlg.cpp" line="135"/>
        <source>Decode</source>
        <translation>解码</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CChannelEditDlg.cpp" line="138"/>
        <source>Encode</source>
        <translation>编码</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CChannelEditDlg.cpp" line="141"/>
        <source>Channel</source>
        <translation>信道</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CChannelEditDlg.cpp" line="142"/>
        <source>Optional Signal</source>
        <translation>可选信号</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CComSetupDlg</name>
    <message>
        <location filename="../../src/link/ui/CComSetupDlg.cpp" line="35"/>
        <source>Com Setup</source>
        <translation>串口设置</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CComSetupDlg.cpp" line="36"/>
        <source>Com Port</source>
        <translation>串口</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CCompareDlg</name>
    <message>
        <location filename="../../src/channels/ui/CChannelListDlgs.cpp" line="80"/>
        <source>Compare With</source>
        <translation>比较文件</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CChannelListDlgs.cpp" line="82"/>
        <source>%1 and %2 hold the same image.</source>
        <translation>%1 与 %2 的数据完全相同。</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CChannelListDlgs.cpp" line="83"/>
        <source>%1 and %2 differ in %3 place(s):</source>
        <translation>%1 与 %2 有 %3 处不同：</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CChannelListDlgs.cpp" line="88"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CDocumentManager</name>
    <message>
        <location filename="../../src/app/CDocumentManager.cpp" line="105"/>
        <source>Opened %1</source>
        <translation>已打开 %1</translation>
    </message>
    <message>
        <location filename="../../src/app/CDocumentManager.cpp" line="126"/>
        <source>This document now holds the radio read on %1 at %2. Replace %3 with it?</source>
        <translation>本文档现在保存的是 %2 从 %1 上读取的对讲机数据。用它替换 %3 吗？</translation>
    </message>
    <message>
        <location filename="../../src/app/CDocumentManager.cpp" line="129"/>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <location filename="../../src/app/CDocumentManager.cpp" line="129"/>
        <source>&amp;Replace</source>
        <translation>替换(&amp;R)</translation>
    </message>
    <message>
        <location filename="../../src/app/CDocumentManager.cpp" line="164"/>
        <source>Saved to %1</source>
        <translation>已保存到 %1</translation>
    </message>
    <message>
        <location filename="../../src/app/CDocumentManager.cpp" line="173"/>
        <source>Save changes to %1? Its window is closed, but the document is still open.</source>
        <translation>保存对 %1 的修改吗？它的窗口已关闭，但文档仍然打开。</translation>
    </message>
    <message>
        <location filename="../../src/app/CDocumentManager.cpp" line="174"/>
        <source>Save changes to %1?</source>
        <translation>保存对 %1 的修改吗？</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CDtmfDlg</name>
    <message>
        <location filename="../../src/editors/ui/CDtmfDlg.cpp" line="31"/>
        <source>Stun</source>
        <translation>遥毙</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CDtmfDlg.cpp" line="43"/>
        <source>Num</source>
        <translation>编号</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CDtmfDlg.cpp" line="43"/>
        <source>Fast Call List</source>
        <translation>快速呼叫列表</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CDtmfDlg.cpp" line="49"/>
        <source>Encode</source>
        <translation>编码</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CDtmfDlg.cpp" line="50"/>
        <source>Decode</source>
        <translation>解码</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CDtmfDlg.cpp" line="51"/>
        <source>CallList</source>
        <translation>呼叫列表</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CFleetDlg</name>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="39"/>
        <source>Program Many Radios</source>
        <translation>批量写频</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="45"/>
        <source>Template: %1 (the active document)</source>
        <translation>模板：%1（当前文档）</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="47"/>
        <source>Units</source>
        <translation>单元</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="49"/>
        <source>Load Units...</source>
        <translation>载入单元表...</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="53"/>
        <source>Generate</source>
        <translation>生成</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="55"/>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="226"/>
        <source>No units yet.</source>
        <translation>尚无单元。</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="59"/>
        <source>or generate:</source>
        <translation>或生成：</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="66"/>
        <source>Load Units</source>
        <translation>载入单元表</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="66"/>
        <source>Units table (*.csv)</source>
        <translation>单元表 (*.csv)</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="73"/>
        <source>Ports</source>
        <translation>端口</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="85"/>
        <source>Progress on %1</source>
        <translation>%1 的进度</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="88"/>
        <source>Next radio</source>
        <translation>下一台</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="90"/>
        <source>Next radio on %1</source>
        <translation>%1 的下一台</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="105"/>
        <source>Ask before each radio (&quot;Next radio&quot; when it is connected)</source>
        <translation>每台对讲机前询问（接好后按“下一台”）</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="112"/>
        <source>Log:</source>
        <translation>日志：</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="117"/>
        <source>fleet-log.csv in the application&apos;s data folder</source>
        <translation>程序数据文件夹中的 fleet-log.csv</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="119"/>
        <source>Choose...</source>
        <translation>选择...</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="126"/>
        <source>Log</source>
        <translation>日志</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="134"/>
        <source>Job log</source>
        <translation>任务日志</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="146"/>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="149"/>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="153"/>
        <source>Save Log...</source>
        <translation>保存日志...</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="156"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="196"/>
        <source>The units cannot be used (%1):
%2</source>
        <translation>单元无法使用（%1）：
%2</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="197"/>
        <source>
and %1 more</source>
        <translation>
另有 %1 项</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="204"/>
        <source>%1 unit(s): %2 ... %3; values: %4</source>
        <translation>%1 台：%2 ... %3；数值：%4</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="251"/>
        <source>Load or generate the units first.</source>
        <translation>请先载入或生成单元。</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="262"/>
        <source>Tick at least one port.</source>
        <translation>请至少勾选一个端口。</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="275"/>
        <source>Cannot make the folder %1.</source>
        <translation>无法建立文件夹 %1。</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="277"/>
        <source>The job&apos;s log cannot be kept, so no radio was programmed:
%1</source>
        <translation>无法保存任务日志，因此没有写任何对讲机：
%1</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="287"/>
        <source>The log had the earlier seven-column header: it now names every column; its %1 earlier line(s) are kept as they were, with the new columns empty.</source>
        <translation>该日志使用早先的七列表头：现已改为列出全部各列；早先的 %1 行原样保留，新列为空。</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="301"/>
        <source>Running; the log is %1.</source>
        <translation>正在进行；日志为 %1。</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="315"/>
        <source>unit %1: writing</source>
        <translation>单元 %1：写入中</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="331"/>
        <source>unit %1: verifying</source>
        <translation>单元 %1：校验中</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="343"/>
        <source>unit %1: verifying, %2</source>
        <translation>单元 %1：校验中，%2</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="344"/>
        <source>unit %1: writing, %2</source>
        <translation>单元 %1：写入中，%2</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="352"/>
        <source>unit %1: %2</source>
        <translation>单元 %1：%2</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="367"/>
        <source>connect the radio for unit %1</source>
        <translation>请接上单元 %1 的对讲机</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="401"/>
        <source>Not done: %1</source>
        <translation>未完成：%1</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="408"/>
        <source>stopped</source>
        <translation>已停止</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="422"/>
        <source>Save Log</source>
        <translation>保存日志</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="126"/>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="422"/>
        <source>Log (*.csv)</source>
        <translation>日志 (*.csv)</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="396"/>
        <source>%1 of %2 units programmed and verified; the log is %3.</source>
        <translation>%2 台中已写入并校验 %1 台；日志为 %3。</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="434"/>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="455"/>
        <source>The job is still running: Stop it first.</source>
        <translation>任务仍在进行：请先停止。</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CImportPlanDlg</name>
    <message>
        <location filename="../../src/channels/ui/CChannelListDlgs.cpp" line="46"/>
        <source>Import Channels</source>
        <translation>导入信道</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CChannelListDlgs.cpp" line="49"/>
        <source>%1: %2 channel(s) can be imported. Note:</source>
        <translation>%1：可导入 %2 个信道。注意：</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CChannelListDlgs.cpp" line="51"/>
        <source>%1: %2 row(s) do not fit the radio; %3 row(s) do. Nothing has been imported yet.</source>
        <translation>%1：%2 行不适合本对讲机；%3 行适合。尚未导入任何内容。</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CChannelListDlgs.cpp" line="56"/>
        <source>%1: no row fits the radio. Nothing was imported.</source>
        <translation>%1：没有一行适合本对讲机。未导入任何内容。</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CChannelListDlgs.cpp" line="62"/>
        <source>Note: %1</source>
        <translation>注意：%1</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CChannelListDlgs.cpp" line="67"/>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CChannelListDlgs.cpp" line="67"/>
        <source>Import the Rest</source>
        <translation>导入其余行</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CChannelListDlgs.cpp" line="69"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CChannelListDlgs.cpp" line="71"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CKeyAssignDlg</name>
    <message>
        <location filename="../../src/editors/ui/CKeyAssignDlg.cpp" line="16"/>
        <source>Key Assignment</source>
        <translation>侧键设定</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CKeyAssignDlg.cpp" line="18"/>
        <source>Side Key</source>
        <translation>侧键</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CLanguageDlg</name>
    <message>
        <location filename="../../src/shell/ui/Dialogs.cpp" line="50"/>
        <location filename="../../src/shell/ui/Dialogs.cpp" line="51"/>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/Dialogs.cpp" line="60"/>
        <source>Zemtar starts again in the language you choose.</source>
        <translation>Zemtar 将以所选语言重新启动。</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CLinkController</name>
    <message>
        <location filename="../../src/link/ui/CLinkController.cpp" line="106"/>
        <source>Verify</source>
        <translation>校验</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CLinkController.cpp" line="133"/>
        <source>The radio on %1 holds exactly this document.</source>
        <translation>%1 上的对讲机与本文档完全一致。</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CLinkController.cpp" line="134"/>
        <source>The radio on %1 differs from this document.</source>
        <translation>%1 上的对讲机与本文档不同。</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CLinkController.cpp" line="165"/>
        <source>Port %1</source>
        <translation>端口 %1</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CLinkController.cpp" line="177"/>
        <source>Written to the radio on %1</source>
        <translation>已写入 %1 上的对讲机</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CLinkController.cpp" line="179"/>
        <source>Verifying</source>
        <translation>正在校验</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CLinkController.cpp" line="203"/>
        <source>Read stopped: the password entered is not the one of the radio on %1</source>
        <translation>读取已停止：输入的密码不是 %1 上对讲机的密码</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CLinkController.cpp" line="207"/>
        <source>Read stopped: the radio on %1 has another password, none was entered</source>
        <translation>读取已停止：%1 上的对讲机有另外的密码，未输入密码</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CLinkController.cpp" line="213"/>
        <source>Read from radio</source>
        <translation>从对讲机读取</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CLinkController.cpp" line="218"/>
        <source>Read from the radio on %1: %2 rows</source>
        <translation>已从 %1 上的对讲机读取：%2 行</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CLinkController.cpp" line="225"/>
        <location filename="../../src/link/ui/CLinkController.cpp" line="273"/>
        <location filename="../../src/link/ui/CLinkController.cpp" line="282"/>
        <source>Could not open %1</source>
        <translation>无法打开 %1</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CLinkController.cpp" line="227"/>
        <location filename="../../src/link/ui/CLinkController.cpp" line="283"/>
        <source>The link with the radio on %1 failed</source>
        <translation>与 %1 上的对讲机通讯失败</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CLinkController.cpp" line="271"/>
        <source>Power adjustment on %1</source>
        <translation>%1 上的功率调整</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CLinkController.cpp" line="279"/>
        <source>Power value</source>
        <translation>功率值</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CMainFrame</name>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="144"/>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="150"/>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="156"/>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="165"/>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="174"/>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="183"/>
        <source>&amp;Print...</source>
        <translation>打印(&amp;P)...</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="189"/>
        <source>P&amp;rint Setup...</source>
        <translation>打印设置(&amp;R)...</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="190"/>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="299"/>
        <source>Sort b&amp;y Name</source>
        <translation>按名称排序(&amp;Y)</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="314"/>
        <source>Cha&amp;nnel Edit...</source>
        <translation>信道编辑(&amp;N)...</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="771"/>
        <source>Product Information</source>
        <translation>类型设置</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="198"/>
        <source>Optional Features</source>
        <translation>可选功能</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="205"/>
        <source>DTMF</source>
        <translation>DTMF</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="212"/>
        <source>MSK</source>
        <translation>MSK</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="218"/>
        <source>Two Tone</source>
        <translation>两音</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="225"/>
        <source>Key Assignment</source>
        <translation>侧键设定</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="228"/>
        <source>&amp;Undo</source>
        <translation>撤消(&amp;U)</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="237"/>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="246"/>
        <source>Cu&amp;t</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="252"/>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="258"/>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="264"/>
        <source>&amp;Delete Channels</source>
        <translation>删除信道(&amp;D)</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="270"/>
        <source>&amp;Insert Channel</source>
        <translation>插入信道(&amp;I)</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="276"/>
        <source>Delete and C&amp;lose Up</source>
        <translation>删除并上移(&amp;L)</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="288"/>
        <source>Move Do&amp;wn</source>
        <translation>下移(&amp;W)</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="294"/>
        <source>Sort by Receive &amp;Frequency</source>
        <translation>按接收频率排序(&amp;F)</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="301"/>
        <source>&amp;Import Channels...</source>
        <translation>导入信道(&amp;I)...</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="307"/>
        <source>&amp;Export Channels...</source>
        <translation>导出信道(&amp;E)...</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="312"/>
        <source>Co&amp;mpare With...</source>
        <translation>比较文件(&amp;M)...</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="320"/>
        <source>&amp;Read</source>
        <translation>读频(&amp;R)</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="326"/>
        <source>&amp;Write</source>
        <translation>写频(&amp;W)</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="331"/>
        <source>&amp;Verify</source>
        <translation>校验(&amp;V)</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="332"/>
        <source>Program &amp;Many Radios...</source>
        <translation>批量写频(&amp;M)...</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="188"/>
        <source>Print Pre&amp;view</source>
        <translation>打印预览(&amp;V)</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="191"/>
        <source>Product Inform&amp;ation</source>
        <translation>类型设置(&amp;A)</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="192"/>
        <source>C&amp;hannel Information</source>
        <translation>信道信息(&amp;H)</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="194"/>
        <source>Optional F&amp;eatures</source>
        <translation>可选功能(&amp;E)</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="201"/>
        <source>DT&amp;MF</source>
        <translation>DTMF(&amp;M)</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="208"/>
        <source>M&amp;SK</source>
        <translation>MSK(&amp;S)</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="214"/>
        <source>Two T&amp;one</source>
        <translation>两音(&amp;O)</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="221"/>
        <source>&amp;Key Assignment</source>
        <translation>侧键设定(&amp;K)</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="282"/>
        <source>Mo&amp;ve Up</source>
        <translation>上移(&amp;V)</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="333"/>
        <source>&amp;High Power Debug</source>
        <translation>高功率调试(&amp;H)</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="336"/>
        <source>&amp;Low Power Debug</source>
        <translation>低功率调试(&amp;L)</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="339"/>
        <source>&amp;Com Setup</source>
        <translation>串口设置(&amp;C)</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="342"/>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="344"/>
        <source>&amp;Toolbar</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="350"/>
        <source>&amp;Status Bar</source>
        <translation>状态栏(&amp;S)</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="356"/>
        <source>Control &amp;Bar</source>
        <translation>控制栏(&amp;B)</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="361"/>
        <source>&amp;Help Topics</source>
        <translation>帮助主题(&amp;H)</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="362"/>
        <source>&amp;About ...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="364"/>
        <source>Next Pane</source>
        <translation>下一窗格</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="370"/>
        <source>Previous Pane</source>
        <translation>上一窗格</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="378"/>
        <source>Next Window</source>
        <translation>下一窗口</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="384"/>
        <source>Previous Window</source>
        <translation>上一窗口</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="391"/>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="426"/>
        <source>Toolbar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="441"/>
        <location filename="../../src/app/CMainFrame.cpp" line="639"/>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="471"/>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="493"/>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="505"/>
        <source>&amp;Program</source>
        <translation>编程(&amp;P)</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="512"/>
        <source>&amp;Setup</source>
        <translation>设置(&amp;S)</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="516"/>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="525"/>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="625"/>
        <source>%1 is still open, with changes not saved; its window is closed: Channel Information or the Window menu shows it again.</source>
        <translation>%1 仍然打开，有未保存的修改；它的窗口已关闭：“信道信息”或“窗口”菜单可重新显示。</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="629"/>
        <source>%1 is still open; its window is closed: Channel Information or the Window menu shows it again.</source>
        <translation>%1 仍然打开；它的窗口已关闭：“信道信息”或“窗口”菜单可重新显示。</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="637"/>
        <source>%1 now holds the radio read on %2 at %3, not saved yet.</source>
        <translation>%1 现在保存的是 %3 从 %2 上读取的对讲机数据，尚未保存。</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="644"/>
        <source>&amp;Window</source>
        <translation>窗口(&amp;W)</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="661"/>
        <source>(window closed)</source>
        <translation>（窗口已关闭）</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="810"/>
        <source>There is nothing to print: no section is chosen, or the channels have no used channel.</source>
        <translation>没有可打印的内容：未选择任何部分，或没有已使用的信道。</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="849"/>
        <source>The report went to %1</source>
        <translation>报表已输出到 %1</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="904"/>
        <source>The new language could not be saved: %1</source>
        <translation>无法保存新的语言：%1</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="946"/>
        <source>Could not start %1. Start Zemtar again to use the new language.</source>
        <translation>无法启动 %1。请重新启动 Zemtar 以使用新的语言。</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CMskDlg</name>
    <message>
        <location filename="../../src/editors/ui/CMskDlg.cpp" line="32"/>
        <location filename="../../src/editors/ui/CMskDlg.cpp" line="36"/>
        <source>Call List</source>
        <translation>呼叫列表</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CMskDlg.cpp" line="36"/>
        <source>Num</source>
        <translation>编号</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CNavigatorBar</name>
    <message>
        <location filename="../../src/shell/ui/CNavigatorBar.cpp" line="37"/>
        <source>IE Control Bar</source>
        <translation>控制栏</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CNavigatorBar.cpp" line="60"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CNavigatorBar.cpp" line="61"/>
        <source>Close the navigator</source>
        <translation>关闭导航栏</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CNavigatorBar.cpp" line="74"/>
        <source>Settings of the radio</source>
        <translation>对讲机设置</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::COptionalFeaturesDlg</name>
    <message>
        <location filename="../../src/editors/ui/COptionalFeaturesDlg.cpp" line="18"/>
        <source>Optional Features</source>
        <translation>可选功能</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/COptionalFeaturesDlg.cpp" line="44"/>
        <source>PTT ID</source>
        <translation>PTT ID</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CPowerDebugDlg</name>
    <message>
        <location filename="../../src/link/ui/CPowerDebugDlg.cpp" line="17"/>
        <source>High Power Debug</source>
        <translation>高功率调试</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CPowerDebugDlg.cpp" line="17"/>
        <source>Low Power Debug</source>
        <translation>低功率调试</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CPowerDebugDlg.cpp" line="20"/>
        <source>Power value</source>
        <translation>功率值</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CPowerDebugDlg.cpp" line="31"/>
        <source>Port %1</source>
        <translation>端口 %1</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CPowerDebugDlg.cpp" line="33"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CPowerDebugDlg.cpp" line="36"/>
        <source>Current Position:</source>
        <translation>当前位置:</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CPowerDebugDlg.cpp" line="39"/>
        <source>Min</source>
        <translation>最小</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CPowerDebugDlg.cpp" line="41"/>
        <source>Max</source>
        <translation>最大</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CPowerDebugDlg.cpp" line="89"/>
        <source>The link with the radio on %1 failed</source>
        <translation>与 %1 上的对讲机通讯失败</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CPrintListDlg</name>
    <message>
        <location filename="../../src/print/ui/CPrintListDlg.cpp" line="24"/>
        <source>Radio Info (model, band, side key, file, date)</source>
        <translation>电台信息（型号、频段、侧键、文件、日期）</translation>
    </message>
    <message>
        <location filename="../../src/print/ui/CPrintListDlg.cpp" line="32"/>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <location filename="../../src/print/ui/CPrintListDlg.cpp" line="33"/>
        <source>Clear All</source>
        <translation>全部清除</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CProcessDlg</name>
    <message>
        <location filename="../../src/link/ui/CProcessDlg.cpp" line="19"/>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CProcessDlg.cpp" line="22"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CProcessDlg.cpp" line="30"/>
        <location filename="../../src/link/ui/CProcessDlg.cpp" line="32"/>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CProcessDlg.cpp" line="35"/>
        <source>Verify after writing</source>
        <translation>写入后校验</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CProcessDlg.cpp" line="68"/>
        <source>Not start yet</source>
        <translation>尚未开始</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CProductInfoDlg</name>
    <message>
        <location filename="../../src/editors/ui/CProductInfoDlg.cpp" line="26"/>
        <source>Product Information</source>
        <translation>类型设置</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CProductInfoDlg.cpp" line="27"/>
        <source>Type Setting</source>
        <translation>类型设置</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CProductInfoDlg.cpp" line="48"/>
        <source>Field, lowest frequency in MHz</source>
        <translation>频段，最低频率 (MHz)</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CProductInfoDlg.cpp" line="49"/>
        <source>Field, highest frequency in MHz</source>
        <translation>频段，最高频率 (MHz)</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CProductInfoDlg.cpp" line="53"/>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CProductInfoDlg.cpp" line="50"/>
        <source>Field</source>
        <translation>频段</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CTwoToneDlg</name>
    <message>
        <location filename="../../src/editors/ui/CTwoToneDlg.cpp" line="28"/>
        <source>Num</source>
        <translation>编号</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CTwoToneDlg.cpp" line="28"/>
        <source>Tone1 Fre</source>
        <translation>音频1</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CTwoToneDlg.cpp" line="28"/>
        <source>Tone2 Fre</source>
        <translation>音频2</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CTwoToneDlg.cpp" line="33"/>
        <source>Encode</source>
        <translation>编码</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CTwoToneDlg.cpp" line="48"/>
        <source>Decode</source>
        <translation>解码</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CVerifyDlg</name>
    <message>
        <location filename="../../src/link/ui/CVerifyDlg.cpp" line="14"/>
        <source>Verify</source>
        <translation>校验</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CVerifyDlg.cpp" line="17"/>
        <source>The radio holds exactly this document.</source>
        <translation>对讲机中的数据与本文档完全一致。</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CVerifyDlg.cpp" line="18"/>
        <source>The radio on %1 differs from this document in %2 place(s):</source>
        <translation>%1 上的对讲机与本文档有 %2 处不同：</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CVerifyDlg.cpp" line="23"/>
        <source>Differences</source>
        <translation>差异</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CVerifyDlg.cpp" line="29"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CZemtarDoc</name>
    <message>
        <location filename="../../src/shell/ui/CZemtarDoc.cpp" line="24"/>
        <source>Untitled</source>
        <translation>无标题</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CZemtarView</name>
    <message>
        <location filename="../../src/channels/ui/CZemtarView.cpp" line="38"/>
        <source>Channels</source>
        <translation>信道表</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarView.cpp" line="148"/>
        <source>The band in this memory is not valid: frequencies are checked against the radio&apos;s band, %1.</source>
        <translation>此存储中的频段无效：频率按对讲机的频段 %1 检查。</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarView.cpp" line="150"/>
        <source>The band in this memory is not valid: frequencies are checked against the receive range only.</source>
        <translation>此存储中的频段无效：频率只按接收范围检查。</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="263"/>
        <source>Edit %1</source>
        <translation>编辑%1</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="470"/>
        <source>Set %1 to %2 on all %3 used channels?</source>
        <translation>把全部 %3 个已用信道的 %1 设为 %2？</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="477"/>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="657"/>
        <source>Set %1</source>
        <translation>设置%1</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="479"/>
        <source>%1 set to %2 on %3 channels.</source>
        <translation>已将 %3 个信道的 %1 设为 %2。</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="487"/>
        <source>%1 takes at most %2 characters: the rest was not entered.</source>
        <translation>%1 最多 %2 个字符：其余的没有输入。</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="488"/>
        <source>%1 takes letters, digits and the signs of the keyboard only: the rest was not entered.</source>
        <translation>%1 只接受字母、数字和键盘上的符号：其余的没有输入。</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="504"/>
        <source>Delete channel %1?</source>
        <translation>删除信道 %1？</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="505"/>
        <source>Delete the %1 selected channels?</source>
        <translation>删除所选的 %1 个信道？</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="512"/>
        <source>Delete channels</source>
        <translation>删除信道</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="607"/>
        <source>The pasted rows reach beyond the last row (Fr).</source>
        <translation>粘贴的行超出了最后一行 (Fr)。</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="618"/>
        <source>Row %1: the pasted cells reach beyond the last column.</source>
        <translation>第 %1 行：粘贴的单元格超出了最后一列。</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="627"/>
        <source>Row %1, %2: %3</source>
        <translation>第 %1 行，%2：%3</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="631"/>
        <source>Nothing was pasted:
%1</source>
        <translation>未粘贴任何内容：
%1</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="635"/>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="648"/>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="646"/>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="557"/>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="647"/>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="643"/>
        <source>Cha&amp;nnel Edit...</source>
        <translation>信道编辑(&amp;N)...</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="666"/>
        <source>Delete Channels</source>
        <translation>删除信道</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="690"/>
        <source>Channel %1 is empty: type its receive frequency first.</source>
        <translation>信道 %1 是空的：请先输入它的接收频率。</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="704"/>
        <source>Channel Edit</source>
        <translation>信道编辑</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="31"/>
        <source>Select channels 1 to 128 (the Fr row does not move).</source>
        <translation>请选择信道 1 至 128（Fr 行不移动）。</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="33"/>
        <source>The selected channels are at the top already.</source>
        <translation>所选信道已在最上面。</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="35"/>
        <source>The selected channels are at the bottom already.</source>
        <translation>所选信道已在最下面。</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="37"/>
        <source>Channel 128 is in use: delete it or move it up before inserting a channel.</source>
        <translation>信道 128 已使用：请先删除它或将它上移，再插入信道。</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="44"/>
        <source>The priority channel was deleted; the setting now names the channel in its place.</source>
        <translation>优先信道已删除；该设置现在指向取代它位置的信道。</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="65"/>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="112"/>
        <source>Insert Channel</source>
        <translation>插入信道</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="66"/>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="122"/>
        <source>Delete and Close Up</source>
        <translation>删除并上移</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="67"/>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="124"/>
        <source>Move Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="68"/>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="125"/>
        <source>Move Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="69"/>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="129"/>
        <source>Sort by Receive Frequency</source>
        <translation>按接收频率排序</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="70"/>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="136"/>
        <source>Sort by Name</source>
        <translation>按名称排序</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="147"/>
        <source>%1 cannot be imported:
%2
Nothing was changed.</source>
        <translation>%1 无法导入：
%2
未作任何更改。</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="149"/>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="200"/>
        <source>Nothing was imported from %1.</source>
        <translation>未从 %1 导入任何信道。</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="159"/>
        <source>The file is not UTF-8 text.</source>
        <translation>该文件不是 UTF-8 文本。</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="171"/>
        <source>line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="172"/>
        <source>line %1, column %2: %3</source>
        <translation>第 %1 行，%2 列：%3</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="191"/>
        <source>The file has no channel rows below its header.</source>
        <translation>该文件的表头下没有信道行。</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="205"/>
        <source>The channels hold the values of %1 already; nothing changed.</source>
        <translation>信道已是 %1 中的数值；未作更改。</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="209"/>
        <source>Import Channels</source>
        <translation>导入信道</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="213"/>
        <source>Channels imported from %1.</source>
        <translation>已从 %1 导入信道。</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="222"/>
        <source>%1 is the document itself: give another name for the channel list.</source>
        <translation>%1 就是本文档：请为信道表另取一个文件名。</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="235"/>
        <source>Channels exported to %1.</source>
        <translation>信道已导出到 %1。</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="253"/>
        <source>the document (%1)</source>
        <translation>本文档（%1）</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="257"/>
        <source>Compared with %1: the same image.</source>
        <translation>已与 %1 比较：数据完全相同。</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="258"/>
        <source>Compared with %1: %2 difference(s).</source>
        <translation>已与 %1 比较：有 %2 处不同。</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="267"/>
        <source>Channel list in the common CSV layout (*.csv);;Tab-separated channel table (*.txt *.tsv);;All files (*)</source>
        <translation>通用 CSV 格式的信道表 (*.csv);;制表符分隔的信道表 (*.txt *.tsv);;所有文件 (*)</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::ChannelCellDelegate</name>
    <message>
        <location filename="../../src/channels/ui/ChannelCellDelegate.cpp" line="53"/>
        <source>%1, channel %2</source>
        <translation>%1，信道 %2</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::ChannelFindBar</name>
    <message>
        <location filename="../../src/channels/ui/ChannelFindBar.cpp" line="19"/>
        <source>Name, frequency or tone</source>
        <translation>名称、频率或亚音</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/ChannelFindBar.cpp" line="22"/>
        <source>Find:</source>
        <translation>查找：</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/ChannelFindBar.cpp" line="24"/>
        <source>Next</source>
        <translation>下一个</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/ChannelFindBar.cpp" line="27"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/ChannelFindBar.cpp" line="66"/>
        <source>No channel has &quot;%1&quot; in its name, frequencies or tones.</source>
        <translation>没有信道的名称、频率或亚音含有“%1”。</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/ChannelFindBar.cpp" line="71"/>
        <source>Found channel %1.</source>
        <translation>找到信道 %1。</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::ChannelTableModel</name>
    <message>
        <location filename="../../src/channels/ui/ChannelTableModel.cpp" line="62"/>
        <source>More: Channel Edit</source>
        <translation>更多：信道编辑</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::FrozenColumnView</name>
    <message>
        <location filename="../../src/channels/ui/FrozenColumnView.cpp" line="16"/>
        <source>Channels, fixed columns</source>
        <translation>信道表，固定列</translation>
    </message>
</context>
</TS>
