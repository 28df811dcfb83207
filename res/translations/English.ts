<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>zemtar::ui::CComSetupDlg</name>
    <message>
        <location filename="../../src/link/ui/CComSetupDlg.cpp" line="20"/>
        <source>Com Setup</source>
        <translation>Com Setup</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CComSetupDlg.cpp" line="21"/>
        <source>Com Port</source>
        <translation>Com Port</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CLanguageDlg</name>
    <message>
        <location filename="../../src/shell/ui/Dialogs.cpp" line="47"/>
        <location filename="../../src/shell/ui/Dialogs.cpp" line="48"/>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/Dialogs.cpp" line="57"/>
        <source>Zemtar starts again in the language you choose.</source>
        <translation>Zemtar starts again in the language you choose.</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CMainFrame</name>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="91"/>
        <source>&amp;New</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="92"/>
        <source>&amp;Open...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="93"/>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="94"/>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="95"/>
        <source>Save &amp;As...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="96"/>
        <source>&amp;Print...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="97"/>
        <source>Print Preview</source>
        <translation>Print Preview</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="98"/>
        <source>P&amp;rint Setup...</source>
        <translation>P&amp;rint Setup...</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="99"/>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="100"/>
        <source>Product Information</source>
        <translation>Product Information</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="101"/>
        <source>Channel Information</source>
        <translation>Channel Information</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="102"/>
        <source>Optional Features</source>
        <translation>Optional Features</translation>
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
        <translation>Two Tone</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="106"/>
        <source>Key Assignment</source>
        <translation>Key Assignment</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="107"/>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="108"/>
        <source>Cu&amp;t</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="109"/>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="110"/>
        <source>&amp;Paste</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="111"/>
        <source>&amp;Read</source>
        <translation>&amp;Read</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="112"/>
        <source>&amp;Write</source>
        <translation>&amp;Write</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="113"/>
        <source>High Power Debug</source>
        <translation>High Power Debug</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="114"/>
        <source>Low Power Debug</source>
        <translation>Low Power Debug</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="115"/>
        <source>Com Setup</source>
        <translation>Com Setup</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="116"/>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="117"/>
        <source>&amp;Toolbar</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="118"/>
        <source>&amp;Status Bar</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="119"/>
        <source>Control &amp;Bar</source>
        <translation>Control &amp;Bar</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="120"/>
        <source>&amp;Help Topics</source>
        <translation>&amp;Help Topics</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="121"/>
        <source>&amp;About ...</source>
        <translation>&amp;About ...</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="122"/>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="159"/>
        <source>Toolbar</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="174"/>
        <source>Ready</source>
        <translation>Ready</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="205"/>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="223"/>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="227"/>
        <source>&amp;Program</source>
        <translation>&amp;Program</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="230"/>
        <source>Setup</source>
        <translation>Setup</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="234"/>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="239"/>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="491"/>
        <source>Could not start %1. Start Zemtar again to use the new language.</source>
        <translation>Could not start %1. Start Zemtar again to use the new language.</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CNavigatorBar</name>
    <message>
        <location filename="../../src/shell/ui/CNavigatorBar.cpp" line="48"/>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CPowerDebugDlg</name>
    <message>
        <location filename="../../src/link/ui/CPowerDebugDlg.cpp" line="17"/>
        <source>High Power Debug</source>
        <translation>High Power Debug</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CPowerDebugDlg.cpp" line="17"/>
        <source>Low Power Debug</source>
        <translation>Low Power Debug</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CPowerDebugDlg.cpp" line="27"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CPowerDebugDlg.cpp" line="30"/>
        <source>Current Position:</source>
        <translation>Current Position:</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CPowerDebugDlg.cpp" line="33"/>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CPowerDebugDlg.cpp" line="35"/>
        <source>Max</source>
        <translation>Max</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CProcessDlg</name>
    <message>
        <location filename="../../src/link/ui/CProcessDlg.cpp" line="16"/>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CProcessDlg.cpp" line="19"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CProcessDlg.cpp" line="27"/>
        <source>Progress</source>
        <translation>Progress</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CProcessDlg.cpp" line="48"/>
        <source>Not start yet</source>
        <translation>Not start yet</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CProductInfoDlg</name>
    <message>
        <location filename="../../src/editors/ui/CProductInfoDlg.cpp" line="26"/>
        <source>Product Information</source>
        <translation>Product Information</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CProductInfoDlg.cpp" line="27"/>
        <source>Type Setting</source>
        <translation>Type Setting</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CProductInfoDlg.cpp" line="48"/>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CProductInfoDlg.cpp" line="49"/>
        <source>Field</source>
        <translation>Field</translation>
    </message>
</context>
</TS>
