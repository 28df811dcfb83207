<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>zemtar::ui::CComSetupDlg</name>
    <message>
        <location filename="../../src/link/ui/CComSetupDlg.cpp" line="20"/>
        <source>Com Setup</source>
        <translation>串口设置</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CComSetupDlg.cpp" line="21"/>
        <source>Com Port</source>
        <translation>串口</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CLanguageDlg</name>
    <message>
        <location filename="../../src/shell/ui/Dialogs.cpp" line="47"/>
        <location filename="../../src/shell/ui/Dialogs.cpp" line="48"/>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/Dialogs.cpp" line="57"/>
        <source>Zemtar starts again in the language you choose.</source>
        <translation>Zemtar 将以所选语言重新启动。</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CMainFrame</name>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="91"/>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="92"/>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="93"/>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="94"/>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="95"/>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="96"/>
        <source>&amp;Print...</source>
        <translation>打印(&amp;P)...</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="97"/>
        <source>Print Preview</source>
        <translation>打印预览</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="98"/>
        <source>P&amp;rint Setup...</source>
        <translation>打印设置(&amp;R)...</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="99"/>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="100"/>
        <source>Product Information</source>
        <translation>类型设置</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="101"/>
        <source>Channel Information</source>
        <translation>信道信息</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="102"/>
        <source>Optional Features</source>
        <translation>可选功能</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="103"/>
        <source>DTMF</source>
        <translation>DTMF</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="104"/>
        <source>MSK</source>
        <translation>MSK</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="105"/>
        <source>Two Tone</source>
        <translation>两音</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="106"/>
        <source>Key Assignment</source>
        <translation>侧键设定</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="107"/>
        <source>&amp;Undo</source>
        <translation>撤消(&amp;U)</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="108"/>
        <source>Cu&amp;t</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="109"/>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="110"/>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="111"/>
        <source>&amp;Read</source>
        <translation>读频(&amp;R)</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="112"/>
        <source>&amp;Write</source>
        <translation>写频(&amp;W)</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="113"/>
        <source>High Power Debug</source>
        <translation>高功率调试</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="114"/>
        <source>Low Power Debug</source>
        <translation>低功率调试</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="115"/>
        <source>Com Setup</source>
        <translation>串口设置</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="116"/>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="117"/>
        <source>&amp;Toolbar</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="118"/>
        <source>&amp;Status Bar</source>
        <translation>状态栏(&amp;S)</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="119"/>
        <source>Control &amp;Bar</source>
        <translation>控制栏(&amp;B)</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="120"/>
        <source>&amp;Help Topics</source>
        <translation>帮助主题(&amp;H)</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="121"/>
        <source>&amp;About ...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="122"/>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="159"/>
        <source>Toolbar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="174"/>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="205"/>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="223"/>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="227"/>
        <source>&amp;Program</source>
        <translation>编程(&amp;P)</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="230"/>
        <source>Setup</source>
        <translation>设置</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="234"/>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="239"/>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="491"/>
        <source>Could not start %1. Start Zemtar again to use the new language.</source>
        <translation>无法启动 %1。请重新启动 Zemtar 以使用新的语言。</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CNavigatorBar</name>
    <message>
        <location filename="../../src/shell/ui/CNavigatorBar.cpp" line="48"/>
        <source>Close</source>
        <translation>关闭</translation>
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
        <location filename="../../src/link/ui/CPowerDebugDlg.cpp" line="27"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CPowerDebugDlg.cpp" line="30"/>
        <source>Current Position:</source>
        <translation>当前位置:</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CPowerDebugDlg.cpp" line="33"/>
        <source>Min</source>
        <translation>最小</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CPowerDebugDlg.cpp" line="35"/>
        <source>Max</source>
        <translation>最大</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CProcessDlg</name>
    <message>
        <location filename="../../src/link/ui/CProcessDlg.cpp" line="16"/>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CProcessDlg.cpp" line="19"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CProcessDlg.cpp" line="27"/>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CProcessDlg.cpp" line="48"/>
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
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CProductInfoDlg.cpp" line="49"/>
        <source>Field</source>
        <translation>频段</translation>
    </message>
</context>
</TS>
