#!/usr/bin/env python3
"""Refreshes res/translations/*.ts from the sources (lupdate), then fills in the texts:
English.ts repeats each source text, Chinese.ts takes the Chinese text from CHINESE below.
Texts without a Chinese entry stay unfinished and show in English; the script lists them."""
import pathlib, re, subprocess, sys, html

ROOT = pathlib.Path(__file__).resolve().parent.parent
TS = ROOT / "res" / "translations"
CHINESE = {
    "unit %1: verifying": "单元 %1：校验中", "stopped": "已停止",
    "\nand %1 more": "\n另有 %1 项", "%1 of %2 units programmed and verified.": "%2 台中已写入并校验 %1 台。",
    "%1 unit(s): %2 ... %3; values: %4": "%1 台：%2 ... %3；数值：%4", "&Verify": "校验(&V)",
    "Ask before each radio (\"Next radio\" when it is connected)": "每台对讲机前询问（接好后按“下一台”）",
    "Generate": "生成", "Load Units": "载入单元表", "Load Units...": "载入单元表...",
    "Load or generate the units first.": "请先载入或生成单元。", "Log (*.csv)": "日志 (*.csv)",
    "Next radio": "下一台", "No units yet.": "尚无单元。", "Not done: %1": "未完成：%1", "Ports": "端口",
    "Program &Many Radios...": "批量写频(&M)...", "Program Many Radios": "批量写频", "Save Log": "保存日志",
    "Save Log...": "保存日志...", "Stop": "停止", "Template: %1 (the active document)": "模板：%1（当前文档）",
    "The job is still running: Stop it first.": "任务仍在进行：请先停止。",
    "The radio holds exactly this document.": "对讲机中的数据与本文档完全一致。",
    "The radio on %1 differs from this document in %2 place(s):": "%1 上的对讲机与本文档有 %2 处不同：",
    "The radio on %1 differs from this document.": "%1 上的对讲机与本文档不同。",
    "The radio on %1 holds exactly this document.": "%1 上的对讲机与本文档完全一致。",
    "The units cannot be used (%1):\n%2": "单元无法使用（%1）：\n%2", "Tick at least one port.": "请至少勾选一个端口。",
    "Units": "单元", "Units table (*.csv)": "单元表 (*.csv)", "Verify": "校验", "Verify after writing": "写入后校验",
    "Verifying": "正在校验", "connect the radio for unit %1": "请接上单元 %1 的对讲机", "or generate:": "或生成：",
    "unit %1: %2": "单元 %1：%2", "unit %1: writing": "单元 %1：写入中",
    "unit %1: writing, %2": "单元 %1：写入中，%2", "unit %1: verifying, %2": "单元 %1：校验中，%2",
    "Log:": "日志：", "Log": "日志", "Choose...": "选择...",
    "fleet-log.csv in the application's data folder": "程序数据文件夹中的 fleet-log.csv",
    "Running; the log is %1.": "正在进行；日志为 %1。",
    "%1 of %2 units programmed and verified; the log is %3.": "%2 台中已写入并校验 %1 台；日志为 %3。",
    "The band in this memory is not valid: frequencies are checked against the radio's band, %1.":
        "此存储中的频段无效：频率按对讲机的频段 %1 检查。",
    "The band in this memory is not valid: frequencies are checked against the receive range only.":
        "此存储中的频段无效：频率只按接收范围检查。",
    "Untitled": "无标题",
    "&File": "文件(&F)", "&New": "新建(&N)", "&Open...": "打开(&O)...", "&Close": "关闭(&C)",
    "&Save": "保存(&S)", "Save &As...": "另存为(&A)...", "&Print...": "打印(&P)...",
    "Print Preview": "打印预览", "P&rint Setup...": "打印设置(&R)...", "E&xit": "退出(&X)",
    "&Edit": "编辑(&E)", "Product Information": "类型设置", "Channel Information": "信道信息",
    "Optional Features": "可选功能", "DTMF": "DTMF", "MSK": "MSK", "Two Tone": "两音",
    "Key Assignment": "侧键设定", "&Undo": "撤消(&U)", "&Redo": "重做(&R)", "Cu&t": "剪切(&T)",
    "&Copy": "复制(&C)", "&Paste": "粘贴(&P)", "&Program": "编程(&P)", "&Read": "读频(&R)",
    "&Write": "写频(&W)", "High Power Debug": "高功率调试", "Low Power Debug": "低功率调试",
    "Setup": "设置", "&Setup": "设置(&S)", "Com Setup": "串口设置", "Language": "语言", "&View": "查看(&V)",
    "&Toolbar": "工具栏(&T)", "&Status Bar": "状态栏(&S)", "Control &Bar": "控制栏(&B)",
    "&Help": "帮助(&H)", "&Help Topics": "帮助主题(&H)", "&About ...": "关于(&A)...", "Help": "帮助",
    "Toolbar": "工具栏", "Ready": "就绪", "Close": "关闭", "Type Setting": "类型设置", "Type": "类型",
    "Field": "频段", "Cancel": "取消", "Com Port": "串口", "Current Position:": "当前位置:",
    "&Delete Channels": "删除信道(&D)", "&Don't Save": "不保存(&D)", "&No": "否(&N)", "&Retry": "重试(&R)",
    "&Yes": "是(&Y)", "OK": "确定", "Channel": "信道", "Channel Edit": "信道编辑", "Copy": "复制", "Cut": "剪切",
    "Decode": "解码", "Encode": "编码", "Delete Channels": "删除信道", "Delete channel %1?": "删除信道 %1？",
    "Delete channels": "删除信道", "Delete the %1 selected channels?": "删除所选的 %1 个信道？", "Edit %1": "编辑%1",
    "Nothing was pasted:\n%1": "未粘贴任何内容：\n%1", "Optional Signal": "可选信号", "Paste": "粘贴",
    "Power value": "功率值", "Read from radio": "从对讲机读取", "Row %1: %2": "第 %1 行：%2", "Row %1, %2: %3": "第 %1 行，%2：%3",
    "Row %1: the pasted cells reach beyond the last column.": "第 %1 行：粘贴的单元格超出了最后一列。",
    "Save changes to %1?": "保存对 %1 的修改吗？", "Set %1": "设置%1",
    "The pasted rows reach beyond the last row (Fr).": "粘贴的行超出了最后一行 (Fr)。",
    "Max": "最大", "Min": "最小", "Not start yet": "尚未开始", "Progress": "进度", "Start": "开始",
    "Zemtar starts again in the language you choose.": "Zemtar 将以所选语言重新启动。",
    "Could not start %1. Start Zemtar again to use the new language.": "无法启动 %1。请重新启动 Zemtar 以使用新的语言。",
    "Stun": "遥毙", "Fast Call List": "快速呼叫列表", "CallList": "呼叫列表", "Tone1 Fre": "音频1",
    "Written to the radio on %1": "已写入 %1 上的对讲机", "Read from the radio on %1: %2 rows": "已从 %1 上的对讲机读取：%2 行",
    "Select All": "全选", "Clear All": "全部清除",
    "There is nothing to print: no section is chosen, or the channels have no used channel.": "没有可打印的内容：未选择任何部分，或没有已使用的信道。",
    "Tone2 Fre": "音频2", "Call List": "呼叫列表", "Num": "编号", "Side Key": "侧键", "PTT ID": "PTT ID",
    "Cannot make the folder %1.": "无法建立文件夹 %1。",
    "The job's log cannot be kept, so no radio was programmed:\n%1": "无法保存任务日志，因此没有写任何对讲机：\n%1",
}
# What is open, where it was saved, and the question before a read replaces a file.
CHINESE.update({
    "Opened %1": "已打开 %1", "Saved to %1": "已保存到 %1", "&Replace": "替换(&R)",
    "Save changes to %1? Its window is closed, but the document is still open.":
        "保存对 %1 的修改吗？它的窗口已关闭，但文档仍然打开。",
    "This document now holds the radio read on %1 at %2. Replace %3 with it?":
        "本文档现在保存的是 %2 从 %1 上读取的对讲机数据。用它替换 %3 吗？",
    "%1 is still open, with changes not saved; its window is closed: Channel Information or the Window menu "
    "shows it again.": "%1 仍然打开，有未保存的修改；它的窗口已关闭：“信道信息”或“窗口”菜单可重新显示。",
    "%1 is still open; its window is closed: Channel Information or the Window menu shows it again.":
        "%1 仍然打开；它的窗口已关闭：“信道信息”或“窗口”菜单可重新显示。",
    "&Window": "窗口(&W)", "(window closed)": "（窗口已关闭）", "The report went to %1": "报表已输出到 %1",
    "%1 now holds the radio read on %2 at %3, not saved yet.": "%1 现在保存的是 %3 从 %2 上读取的对讲机数据，尚未保存。",
})

# The channel table: bulk changes, overlong input, find.
CHINESE.update({
    "%1 set to %2 on %3 channels.": "已将 %3 个信道的 %1 设为 %2。",
    "%1 takes at most %2 characters: the rest was not entered.": "%1 最多 %2 个字符：其余的没有输入。",
    "%1 takes letters, digits and the signs of the keyboard only: the rest was not entered.":
        "%1 只接受字母、数字和键盘上的符号：其余的没有输入。",
    "Find:": "查找：", "Found channel %1.": "找到信道 %1。", "Name, frequency or tone": "名称、频率或亚音",
    "Next": "下一个", "No channel has \"%1\" in its name, frequencies or tones.": "没有信道的名称、频率或亚音含有“%1”。",
    "Set %1 to %2 on all %3 used channels?": "把全部 %3 个已用信道的 %1 设为 %2？",
})

# Changing the language.
CHINESE.update({
    "The new language could not be saved: %1": "无法保存新的语言：%1",
})

# The port a link window uses.
CHINESE.update({
    "Port %1": "端口 %1", "Could not open %1": "无法打开 %1", "The link with the radio on %1 failed": "与 %1 上的对讲机通讯失败", "Power adjustment on %1": "%1 上的功率调整",
})

# Moving channels, channel lists in files, comparing with a file.
CHINESE.update({
    "&Insert Channel": "插入信道(&I)", "Delete and C&lose Up": "删除并上移(&L)", "Move &Up": "上移(&U)",
    "Move Do&wn": "下移(&W)", "Sort by Receive &Frequency": "按接收频率排序(&F)", "Sort b&y Name": "按名称排序(&Y)",
    "&Import Channels...": "导入信道(&I)...", "&Export Channels...": "导出信道(&E)...",
    "Co&mpare With...": "比较文件(&M)...",
    "Insert Channel": "插入信道", "Delete and Close Up": "删除并上移", "Move Up": "上移", "Move Down": "下移",
    "Sort by Receive Frequency": "按接收频率排序", "Sort by Name": "按名称排序",
    "Select channels 1 to 128 (the Fr row does not move).": "请选择信道 1 至 128（Fr 行不移动）。",
    "The selected channels are at the top already.": "所选信道已在最上面。",
    "The selected channels are at the bottom already.": "所选信道已在最下面。",
    "Channel 128 is in use: delete it or move it up before inserting a channel.":
        "信道 128 已使用：请先删除它或将它上移，再插入信道。",
    "The priority channel was deleted; the setting now names the channel in its place.":
        "优先信道已删除；该设置现在指向取代它位置的信道。",
    "%1 cannot be imported:\n%2\nNothing was changed.": "%1 无法导入：\n%2\n未作任何更改。",
    "The file is not UTF-8 text.": "该文件不是 UTF-8 文本。",
    "The file has no channel rows below its header.": "该文件的表头下没有信道行。",
    "line %1: %2": "第 %1 行：%2", "line %1, column %2: %3": "第 %1 行，%2 列：%3",
    "The channels hold the values of %1 already; nothing changed.": "信道已是 %1 中的数值；未作更改。",
    "Import Channels": "导入信道", "Channels imported from %1.": "已从 %1 导入信道。",
    "%1 is the document itself: give another name for the channel list.": "%1 就是本文档：请为信道表另取一个文件名。",
    "Channels exported to %1.": "信道已导出到 %1。",
    "Channel list in the common CSV layout (*.csv);;Tab-separated channel table (*.txt *.tsv);;All files (*)":
        "通用 CSV 格式的信道表 (*.csv);;制表符分隔的信道表 (*.txt *.tsv);;所有文件 (*)",
    "%1: %2 channel(s) can be imported. Note:": "%1：可导入 %2 个信道。注意：",
    "%1: %2 row(s) do not fit the radio; %3 row(s) do. Nothing has been imported yet.":
        "%1：%2 行不适合本对讲机；%3 行适合。尚未导入任何内容。",
    "%1: no row fits the radio. Nothing was imported.": "%1：没有一行适合本对讲机。未导入任何内容。",
    "Note: %1": "注意：%1", "Import": "导入", "Import the Rest": "导入其余行",
    "Compare With": "比较文件", "%1 and %2 hold the same image.": "%1 与 %2 的数据完全相同。",
    "%1 and %2 differ in %3 place(s):": "%1 与 %2 有 %3 处不同：",
    "Compared with %1: the same image.": "已与 %1 比较：数据完全相同。",
    "Compared with %1: %2 difference(s).": "已与 %1 比较：有 %2 处不同。",
    "the document (%1)": "本文档（%1）", "Nothing was imported from %1.": "未从 %1 导入任何信道。",
})

# Alt+letters in the menus, and the names a screen reader says.
CHINESE.update({
    "Print Pre&view": "打印预览(&V)", "Product Inform&ation": "类型设置(&A)", "C&hannel Information": "信道信息(&H)",
    "Optional F&eatures": "可选功能(&E)", "DT&MF": "DTMF(&M)", "M&SK": "MSK(&S)", "Two T&one": "两音(&O)",
    "&Key Assignment": "侧键设定(&K)", "Mo&ve Up": "上移(&V)", "&High Power Debug": "高功率调试(&H)",
    "&Low Power Debug": "低功率调试(&L)", "&Com Setup": "串口设置(&C)", "&Language": "语言(&L)",
    "IE Control Bar": "控制栏", "Close the navigator": "关闭导航栏", "Settings of the radio": "对讲机设置",
    "Channels": "信道表", "More: Channel Edit": "更多：信道编辑", "%1, channel %2": "%1，信道 %2",
    "Field, lowest frequency in MHz": "频段，最低频率 (MHz)", "Field, highest frequency in MHz": "频段，最高频率 (MHz)",
    "Progress on %1": "%1 的进度", "Next radio on %1": "%1 的下一台", "Job log": "任务日志", "Differences": "差异",
    "Channels, fixed columns": "信道表，固定列",
})

# Keyboard access: Channel Edit from the keyboard and the menus, the panes of the window.
CHINESE.update({
    "Scroll the window": "滚动窗口", "Scroll the window sideways": "左右滚动窗口",
    "Cha&nnel Edit...": "信道编辑(&N)...", "Next Pane": "下一窗格", "Previous Pane": "上一窗格",
    "Next Window": "下一窗口", "Previous Window": "上一窗口",
    "Channel %1 is empty: type its receive frequency first.": "信道 %1 是空的：请先输入它的接收频率。",
})

# The whole-radio page of the report; the fleet log's earlier layout.
CHINESE.update({
    "Radio Info (model, band, side key, file, date)": "电台信息（型号、频段、侧键、文件、日期）",
    "The log had the earlier seven-column header: it now names every column; its %1 earlier line(s) are kept as "
    "they were, with the new columns empty.": "该日志使用早先的七列表头：现已改为列出全部各列；早先的 %1 行原样保留，新列为空。",
})

# Why a read of a radio with a password stopped.
CHINESE.update({
    "Read stopped: the password entered is not the one of the radio on %1": "读取已停止：输入的密码不是 %1 上对讲机的密码",
    "Read stopped: the radio on %1 has another password, none was entered": "读取已停止：%1 上的对讲机有另外的密码，未输入密码",
})

def fill(path, lookup):
    text = path.read_text(encoding="utf-8")
    missing = []
    def repl(m):
        source = html.unescape(m.group(1))
        value = lookup(source)
        if value is None:
            missing.append(source)
            return m.group(0)
        return "<source>%s</source>\n        <translation>%s</translation>" % (m.group(1), html.escape(value, quote=False))
    text = re.sub(r"<source>(.*?)</source>\s*<translation[^>]*>.*?</translation>", repl, text, flags=re.S)
    path.write_text(text, encoding="utf-8")
    return missing

def main():
    lupdate = "/usr/lib/qt6/bin/lupdate"
    for name, lang in (("English.ts", "en_US"), ("Chinese.ts", "zh_CN")):
        subprocess.run([lupdate, "-silent", "-no-obsolete", "-target-language", lang, str(ROOT / "src"),
                        "-ts", str(TS / name)], check=True)
    fill(TS / "English.ts", lambda s: s)
    missing = fill(TS / "Chinese.ts", CHINESE.get)
    for m in sorted(set(missing)):
        print("no Chinese text for:", m, file=sys.stderr)

main()
