#pragma once
// The columns of the channel table, declared once. Each column's row says everything the
// program knows about it: its headers, its width, the in-place editor it gets, the list of
// values it offers and the channel-record bits they live in, its help context and its label
// on the printed channel page. The fill, the store, the cell checks, the in-place editors,
// the Set menu, paste and import, the dump and the report all walk this table; a column
// added here appears in all of them.
#include "image/MemoryMap.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>

namespace zemtar {

enum Column : int {
    ColLabel = 0,
    ColRx = 1,
    ColTx = 2,
    ColDecode = 3,
    ColEncode = 4,
    ColName = 5,
    ColPower = 6,
    ColWidth = 7,
    ColScan = 8,
    ColPttId = 9,
    ColBusy = 10,
    ColSignal = 11,
    ColMore = 12,
    ColumnCount = 13,
};

namespace values {

// One entry of a value list: the stored value and its texts.
struct Choice {
    unsigned value;
    const char* en;
    const char* zh;
    const char* enShown = nullptr; // the English text a filled cell shows, where it differs from the list's
    const char* alias = nullptr;   // a further text read as this value
};

inline constexpr Choice kPower[] = {{0, "Low", "低"}, {1, "High", "高"}};
inline constexpr Choice kWidth[] = {{1, "Wide", "宽"}, {0, "Narrow", "窄"}};
inline constexpr Choice kScan[] = {{1, "Yes", "是"}, {0, "No", "否"}};
inline constexpr Choice kPttId[] = {
    {0, "Off", "关"}, {1, "BOT", "发射开始"}, {2, "EOT", "发射结束"}, {3, "Both", "两者"}};
inline constexpr Choice kBusy[] = {{0, "Off", "关"}, {1, "Carrier", "载波", "Carrier Only"}, {2, "QT/DQT", "QT/DQT"}};
// The optional signals, also the choices of the Channel Edit dialog.
inline constexpr Choice kSignal[] = {
    {0, "None", "无"}, {1, "MSK", "MSK"}, {2, "DTMF", "DTMF"}, {4, "2-Tone", "2-Tone", nullptr, "两音"}};

} // namespace values

// The in-place editor of a column.
enum class EditorKind {
    None,      // the row labels
    Frequency, // an edit taking digits and the point
    ToneList,  // the 261 tones
    Text,      // an edit of printable ASCII
    ValueList, // the column's value list
    Button,    // the cell opens the Channel Edit dialog
};

// Where a column prints on the channel page: a row of the block and its side.
struct PrintPlace {
    int line = 0; // 0: not printed
    bool right = false;
    const char* en = nullptr;
    const char* zh = nullptr;
};

struct ColumnInfo {
    Column column;
    const char* header;
    const char* headerZh;
    double width; // times the width of column 0 before set-up
    EditorKind editor;
    const char* editorName = nullptr; // the object name of its in-place editor
    int maxLength = 0;                // characters an edit takes
    std::size_t offset = 0;           // first byte of the value in the channel record
    std::span<const values::Choice> choices = {};
    map::rec::Bits bits = {}; // where a list's value lives in the record
    // The value stored for a text no choice has (an emptied row's cells); nothing keeps the bits.
    std::optional<unsigned> otherwise = std::nullopt;
    int help = 0; // F1 in its editor (0: the window's section)
    // Entries the Set menu of the context menu offers: 0 none, -1 the whole list.
    int setMenuEntries = 0;
    PrintPlace print = {};
};

// Rows of the table: 0 the headers, 1..128 the channels, then the "Fr" row (image row 128).
inline constexpr int kFirstRow = 1;
inline constexpr int kFrRow = 129;
inline constexpr int kLastRow = kFrRow;
inline constexpr int kTableRows = kFrRow + 1; // with the header row 0

inline constexpr int kNameEditLength = 7;
inline constexpr int kFrequencyEditLength = 9;
inline constexpr int kToneSetMenuEntries = 51; // "None" and the CTCSS tones

namespace columns {

namespace rec = map::rec;
namespace v = values;

// clang-format off
inline constexpr std::array<ColumnInfo, ColumnCount> kColumns{{
    // column, headers, width, editor, its name, length, record offset, list, bits, otherwise, help, Set menu, report
    {ColLabel, "CH", "信道", 0.5, EditorKind::None},
    {ColRx, "Rx Frequency", "接收频率", 1.06, EditorKind::Frequency, "frequencyEdit", kFrequencyEditLength, rec::kRx,
     {}, {}, std::nullopt, 2127, 0, {5, false, "Receive Frequency:", "接收频率:"}},
    {ColTx, "Tx Frequency", "发射频率", 1.06, EditorKind::Frequency, "frequencyEdit", kFrequencyEditLength, rec::kTx,
     {}, {}, std::nullopt, 2128, 0, {6, false, "Transceive Frequency:", "发射频率:"}},
    {ColDecode, "QT/DQT Dec", "QT/DQT解码", 1.1, EditorKind::ToneList, "toneList", 0, rec::kDecodeTone,
     {}, {}, std::nullopt, 2132, kToneSetMenuEntries, {7, false, "QT/DQT Decode:", "QT/DQT 解码:"}},
    {ColEncode, "QT/DQT Enc", "QT/DQT编码", 1.1, EditorKind::ToneList, "toneList", 0, rec::kEncodeTone,
     {}, {}, std::nullopt, 2133, kToneSetMenuEntries, {8, false, "QT/DQT Encode:", "QT/DQT 编码:"}},
    {ColName, "Chnnel Name", "信道名字", 1.08, EditorKind::Text, "nameEdit", kNameEditLength, rec::kName,
     {}, {}, std::nullopt, 0, 0, {9, false, "Channel Name:", "信道名字:"}},
    {ColPower, "Power", "功率", 0.7, EditorKind::ValueList, "powerList", 0, rec::kFlags13,
     v::kPower, rec::kPower, 0u, 0, -1, {10, false, "Transmit Power:", "发射功率:"}},
    {ColWidth, " W/N ", "宽/窄", 0.86, EditorKind::ValueList, "widthList", 0, rec::kFlags13,
     v::kWidth, rec::kWide, 0u, 0, -1, {5, true, "Wide/Narrow:", "宽/窄:"}},
    {ColScan, "Scan Add", "扫描添加", 0.8, EditorKind::ValueList, "scanList", 0, rec::kFlags13,
     v::kScan, rec::kScan, 0u, 0, -1, {6, true, "Scan Add:", "扫描添加:"}},
    {ColPttId, "PTT ID", "PTT ID", 1.05, EditorKind::ValueList, "pttList", 0, rec::kFlags12,
     v::kPttId, rec::kPttId, std::nullopt, 0, -1, {7, true, "PTT ID:", "PTT ID:"}},
    {ColBusy, "Busy Lock", "繁忙锁定", 1.0, EditorKind::ValueList, "busyList", 0, rec::kFlags13,
     v::kBusy, rec::kBusy, 2u, 0, -1, {8, true, "Busy Lock:", "繁忙锁定:"}},
    {ColSignal, "Opt Signal", "可选信号", 0.85, EditorKind::ValueList, "signalList", 0, rec::kFlags12,
     v::kSignal, rec::kSignal, std::nullopt, 0, -1, {9, true, "Optional Singal:", "可选信号:"}},
    {ColMore, "More", "更多", 0.52, EditorKind::Button},
}};
// clang-format on

inline constexpr const ColumnInfo& info(int column) { return kColumns.at(std::size_t(column)); }

inline constexpr int countOf(EditorKind kind)
{
    int n = 0;
    for (const ColumnInfo& c : kColumns)
        n += c.editor == kind ? 1 : 0;
    return n;
}

// Every column has its row, in its place, with what its kind needs: a column left out or
// half declared fails the build here instead of showing as a column of width 0.
inline constexpr bool complete()
{
    for (std::size_t i = 0; i < kColumns.size(); ++i) {
        const ColumnInfo& c = kColumns[i];
        if (std::size_t(c.column) != i || !c.header || !c.headerZh || c.width <= 0)
            return false;
        const bool edits = c.editor != EditorKind::None && c.editor != EditorKind::Button;
        if (edits != (c.editorName != nullptr) || edits != (c.print.line > 0))
            return false;
        if ((c.editor == EditorKind::ValueList) != !c.choices.empty())
            return false;
        if (c.editor == EditorKind::ValueList && (!rec::valid(c.bits) || c.bits.byte != c.offset))
            return false;
        if ((c.editor == EditorKind::Frequency || c.editor == EditorKind::Text) && c.maxLength <= 0)
            return false;
        if (c.print.line > 0 && (!c.print.en || !c.print.zh))
            return false;
    }
    return true;
}
static_assert(complete(), "every column of the channel table needs its full row in kColumns");
static_assert(kColumns.front().editor == EditorKind::None && kColumns.back().editor == EditorKind::Button,
              "the row labels come first and the More column last");

// The columns of one editor kind, in table order.
template <EditorKind Kind> inline constexpr auto columnsOf()
{
    std::array<int, std::size_t(countOf(Kind))> out{};
    std::size_t n = 0;
    for (const ColumnInfo& c : kColumns)
        if (c.editor == Kind)
            out[n++] = c.column;
    return out;
}

} // namespace columns
} // namespace zemtar
