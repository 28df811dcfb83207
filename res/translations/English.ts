<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
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
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="86"/>
        <source>&amp;New</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="87"/>
        <source>&amp;Open...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="88"/>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="89"/>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="90"/>
        <source>Save &amp;As...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="91"/>
        <source>&amp;Print...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="92"/>
        <source>Print Preview</source>
        <translation>Print Preview</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="93"/>
        <source>P&amp;rint Setup...</source>
        <translation>P&amp;rint Setup...</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="94"/>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="95"/>
        <source>Product Information</source>
        <translation>Product Information</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="96"/>
        <source>Channel Information</source>
        <translation>Channel Information</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="97"/>
        <source>Optional Features</source>
        <translation>Optional Features</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="98"/>
        <source>DTMF</source>
        <translation>DTMF</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="99"/>
        <source>MSK</source>
        <translation>MSK</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="100"/>
        <source>Two Tone</source>
        <translation>Two Tone</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="101"/>
        <source>Key Assignment</source>
        <translation>Key Assignment</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="102"/>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="103"/>
        <source>Cu&amp;t</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="104"/>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="105"/>
        <source>&amp;Paste</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="106"/>
        <source>&amp;Read</source>
        <translation>&amp;Read</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="107"/>
        <source>&amp;Write</source>
        <translation>&amp;Write</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="108"/>
        <source>High Power Debug</source>
        <translation>High Power Debug</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="109"/>
        <source>Low Power Debug</source>
        <translation>Low Power Debug</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="110"/>
        <source>Com Setup</source>
        <translation>Com Setup</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="111"/>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="112"/>
        <source>&amp;Toolbar</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="113"/>
        <source>&amp;Status Bar</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="114"/>
        <source>Control &amp;Bar</source>
        <translation>Control &amp;Bar</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="115"/>
        <source>&amp;Help Topics</source>
        <translation>&amp;Help Topics</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="116"/>
        <source>&amp;About ...</source>
        <translation>&amp;About ...</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="117"/>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="154"/>
        <source>Toolbar</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="169"/>
        <source>Ready</source>
        <translation>Ready</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="200"/>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="218"/>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="222"/>
        <source>&amp;Program</source>
        <translation>&amp;Program</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="225"/>
        <source>Setup</source>
        <translation>Setup</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="229"/>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="234"/>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="456"/>
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
