<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Buttons</name>
    <message>
        <location filename="../../src/shell/ui/MessageBox.cpp" line="25"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/MessageBox.cpp" line="26"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/MessageBox.cpp" line="27"/>
        <source>&amp;Yes</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/MessageBox.cpp" line="28"/>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/MessageBox.cpp" line="29"/>
        <source>&amp;Retry</source>
        <translation>&amp;Retry</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/MessageBox.cpp" line="30"/>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/MessageBox.cpp" line="31"/>
        <source>&amp;Don&apos;t Save</source>
        <translation>&amp;Don't Save</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/MessageBox.cpp" line="32"/>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CChannelEditDlg</name>
    <message>
        <location filename="../../src/channels/ui/CChannelEditDlg.cpp" line="37"/>
        <source>Channel Edit</source>
        <translation>Channel Edit</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CChannelEditDlg.cpp" line="50"/>
        <source>Decode</source>
        <translation>Decode</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CChannelEditDlg.cpp" line="52"/>
        <source>Encode</source>
        <translation>Encode</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CChannelEditDlg.cpp" line="55"/>
        <source>Channel</source>
        <translation>Channel</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CChannelEditDlg.cpp" line="56"/>
        <source>Optional Signal</source>
        <translation>Optional Signal</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CComSetupDlg</name>
    <message>
        <location filename="../../src/link/ui/CComSetupDlg.cpp" line="21"/>
        <source>Com Setup</source>
        <translation>Com Setup</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CComSetupDlg.cpp" line="22"/>
        <source>Com Port</source>
        <translation>Com Port</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CDtmfDlg</name>
    <message>
        <location filename="../../src/editors/ui/CDtmfDlg.cpp" line="40"/>
        <source>Stun</source>
        <translation>Stun</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CDtmfDlg.cpp" line="52"/>
        <source>Num</source>
        <translation>Num</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CDtmfDlg.cpp" line="52"/>
        <source>Fast Call List</source>
        <translation>Fast Call List</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CDtmfDlg.cpp" line="57"/>
        <source>Encode</source>
        <translation>Encode</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CDtmfDlg.cpp" line="58"/>
        <source>Decode</source>
        <translation>Decode</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CDtmfDlg.cpp" line="59"/>
        <source>CallList</source>
        <translation>CallList</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CKeyAssignDlg</name>
    <message>
        <location filename="../../src/editors/ui/CKeyAssignDlg.cpp" line="17"/>
        <source>Key Assignment</source>
        <translation>Key Assignment</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CKeyAssignDlg.cpp" line="20"/>
        <source>Side Key</source>
        <translation>Side Key</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CLanguageDlg</name>
    <message>
        <location filename="../../src/shell/ui/Dialogs.cpp" line="50"/>
        <location filename="../../src/shell/ui/Dialogs.cpp" line="51"/>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/Dialogs.cpp" line="60"/>
        <source>Zemtar starts again in the language you choose.</source>
        <translation>Zemtar starts again in the language you choose.</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CMainFrame</name>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="117"/>
        <source>&amp;New</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="118"/>
        <source>&amp;Open...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="119"/>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="124"/>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="129"/>
        <source>Save &amp;As...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="134"/>
        <source>&amp;Print...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="135"/>
        <source>Print Preview</source>
        <translation>Print Preview</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="136"/>
        <source>P&amp;rint Setup...</source>
        <translation>P&amp;rint Setup...</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="137"/>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="138"/>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="561"/>
        <source>Product Information</source>
        <translation>Product Information</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="139"/>
        <source>Channel Information</source>
        <translation>Channel Information</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="140"/>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="141"/>
        <source>Optional Features</source>
        <translation>Optional Features</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="143"/>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="144"/>
        <source>DTMF</source>
        <translation>DTMF</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="145"/>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="146"/>
        <source>MSK</source>
        <translation>MSK</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="147"/>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="148"/>
        <source>Two Tone</source>
        <translation>Two Tone</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="149"/>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="150"/>
        <source>Key Assignment</source>
        <translation>Key Assignment</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="152"/>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="157"/>
        <source>&amp;Redo</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="162"/>
        <source>Cu&amp;t</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="163"/>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="164"/>
        <source>&amp;Paste</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="165"/>
        <source>&amp;Delete Channels</source>
        <translation>&amp;Delete Channels</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="166"/>
        <source>&amp;Read</source>
        <translation>&amp;Read</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="167"/>
        <source>&amp;Write</source>
        <translation>&amp;Write</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="168"/>
        <source>High Power Debug</source>
        <translation>High Power Debug</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="173"/>
        <source>Low Power Debug</source>
        <translation>Low Power Debug</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="178"/>
        <source>Com Setup</source>
        <translation>Com Setup</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="179"/>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="180"/>
        <source>&amp;Toolbar</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="181"/>
        <source>&amp;Status Bar</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="182"/>
        <source>Control &amp;Bar</source>
        <translation>Control &amp;Bar</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="183"/>
        <source>&amp;Help Topics</source>
        <translation>&amp;Help Topics</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="184"/>
        <source>&amp;About ...</source>
        <translation>&amp;About ...</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="185"/>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="224"/>
        <source>Toolbar</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="239"/>
        <source>Ready</source>
        <translation>Ready</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="270"/>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="288"/>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="299"/>
        <source>&amp;Program</source>
        <translation>&amp;Program</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="302"/>
        <source>&amp;Setup</source>
        <translation>&amp;Setup</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="306"/>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="311"/>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="535"/>
        <source>Save changes to %1?</source>
        <translation>Save changes to %1?</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="599"/>
        <source>There is nothing to print: no section is chosen, or the channels have no used channel.</source>
        <translation>There is nothing to print: no section is chosen, or the channels have no used channel.</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CMainFrame.cpp" line="690"/>
        <source>Could not start %1. Start Zemtar again to use the new language.</source>
        <translation>Could not start %1. Start Zemtar again to use the new language.</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CMskDlg</name>
    <message>
        <location filename="../../src/editors/ui/CMskDlg.cpp" line="31"/>
        <location filename="../../src/editors/ui/CMskDlg.cpp" line="35"/>
        <source>Call List</source>
        <translation>Call List</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CMskDlg.cpp" line="35"/>
        <source>Num</source>
        <translation>Num</translation>
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
    <name>zemtar::ui::COptionalFeaturesDlg</name>
    <message>
        <location filename="../../src/editors/ui/COptionalFeaturesDlg.cpp" line="19"/>
        <source>Optional Features</source>
        <translation>Optional Features</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/COptionalFeaturesDlg.cpp" line="46"/>
        <source>PTT ID</source>
        <translation>PTT ID</translation>
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
    <name>zemtar::ui::CPrintListDlg</name>
    <message>
        <location filename="../../src/print/ui/CPrintListDlg.cpp" line="28"/>
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
    <message>
        <location filename="../../src/print/ui/CPrintListDlg.cpp" line="29"/>
        <source>Clear All</source>
        <translation>Clear All</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CProcessDlg</name>
    <message>
        <location filename="../../src/link/ui/CProcessDlg.cpp" line="18"/>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CProcessDlg.cpp" line="21"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CProcessDlg.cpp" line="30"/>
        <source>Progress</source>
        <translation>Progress</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CProcessDlg.cpp" line="56"/>
        <source>Not start yet</source>
        <translation>Not start yet</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CProductInfoDlg</name>
    <message>
        <location filename="../../src/editors/ui/CProductInfoDlg.cpp" line="25"/>
        <source>Product Information</source>
        <translation>Product Information</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CProductInfoDlg.cpp" line="26"/>
        <source>Type Setting</source>
        <translation>Type Setting</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CProductInfoDlg.cpp" line="47"/>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CProductInfoDlg.cpp" line="48"/>
        <source>Field</source>
        <translation>Field</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CTwoToneDlg</name>
    <message>
        <location filename="../../src/editors/ui/CTwoToneDlg.cpp" line="37"/>
        <source>Num</source>
        <translation>Num</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CTwoToneDlg.cpp" line="37"/>
        <source>Tone1 Fre</source>
        <translation>Tone1 Fre</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CTwoToneDlg.cpp" line="37"/>
        <source>Tone2 Fre</source>
        <translation>Tone2 Fre</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CTwoToneDlg.cpp" line="42"/>
        <source>Encode</source>
        <translation>Encode</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CTwoToneDlg.cpp" line="60"/>
        <source>Decode</source>
        <translation>Decode</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CZemtarDoc</name>
    <message>
        <location filename="../../src/shell/ui/CZemtarDoc.cpp" line="18"/>
        <source>Untitled</source>
        <translation>Untitled</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CZemtarView</name>
    <message>
        <location filename="../../src/channels/ui/CZemtarView.cpp" line="141"/>
        <source>The band in this memory is not valid: frequencies are checked against the radio&apos;s band, %1.</source>
        <translation>The band in this memory is not valid: frequencies are checked against the radio's band, %1.</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarView.cpp" line="143"/>
        <source>The band in this memory is not valid: frequencies are checked against the receive range only.</source>
        <translation>The band in this memory is not valid: frequencies are checked against the receive range only.</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarView.cpp" line="194"/>
        <source>Written to the radio on %1</source>
        <translation>Written to the radio on %1</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarView.cpp" line="202"/>
        <source>Read from radio</source>
        <translation>Read from radio</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarView.cpp" line="207"/>
        <source>Read from the radio on %1: %2 rows</source>
        <translation>Read from the radio on %1: %2 rows</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarView.cpp" line="230"/>
        <source>Power value</source>
        <translation>Power value</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="254"/>
        <source>Edit %1</source>
        <translation>Edit %1</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="397"/>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="562"/>
        <source>Set %1</source>
        <translation>Set %1</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="405"/>
        <source>Delete channel %1?</source>
        <translation>Delete channel %1?</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="406"/>
        <source>Delete the %1 selected channels?</source>
        <translation>Delete the %1 selected channels?</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="413"/>
        <source>Delete channels</source>
        <translation>Delete channels</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="505"/>
        <source>The pasted rows reach beyond the last row (Fr).</source>
        <translation>The pasted rows reach beyond the last row (Fr).</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="515"/>
        <source>Row %1: the pasted cells reach beyond the last column.</source>
        <translation>Row %1: the pasted cells reach beyond the last column.</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="528"/>
        <source>Row %1, %2: %3</source>
        <translation>Row %1, %2: %3</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="544"/>
        <source>Nothing was pasted:
%1</source>
        <translation>Nothing was pasted:
%1</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="548"/>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="558"/>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="556"/>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="457"/>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="557"/>
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="570"/>
        <source>Delete Channels</source>
        <translation>Delete Channels</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="580"/>
        <source>Channel Edit</source>
        <translation>Channel Edit</translation>
    </message>
</context>
</TS>
