<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>BodyScrollArea</name>
    <message>
        <location filename="../../src/shell/ui/Legibility.cpp" line="90"/>
        <source>Scroll the window</source>
        <translation>Scroll the window</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/Legibility.cpp" line="92"/>
        <source>Scroll the window sideways</source>
        <translation>Scroll the window sideways</translation>
    </message>
</context>
<context>
    <name>Buttons</name>
    <message>
        <location filename="../../src/shell/ui/MessageBox.cpp" line="26"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/MessageBox.cpp" line="28"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/MessageBox.cpp" line="30"/>
        <source>&amp;Yes</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/MessageBox.cpp" line="32"/>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/MessageBox.cpp" line="34"/>
        <source>&amp;Retry</source>
        <translation>&amp;Retry</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/MessageBox.cpp" line="36"/>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/MessageBox.cpp" line="38"/>
        <source>&amp;Don&apos;t Save</source>
        <translation>&amp;Don't Save</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/MessageBox.cpp" line="40"/>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CChannelEditDlg</name>
    <message>
        <location filename="../../src/channels/ui/CChannelEditDlg.cpp" line="95"/>
        <source>Channel Edit</source>
        <translation>Channel Edit</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CChannelEditDlg.cpp" line="135"/>
        <source>Decode</source>
        <translation>Decode</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CChannelEditDlg.cpp" line="138"/>
        <source>Encode</source>
        <translation>Encode</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CChannelEditDlg.cpp" line="141"/>
        <source>Channel</source>
        <translation>Channel</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CChannelEditDlg.cpp" line="142"/>
        <source>Optional Signal</source>
        <translation>Optional Signal</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CComSetupDlg</name>
    <message>
        <location filename="../../src/link/ui/CComSetupDlg.cpp" line="35"/>
        <source>Com Setup</source>
        <translation>Com Setup</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CComSetupDlg.cpp" line="36"/>
        <source>Com Port</source>
        <translation>Com Port</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CCompareDlg</name>
    <message>
        <location filename="../../src/channels/ui/CChannelListDlgs.cpp" line="80"/>
        <source>Compare With</source>
        <translation>Compare With</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CChannelListDlgs.cpp" line="82"/>
        <source>%1 and %2 hold the same image.</source>
        <translation>%1 and %2 hold the same image.</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CChannelListDlgs.cpp" line="83"/>
        <source>%1 and %2 differ in %3 place(s):</source>
        <translation>%1 and %2 differ in %3 place(s):</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CChannelListDlgs.cpp" line="88"/>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CDocumentManager</name>
    <message>
        <location filename="../../src/app/CDocumentManager.cpp" line="105"/>
        <source>Opened %1</source>
        <translation>Opened %1</translation>
    </message>
    <message>
        <location filename="../../src/app/CDocumentManager.cpp" line="126"/>
        <source>This document now holds the radio read on %1 at %2. Replace %3 with it?</source>
        <translation>This document now holds the radio read on %1 at %2. Replace %3 with it?</translation>
    </message>
    <message>
        <location filename="../../src/app/CDocumentManager.cpp" line="129"/>
        <source>Save &amp;As...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <location filename="../../src/app/CDocumentManager.cpp" line="129"/>
        <source>&amp;Replace</source>
        <translation>&amp;Replace</translation>
    </message>
    <message>
        <location filename="../../src/app/CDocumentManager.cpp" line="164"/>
        <source>Saved to %1</source>
        <translation>Saved to %1</translation>
    </message>
    <message>
        <location filename="../../src/app/CDocumentManager.cpp" line="173"/>
        <source>Save changes to %1? Its window is closed, but the document is still open.</source>
        <translation>Save changes to %1? Its window is closed, but the document is still open.</translation>
    </message>
    <message>
        <location filename="../../src/app/CDocumentManager.cpp" line="174"/>
        <source>Save changes to %1?</source>
        <translation>Save changes to %1?</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CDtmfDlg</name>
    <message>
        <location filename="../../src/editors/ui/CDtmfDlg.cpp" line="31"/>
        <source>Stun</source>
        <translation>Stun</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CDtmfDlg.cpp" line="43"/>
        <source>Num</source>
        <translation>Num</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CDtmfDlg.cpp" line="43"/>
        <source>Fast Call List</source>
        <translation>Fast Call List</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CDtmfDlg.cpp" line="49"/>
        <source>Encode</source>
        <translation>Encode</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CDtmfDlg.cpp" line="50"/>
        <source>Decode</source>
        <translation>Decode</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CDtmfDlg.cpp" line="51"/>
        <source>CallList</source>
        <translation>CallList</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CFleetDlg</name>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="39"/>
        <source>Program Many Radios</source>
        <translation>Program Many Radios</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="45"/>
        <source>Template: %1 (the active document)</source>
        <translation>Template: %1 (the active document)</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="47"/>
        <source>Units</source>
        <translation>Units</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="49"/>
        <source>Load Units...</source>
        <translation>Load Units...</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="53"/>
        <source>Generate</source>
        <translation>Generate</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="55"/>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="226"/>
        <source>No units yet.</source>
        <translation>No units yet.</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="59"/>
        <source>or generate:</source>
        <translation>or generate:</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="66"/>
        <source>Load Units</source>
        <translation>Load Units</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="66"/>
        <source>Units table (*.csv)</source>
        <translation>Units table (*.csv)</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="73"/>
        <source>Ports</source>
        <translation>Ports</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="85"/>
        <source>Progress on %1</source>
        <translation>Progress on %1</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="88"/>
        <source>Next radio</source>
        <translation>Next radio</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="90"/>
        <source>Next radio on %1</source>
        <translation>Next radio on %1</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="105"/>
        <source>Ask before each radio (&quot;Next radio&quot; when it is connected)</source>
        <translation>Ask before each radio ("Next radio" when it is connected)</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="112"/>
        <source>Log:</source>
        <translation>Log:</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="117"/>
        <source>fleet-log.csv in the application&apos;s data folder</source>
        <translation>fleet-log.csv in the application's data folder</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="119"/>
        <source>Choose...</source>
        <translation>Choose...</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="126"/>
        <source>Log</source>
        <translation>Log</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="134"/>
        <source>Job log</source>
        <translation>Job log</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="146"/>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="149"/>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="153"/>
        <source>Save Log...</source>
        <translation>Save Log...</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="156"/>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="196"/>
        <source>The units cannot be used (%1):
%2</source>
        <translation>The units cannot be used (%1):
%2</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="197"/>
        <source>
and %1 more</source>
        <translation>
and %1 more</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="204"/>
        <source>%1 unit(s): %2 ... %3; values: %4</source>
        <translation>%1 unit(s): %2 ... %3; values: %4</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="251"/>
        <source>Load or generate the units first.</source>
        <translation>Load or generate the units first.</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="262"/>
        <source>Tick at least one port.</source>
        <translation>Tick at least one port.</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="275"/>
        <source>Cannot make the folder %1.</source>
        <translation>Cannot make the folder %1.</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="277"/>
        <source>The job&apos;s log cannot be kept, so no radio was programmed:
%1</source>
        <translation>The job's log cannot be kept, so no radio was programmed:
%1</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="287"/>
        <source>The log had the earlier seven-column header: it now names every column; its %1 earlier line(s) are kept as they were, with the new columns empty.</source>
        <translation>The log had the earlier seven-column header: it now names every column; its %1 earlier line(s) are kept as they were, with the new columns empty.</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="301"/>
        <source>Running; the log is %1.</source>
        <translation>Running; the log is %1.</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="315"/>
        <source>unit %1: writing</source>
        <translation>unit %1: writing</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="331"/>
        <source>unit %1: verifying</source>
        <translation>unit %1: verifying</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="343"/>
        <source>unit %1: verifying, %2</source>
        <translation>unit %1: verifying, %2</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="344"/>
        <source>unit %1: writing, %2</source>
        <translation>unit %1: writing, %2</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="352"/>
        <source>unit %1: %2</source>
        <translation>unit %1: %2</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="367"/>
        <source>connect the radio for unit %1</source>
        <translation>connect the radio for unit %1</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="401"/>
        <source>Not done: %1</source>
        <translation>Not done: %1</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="408"/>
        <source>stopped</source>
        <translation>stopped</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="422"/>
        <source>Save Log</source>
        <translation>Save Log</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="126"/>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="422"/>
        <source>Log (*.csv)</source>
        <translation>Log (*.csv)</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="396"/>
        <source>%1 of %2 units programmed and verified; the log is %3.</source>
        <translation>%1 of %2 units programmed and verified; the log is %3.</translation>
    </message>
    <message>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="434"/>
        <location filename="../../src/fleet/ui/CFleetDlg.cpp" line="455"/>
        <source>The job is still running: Stop it first.</source>
        <translation>The job is still running: Stop it first.</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CImportPlanDlg</name>
    <message>
        <location filename="../../src/channels/ui/CChannelListDlgs.cpp" line="46"/>
        <source>Import Channels</source>
        <translation>Import Channels</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CChannelListDlgs.cpp" line="49"/>
        <source>%1: %2 channel(s) can be imported. Note:</source>
        <translation>%1: %2 channel(s) can be imported. Note:</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CChannelListDlgs.cpp" line="51"/>
        <source>%1: %2 row(s) do not fit the radio; %3 row(s) do. Nothing has been imported yet.</source>
        <translation>%1: %2 row(s) do not fit the radio; %3 row(s) do. Nothing has been imported yet.</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CChannelListDlgs.cpp" line="56"/>
        <source>%1: no row fits the radio. Nothing was imported.</source>
        <translation>%1: no row fits the radio. Nothing was imported.</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CChannelListDlgs.cpp" line="62"/>
        <source>Note: %1</source>
        <translation>Note: %1</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CChannelListDlgs.cpp" line="67"/>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CChannelListDlgs.cpp" line="67"/>
        <source>Import the Rest</source>
        <translation>Import the Rest</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CChannelListDlgs.cpp" line="69"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CChannelListDlgs.cpp" line="71"/>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CKeyAssignDlg</name>
    <message>
        <location filename="../../src/editors/ui/CKeyAssignDlg.cpp" line="16"/>
        <source>Key Assignment</source>
        <translation>Key Assignment</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CKeyAssignDlg.cpp" line="18"/>
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
    <name>zemtar::ui::CLinkController</name>
    <message>
        <location filename="../../src/link/ui/CLinkController.cpp" line="106"/>
        <source>Verify</source>
        <translation>Verify</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CLinkController.cpp" line="133"/>
        <source>The radio on %1 holds exactly this document.</source>
        <translation>The radio on %1 holds exactly this document.</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CLinkController.cpp" line="134"/>
        <source>The radio on %1 differs from this document.</source>
        <translation>The radio on %1 differs from this document.</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CLinkController.cpp" line="165"/>
        <source>Port %1</source>
        <translation>Port %1</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CLinkController.cpp" line="177"/>
        <source>Written to the radio on %1</source>
        <translation>Written to the radio on %1</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CLinkController.cpp" line="179"/>
        <source>Verifying</source>
        <translation>Verifying</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CLinkController.cpp" line="203"/>
        <source>Read stopped: the password entered is not the one of the radio on %1</source>
        <translation>Read stopped: the password entered is not the one of the radio on %1</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CLinkController.cpp" line="207"/>
        <source>Read stopped: the radio on %1 has another password, none was entered</source>
        <translation>Read stopped: the radio on %1 has another password, none was entered</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CLinkController.cpp" line="213"/>
        <source>Read from radio</source>
        <translation>Read from radio</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CLinkController.cpp" line="218"/>
        <source>Read from the radio on %1: %2 rows</source>
        <translation>Read from the radio on %1: %2 rows</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CLinkController.cpp" line="225"/>
        <location filename="../../src/link/ui/CLinkController.cpp" line="273"/>
        <location filename="../../src/link/ui/CLinkController.cpp" line="282"/>
        <source>Could not open %1</source>
        <translation>Could not open %1</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CLinkController.cpp" line="227"/>
        <location filename="../../src/link/ui/CLinkController.cpp" line="283"/>
        <source>The link with the radio on %1 failed</source>
        <translation>The link with the radio on %1 failed</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CLinkController.cpp" line="271"/>
        <source>Power adjustment on %1</source>
        <translation>Power adjustment on %1</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CLinkController.cpp" line="279"/>
        <source>Power value</source>
        <translation>Power value</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CMainFrame</name>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="144"/>
        <source>&amp;New</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="150"/>
        <source>&amp;Open...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="156"/>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="165"/>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="174"/>
        <source>Save &amp;As...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="183"/>
        <source>&amp;Print...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="189"/>
        <source>P&amp;rint Setup...</source>
        <translation>P&amp;rint Setup...</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="190"/>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="299"/>
        <source>Sort b&amp;y Name</source>
        <translation>Sort b&amp;y Name</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="314"/>
        <source>Cha&amp;nnel Edit...</source>
        <translation>Cha&amp;nnel Edit...</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="771"/>
        <source>Product Information</source>
        <translation>Product Information</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="198"/>
        <source>Optional Features</source>
        <translation>Optional Features</translation>
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
        <translation>Two Tone</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="225"/>
        <source>Key Assignment</source>
        <translation>Key Assignment</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="228"/>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="237"/>
        <source>&amp;Redo</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="246"/>
        <source>Cu&amp;t</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="252"/>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="258"/>
        <source>&amp;Paste</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="264"/>
        <source>&amp;Delete Channels</source>
        <translation>&amp;Delete Channels</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="270"/>
        <source>&amp;Insert Channel</source>
        <translation>&amp;Insert Channel</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="276"/>
        <source>Delete and C&amp;lose Up</source>
        <translation>Delete and C&amp;lose Up</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="288"/>
        <source>Move Do&amp;wn</source>
        <translation>Move Do&amp;wn</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="294"/>
        <source>Sort by Receive &amp;Frequency</source>
        <translation>Sort by Receive &amp;Frequency</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="301"/>
        <source>&amp;Import Channels...</source>
        <translation>&amp;Import Channels...</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="307"/>
        <source>&amp;Export Channels...</source>
        <translation>&amp;Export Channels...</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="312"/>
        <source>Co&amp;mpare With...</source>
        <translation>Co&amp;mpare With...</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="320"/>
        <source>&amp;Read</source>
        <translation>&amp;Read</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="326"/>
        <source>&amp;Write</source>
        <translation>&amp;Write</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="331"/>
        <source>&amp;Verify</source>
        <translation>&amp;Verify</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="332"/>
        <source>Program &amp;Many Radios...</source>
        <translation>Program &amp;Many Radios...</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="188"/>
        <source>Print Pre&amp;view</source>
        <translation>Print Pre&amp;view</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="191"/>
        <source>Product Inform&amp;ation</source>
        <translation>Product Inform&amp;ation</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="192"/>
        <source>C&amp;hannel Information</source>
        <translation>C&amp;hannel Information</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="194"/>
        <source>Optional F&amp;eatures</source>
        <translation>Optional F&amp;eatures</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="201"/>
        <source>DT&amp;MF</source>
        <translation>DT&amp;MF</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="208"/>
        <source>M&amp;SK</source>
        <translation>M&amp;SK</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="214"/>
        <source>Two T&amp;one</source>
        <translation>Two T&amp;one</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="221"/>
        <source>&amp;Key Assignment</source>
        <translation>&amp;Key Assignment</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="282"/>
        <source>Mo&amp;ve Up</source>
        <translation>Mo&amp;ve Up</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="333"/>
        <source>&amp;High Power Debug</source>
        <translation>&amp;High Power Debug</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="336"/>
        <source>&amp;Low Power Debug</source>
        <translation>&amp;Low Power Debug</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="339"/>
        <source>&amp;Com Setup</source>
        <translation>&amp;Com Setup</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="342"/>
        <source>&amp;Language</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="344"/>
        <source>&amp;Toolbar</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="350"/>
        <source>&amp;Status Bar</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="356"/>
        <source>Control &amp;Bar</source>
        <translation>Control &amp;Bar</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="361"/>
        <source>&amp;Help Topics</source>
        <translation>&amp;Help Topics</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="362"/>
        <source>&amp;About ...</source>
        <translation>&amp;About ...</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="364"/>
        <source>Next Pane</source>
        <translation>Next Pane</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="370"/>
        <source>Previous Pane</source>
        <translation>Previous Pane</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="378"/>
        <source>Next Window</source>
        <translation>Next Window</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="384"/>
        <source>Previous Window</source>
        <translation>Previous Window</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="391"/>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="426"/>
        <source>Toolbar</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="441"/>
        <location filename="../../src/app/CMainFrame.cpp" line="639"/>
        <source>Ready</source>
        <translation>Ready</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="471"/>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="493"/>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="505"/>
        <source>&amp;Program</source>
        <translation>&amp;Program</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="512"/>
        <source>&amp;Setup</source>
        <translation>&amp;Setup</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="516"/>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="525"/>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="625"/>
        <source>%1 is still open, with changes not saved; its window is closed: Channel Information or the Window menu shows it again.</source>
        <translation>%1 is still open, with changes not saved; its window is closed: Channel Information or the Window menu shows it again.</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="629"/>
        <source>%1 is still open; its window is closed: Channel Information or the Window menu shows it again.</source>
        <translation>%1 is still open; its window is closed: Channel Information or the Window menu shows it again.</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="637"/>
        <source>%1 now holds the radio read on %2 at %3, not saved yet.</source>
        <translation>%1 now holds the radio read on %2 at %3, not saved yet.</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="644"/>
        <source>&amp;Window</source>
        <translation>&amp;Window</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="661"/>
        <source>(window closed)</source>
        <translation>(window closed)</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="810"/>
        <source>There is nothing to print: no section is chosen, or the channels have no used channel.</source>
        <translation>There is nothing to print: no section is chosen, or the channels have no used channel.</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="849"/>
        <source>The report went to %1</source>
        <translation>The report went to %1</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="904"/>
        <source>The new language could not be saved: %1</source>
        <translation>The new language could not be saved: %1</translation>
    </message>
    <message>
        <location filename="../../src/app/CMainFrame.cpp" line="946"/>
        <source>Could not start %1. Start Zemtar again to use the new language.</source>
        <translation>Could not start %1. Start Zemtar again to use the new language.</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CMskDlg</name>
    <message>
        <location filename="../../src/editors/ui/CMskDlg.cpp" line="32"/>
        <location filename="../../src/editors/ui/CMskDlg.cpp" line="36"/>
        <source>Call List</source>
        <translation>Call List</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CMskDlg.cpp" line="36"/>
        <source>Num</source>
        <translation>Num</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CNavigatorBar</name>
    <message>
        <location filename="../../src/shell/ui/CNavigatorBar.cpp" line="37"/>
        <source>IE Control Bar</source>
        <translation>IE Control Bar</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CNavigatorBar.cpp" line="60"/>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CNavigatorBar.cpp" line="61"/>
        <source>Close the navigator</source>
        <translation>Close the navigator</translation>
    </message>
    <message>
        <location filename="../../src/shell/ui/CNavigatorBar.cpp" line="74"/>
        <source>Settings of the radio</source>
        <translation>Settings of the radio</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::COptionalFeaturesDlg</name>
    <message>
        <location filename="../../src/editors/ui/COptionalFeaturesDlg.cpp" line="18"/>
        <source>Optional Features</source>
        <translation>Optional Features</translation>
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
        <translation>High Power Debug</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CPowerDebugDlg.cpp" line="17"/>
        <source>Low Power Debug</source>
        <translation>Low Power Debug</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CPowerDebugDlg.cpp" line="20"/>
        <source>Power value</source>
        <translation>Power value</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CPowerDebugDlg.cpp" line="31"/>
        <source>Port %1</source>
        <translation>Port %1</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CPowerDebugDlg.cpp" line="33"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CPowerDebugDlg.cpp" line="36"/>
        <source>Current Position:</source>
        <translation>Current Position:</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CPowerDebugDlg.cpp" line="39"/>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CPowerDebugDlg.cpp" line="41"/>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CPowerDebugDlg.cpp" line="89"/>
        <source>The link with the radio on %1 failed</source>
        <translation>The link with the radio on %1 failed</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CPrintListDlg</name>
    <message>
        <location filename="../../src/print/ui/CPrintListDlg.cpp" line="24"/>
        <source>Radio Info (model, band, side key, file, date)</source>
        <translation>Radio Info (model, band, side key, file, date)</translation>
    </message>
    <message>
        <location filename="../../src/print/ui/CPrintListDlg.cpp" line="32"/>
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
    <message>
        <location filename="../../src/print/ui/CPrintListDlg.cpp" line="33"/>
        <source>Clear All</source>
        <translation>Clear All</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CProcessDlg</name>
    <message>
        <location filename="../../src/link/ui/CProcessDlg.cpp" line="19"/>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CProcessDlg.cpp" line="22"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CProcessDlg.cpp" line="30"/>
        <location filename="../../src/link/ui/CProcessDlg.cpp" line="32"/>
        <source>Progress</source>
        <translation>Progress</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CProcessDlg.cpp" line="35"/>
        <source>Verify after writing</source>
        <translation>Verify after writing</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CProcessDlg.cpp" line="68"/>
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
        <source>Field, lowest frequency in MHz</source>
        <translation>Field, lowest frequency in MHz</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CProductInfoDlg.cpp" line="49"/>
        <source>Field, highest frequency in MHz</source>
        <translation>Field, highest frequency in MHz</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CProductInfoDlg.cpp" line="53"/>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CProductInfoDlg.cpp" line="50"/>
        <source>Field</source>
        <translation>Field</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CTwoToneDlg</name>
    <message>
        <location filename="../../src/editors/ui/CTwoToneDlg.cpp" line="28"/>
        <source>Num</source>
        <translation>Num</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CTwoToneDlg.cpp" line="28"/>
        <source>Tone1 Fre</source>
        <translation>Tone1 Fre</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CTwoToneDlg.cpp" line="28"/>
        <source>Tone2 Fre</source>
        <translation>Tone2 Fre</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CTwoToneDlg.cpp" line="33"/>
        <source>Encode</source>
        <translation>Encode</translation>
    </message>
    <message>
        <location filename="../../src/editors/ui/CTwoToneDlg.cpp" line="48"/>
        <source>Decode</source>
        <translation>Decode</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CVerifyDlg</name>
    <message>
        <location filename="../../src/link/ui/CVerifyDlg.cpp" line="14"/>
        <source>Verify</source>
        <translation>Verify</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CVerifyDlg.cpp" line="17"/>
        <source>The radio holds exactly this document.</source>
        <translation>The radio holds exactly this document.</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CVerifyDlg.cpp" line="18"/>
        <source>The radio on %1 differs from this document in %2 place(s):</source>
        <translation>The radio on %1 differs from this document in %2 place(s):</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CVerifyDlg.cpp" line="23"/>
        <source>Differences</source>
        <translation>Differences</translation>
    </message>
    <message>
        <location filename="../../src/link/ui/CVerifyDlg.cpp" line="29"/>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CZemtarDoc</name>
    <message>
        <location filename="../../src/shell/ui/CZemtarDoc.cpp" line="24"/>
        <source>Untitled</source>
        <translation>Untitled</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::CZemtarView</name>
    <message>
        <location filename="../../src/channels/ui/CZemtarView.cpp" line="38"/>
        <source>Channels</source>
        <translation>Channels</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarView.cpp" line="148"/>
        <source>The band in this memory is not valid: frequencies are checked against the radio&apos;s band, %1.</source>
        <translation>The band in this memory is not valid: frequencies are checked against the radio's band, %1.</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarView.cpp" line="150"/>
        <source>The band in this memory is not valid: frequencies are checked against the receive range only.</source>
        <translation>The band in this memory is not valid: frequencies are checked against the receive range only.</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="263"/>
        <source>Edit %1</source>
        <translation>Edit %1</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="470"/>
        <source>Set %1 to %2 on all %3 used channels?</source>
        <translation>Set %1 to %2 on all %3 used channels?</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="477"/>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="657"/>
        <source>Set %1</source>
        <translation>Set %1</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="479"/>
        <source>%1 set to %2 on %3 channels.</source>
        <translation>%1 set to %2 on %3 channels.</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="487"/>
        <source>%1 takes at most %2 characters: the rest was not entered.</source>
        <translation>%1 takes at most %2 characters: the rest was not entered.</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="488"/>
        <source>%1 takes letters, digits and the signs of the keyboard only: the rest was not entered.</source>
        <translation>%1 takes letters, digits and the signs of the keyboard only: the rest was not entered.</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="504"/>
        <source>Delete channel %1?</source>
        <translation>Delete channel %1?</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="505"/>
        <source>Delete the %1 selected channels?</source>
        <translation>Delete the %1 selected channels?</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="512"/>
        <source>Delete channels</source>
        <translation>Delete channels</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="607"/>
        <source>The pasted rows reach beyond the last row (Fr).</source>
        <translation>The pasted rows reach beyond the last row (Fr).</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="618"/>
        <source>Row %1: the pasted cells reach beyond the last column.</source>
        <translation>Row %1: the pasted cells reach beyond the last column.</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="627"/>
        <source>Row %1, %2: %3</source>
        <translation>Row %1, %2: %3</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="631"/>
        <source>Nothing was pasted:
%1</source>
        <translation>Nothing was pasted:
%1</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="635"/>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="648"/>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="646"/>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="557"/>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="647"/>
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="643"/>
        <source>Cha&amp;nnel Edit...</source>
        <translation>Cha&amp;nnel Edit...</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="666"/>
        <source>Delete Channels</source>
        <translation>Delete Channels</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="690"/>
        <source>Channel %1 is empty: type its receive frequency first.</source>
        <translation>Channel %1 is empty: type its receive frequency first.</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewEditing.cpp" line="704"/>
        <source>Channel Edit</source>
        <translation>Channel Edit</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="31"/>
        <source>Select channels 1 to 128 (the Fr row does not move).</source>
        <translation>Select channels 1 to 128 (the Fr row does not move).</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="33"/>
        <source>The selected channels are at the top already.</source>
        <translation>The selected channels are at the top already.</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="35"/>
        <source>The selected channels are at the bottom already.</source>
        <translation>The selected channels are at the bottom already.</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="37"/>
        <source>Channel 128 is in use: delete it or move it up before inserting a channel.</source>
        <translation>Channel 128 is in use: delete it or move it up before inserting a channel.</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="44"/>
        <source>The priority channel was deleted; the setting now names the channel in its place.</source>
        <translation>The priority channel was deleted; the setting now names the channel in its place.</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="65"/>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="112"/>
        <source>Insert Channel</source>
        <translation>Insert Channel</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="66"/>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="122"/>
        <source>Delete and Close Up</source>
        <translation>Delete and Close Up</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="67"/>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="124"/>
        <source>Move Up</source>
        <translation>Move Up</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="68"/>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="125"/>
        <source>Move Down</source>
        <translation>Move Down</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="69"/>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="129"/>
        <source>Sort by Receive Frequency</source>
        <translation>Sort by Receive Frequency</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="70"/>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="136"/>
        <source>Sort by Name</source>
        <translation>Sort by Name</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="147"/>
        <source>%1 cannot be imported:
%2
Nothing was changed.</source>
        <translation>%1 cannot be imported:
%2
Nothing was changed.</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="149"/>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="200"/>
        <source>Nothing was imported from %1.</source>
        <translation>Nothing was imported from %1.</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="159"/>
        <source>The file is not UTF-8 text.</source>
        <translation>The file is not UTF-8 text.</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="171"/>
        <source>line %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="172"/>
        <source>line %1, column %2: %3</source>
        <translation>line %1, column %2: %3</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="191"/>
        <source>The file has no channel rows below its header.</source>
        <translation>The file has no channel rows below its header.</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="205"/>
        <source>The channels hold the values of %1 already; nothing changed.</source>
        <translation>The channels hold the values of %1 already; nothing changed.</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="209"/>
        <source>Import Channels</source>
        <translation>Import Channels</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="213"/>
        <source>Channels imported from %1.</source>
        <translation>Channels imported from %1.</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="222"/>
        <source>%1 is the document itself: give another name for the channel list.</source>
        <translation>%1 is the document itself: give another name for the channel list.</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="235"/>
        <source>Channels exported to %1.</source>
        <translation>Channels exported to %1.</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="253"/>
        <source>the document (%1)</source>
        <translation>the document (%1)</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="257"/>
        <source>Compared with %1: the same image.</source>
        <translation>Compared with %1: the same image.</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="258"/>
        <source>Compared with %1: %2 difference(s).</source>
        <translation>Compared with %1: %2 difference(s).</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/CZemtarViewMoves.cpp" line="267"/>
        <source>Channel list in the common CSV layout (*.csv);;Tab-separated channel table (*.txt *.tsv);;All files (*)</source>
        <translation>Channel list in the common CSV layout (*.csv);;Tab-separated channel table (*.txt *.tsv);;All files (*)</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::ChannelCellDelegate</name>
    <message>
        <location filename="../../src/channels/ui/ChannelCellDelegate.cpp" line="53"/>
        <source>%1, channel %2</source>
        <translation>%1, channel %2</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::ChannelFindBar</name>
    <message>
        <location filename="../../src/channels/ui/ChannelFindBar.cpp" line="19"/>
        <source>Name, frequency or tone</source>
        <translation>Name, frequency or tone</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/ChannelFindBar.cpp" line="22"/>
        <source>Find:</source>
        <translation>Find:</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/ChannelFindBar.cpp" line="24"/>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/ChannelFindBar.cpp" line="27"/>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/ChannelFindBar.cpp" line="66"/>
        <source>No channel has &quot;%1&quot; in its name, frequencies or tones.</source>
        <translation>No channel has "%1" in its name, frequencies or tones.</translation>
    </message>
    <message>
        <location filename="../../src/channels/ui/ChannelFindBar.cpp" line="71"/>
        <source>Found channel %1.</source>
        <translation>Found channel %1.</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::ChannelTableModel</name>
    <message>
        <location filename="../../src/channels/ui/ChannelTableModel.cpp" line="62"/>
        <source>More: Channel Edit</source>
        <translation>More: Channel Edit</translation>
    </message>
</context>
<context>
    <name>zemtar::ui::FrozenColumnView</name>
    <message>
        <location filename="../../src/channels/ui/FrozenColumnView.cpp" line="16"/>
        <source>Channels, fixed columns</source>
        <translation>Channels, fixed columns</translation>
    </message>
</context>
</TS>
