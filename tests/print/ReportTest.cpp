// The report: pagination, which page is which, and what each page draws where.
#include "print/Report.h"

#include <gtest/gtest.h>

using namespace zemtar;
using namespace zemtar::report;

namespace {

QString u8(const char* s) { return QString::fromUtf8(s); }

// Records the calls; every font is 300 twips tall with a 20 twip leading.
class RecordingCanvas : public Canvas {
public:
    struct Text {
        int x, y;
        QString text;
        Font font;
    };
    std::vector<Text> texts;
    std::vector<std::array<int, 4>> lines;
    Font font;

    int lineHeight(const Font& f) override { return f.height + 20; }
    void setFont(const Font& f) override { font = f; }
    void text(int x, int y, const QString& t) override { texts.push_back({x, y, t, font}); }
    void line(int x1, int y1, int x2, int y2) override { lines.push_back({x1, y1, x2, y2}); }

    const Text* find(const QString& t) const
    {
        for (const Text& x : texts)
            if (x.text == t)
                return &x;
        return nullptr;
    }
    // The text drawn at (x, y), or "<none>".
    QString at(int x, int y) const
    {
        for (const Text& t : texts)
            if (t.x == x && t.y == y)
                return t.text;
        return QStringLiteral("<none>");
    }
};

ChannelTable tableWithRows(const std::vector<int>& rows)
{
    RadioImage img = RadioImage::newDocument();
    band::write(img, {144, 145});
    ChannelTable t;
    for (int r : rows)
        commitCell(t, r, ColRx, QStringLiteral("144.5"), BandLimits::of({144, 145}), Language::English);
    return t;
}

Selection only(std::initializer_list<Section> s)
{
    Selection sel{};
    for (Section x : s)
        sel[std::size_t(x)] = true;
    return sel;
}

std::vector<int> firstRows(int n)
{
    std::vector<int> rows;
    for (int r = 1; r <= n; ++r)
        rows.push_back(r);
    return rows;
}

TEST(Report, PaginationAndPageKinds)
{
    struct Case {
        const char* name;
        Selection on;
        int usedRows;
        int total;
        std::vector<PageKind> kinds;
    } cases[] = {
        {"defaults, 12 channels",
         defaultSelection(),
         12,
         4,
         {PageKind::Optional, PageKind::Channels, PageKind::Channels, PageKind::Channels}},
        {"only 2-Tone", only({TwoTone}), 12, 2, {PageKind::TwoToneDecode, PageKind::TwoToneEncode}},
        {"only channels, none used", only({Channels}), 0, 0, {}},
        {"nothing", Selection{}, 12, 0, {}},
        {"everything, 3 channels",
         Selection{true, true, true, true, true},
         3,
         6,
         {PageKind::Dtmf, PageKind::Msk, PageKind::Optional, PageKind::TwoToneDecode, PageKind::TwoToneEncode,
          PageKind::Channels}},
        {"MSK and channels", only({Msk, Channels}), 5, 2, {PageKind::Msk, PageKind::Channels}},
        {"everything, 129 channels", Selection{true, true, true, true, true}, 129, 31, {}},
    };
    for (const Case& c : cases) {
        const Layout l = paginate(c.on, tableWithRows(firstRows(c.usedRows)));
        EXPECT_EQ(l.total, c.total) << c.name;
        for (std::size_t p = 0; p < c.kinds.size(); ++p)
            EXPECT_EQ(int(pageAt(l, int(p) + 1).kind), int(c.kinds[p])) << c.name << " page " << p + 1;
    }
}

TEST(Report, ChannelPagesCoverEveryUsedRowOnceEvenAtTheEndOfALongTable)
{
    for (int used : {1, 4, 5, 6, 124, 125, 126, 128, 129}) {
        const ChannelTable t = tableWithRows(firstRows(used));
        const Layout l = paginate(only({Channels}), t);
        const int pages = (used + 4) / 5;
        ASSERT_EQ(l.total, pages) << used;
        ASSERT_EQ(int(l.channelEnds.size()), pages + 1) << used;
        std::vector<QString> printed;
        for (int p = 1; p <= pages; ++p) {
            RecordingCanvas c;
            drawPage(c, l, p, Input{nullptr, &t, Language::English, {}, 11906, 16838});
            for (const auto& x : c.texts)
                if (x.x == 4 * (11906 / 66)) // the block headings
                    printed.push_back(x.text);
        }
        ASSERT_EQ(int(printed.size()), used)
            << used << ": " << QStringList(printed.begin(), printed.end()).join(u' ').toStdString();
        EXPECT_EQ(printed.back(),
                  used == 129 ? QStringLiteral("Channel FR:") : QStringLiteral("Channel %1:").arg(used));
    }
    // 129 used rows: the 26th channel page holds rows 126 to 129.
    const Layout l = paginate(only({Channels}), tableWithRows(firstRows(129)));
    EXPECT_EQ(l.channelEnds[25], 125);
    EXPECT_EQ(l.channelEnds[26], 129);
}

TEST(Report, AChannelPagePrintsOnlyUsedRowsInOrder)
{
    const ChannelTable t = tableWithRows({3, 9, 10, 40, 41, 60});
    const Layout l = paginate(only({Channels}), t);
    RecordingCanvas c;
    const int W = 11906, Hgt = 16838;
    drawPage(c, l, 1, Input{nullptr, &t, Language::English, QStringLiteral("Owner"), W, Hgt});
    const int H = W / 66, V = Hgt / 45, L = V + 20, B = int(V * 0.8) + 20;
    const int rows[] = {3, 9, 10, 40, 41};
    for (int j = 0; j < 5; ++j) {
        const int d = -8 * B * j;
        EXPECT_EQ(c.at(4 * H, -4 * B + d), QStringLiteral("Channel %1:").arg(rows[j]));
        EXPECT_EQ(c.at(24 * H, -5 * B + d), QStringLiteral("144.50000"));
        EXPECT_EQ(c.at(55 * H, -5 * B + d), QStringLiteral("Wide"));
        EXPECT_EQ(c.at(40 * H, -8 * B + d), QStringLiteral("Busy Lock:"));
    }
    EXPECT_FALSE(c.find(QStringLiteral("Channel 60:")));
    // The frame: title, three rules, footer in the body font.
    EXPECT_EQ(c.at(6 * H, -L), QStringLiteral("Channel Infomation"));
    ASSERT_EQ(c.lines.size(), 3u);
    EXPECT_EQ(c.lines[0], (std::array<int, 4>{5 * H, -(2 * L + 50), 60 * H, -(2 * L + 50)}));
    EXPECT_EQ(c.lines[2][1], L / 2 - 36 * L);
    const auto* footer = c.find(QStringLiteral("Page 1 of 2"));
    ASSERT_TRUE(footer);
    EXPECT_EQ(footer->x, 45 * H);
    EXPECT_EQ(footer->y, -36 * L);
    EXPECT_EQ(footer->font, (Font{int(V * 0.8), int(H * 0.8)}));
    EXPECT_EQ(c.at(10 * H, -36 * L), QStringLiteral("Owner"));
}

TEST(Report, SettingsPagesPrintTheEditorsTexts)
{
    RadioImage img = RadioImage::newDocument();
    img.set(0x1308, 0x03);                      // speed 15
    img.set(0x1260, 4);                         // time-out 120
    img.set(0x1265, 0x55);                      // back light Auto, colour Orange
    img.setBytes(0x12D8, {'B', 'E', 'E', 'F'}); // MSK call list entry 4
    img.set(0x1264, img.at(0x1264) & ~0x04);    // voice off
    img.set(0x12A8, 0xFF);                      // ... with its language bit set
    const ChannelTable t;
    const int W = 11906, Hgt = 16838, H = W / 66, B = int(Hgt / 45 * 0.8) + 20;
    struct Case {
        Selection on;
        Language lang;
        int x, y; // in H and B
        const char* text;
    } cases[] = {
        {only({Dtmf}), Language::English, 40, 5, "15"},
        {only({Dtmf}), Language::English, 40, 9, "√"},
        {only({Dtmf}), Language::English, 40, 13, "A"},
        {only({Dtmf}), Language::English, 40, 16, "Tx inbibit"},
        {only({Dtmf}), Language::Chinese, 9, 5, "DTMF 速率:"},
        {only({Optional}), Language::English, 30, 13, "120"},
        {only({Optional}), Language::English, 30, 6, "Orangle"},
        {only({Optional}), Language::English, 30, 10, "To"},
        {only({Optional}), Language::English, 30, 15, "Off"},
        {only({Optional}), Language::Chinese, 30, 15, "无"},
        {only({Optional}), Language::Chinese, 30, 6, "橙色"},
        {only({Optional}), Language::English, 30, 21, "Off"}, // keypad lock bit set
        {only({TwoTone}), Language::English, 26, 5, "2000.0"},
    };
    for (const Case& c : cases) {
        RecordingCanvas rc;
        drawPage(rc, paginate(c.on, t), 1, Input{&img, &t, c.lang, {}, W, Hgt});
        EXPECT_EQ(rc.at(c.x * H, -c.y * B), u8(c.text)) << c.text;
    }
    // MSK: entry 4 beside its number; an empty entry prints nothing.
    RecordingCanvas msk;
    drawPage(msk, paginate(only({Msk}), t), 1, Input{&img, &t, Language::English, {}, W, Hgt});
    EXPECT_EQ(msk.at(17 * H, -(4 + 7) * B - 25), QStringLiteral("BEEF"));
    EXPECT_EQ(msk.at(10 * H, -(4 + 7) * B - 25), QStringLiteral("4"));
    EXPECT_EQ(msk.at(17 * H, -(5 + 7) * B - 25), QString());
    // 2-Tone encode: pairs 1 and 17 side by side.
    RecordingCanvas enc;
    drawPage(enc, paginate(only({TwoTone}), t), 2, Input{&img, &t, Language::English, {}, W, Hgt});
    EXPECT_EQ(enc.at(35 * H, -13 * B - 25), QStringLiteral("17"));
    EXPECT_EQ(enc.at(51 * H, -13 * B - 25), QStringLiteral("1000.0"));
    EXPECT_EQ(enc.at(30 * H, -9 * B), QStringLiteral("Off"));
}

} // namespace
