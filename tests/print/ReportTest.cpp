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

// What a page is drawn from, on an A4 page.
Input pageInput(const RadioImage* img, const ChannelTable* t, Language lang, const QString& owner = {})
{
    Input in;
    in.image = img;
    in.table = t;
    in.lang = lang;
    in.owner = owner;
    in.widthTwips = 11906;
    in.heightTwips = 16838;
    return in;
}

Selection all()
{
    Selection s;
    s.fill(true);
    return s;
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
        // The whole-radio page comes after every other section, whichever are chosen.
        {"defaults and the whole radio, 12 channels",
         only({Optional, Channels, Radio}),
         12,
         5,
         {PageKind::Optional, PageKind::Channels, PageKind::Channels, PageKind::Channels, PageKind::Radio}},
        {"only the whole radio, no channel used", only({Radio}), 0, 1, {PageKind::Radio}},
        {"2-Tone and the whole radio",
         only({TwoTone, Radio}),
         12,
         3,
         {PageKind::TwoToneDecode, PageKind::TwoToneEncode, PageKind::Radio}},
        {"all six, 3 channels",
         all(),
         3,
         7,
         {PageKind::Dtmf, PageKind::Msk, PageKind::Optional, PageKind::TwoToneDecode, PageKind::TwoToneEncode,
          PageKind::Channels, PageKind::Radio}},
        {"MSK, the whole radio, channels none used",
         only({Msk, Channels, Radio}),
         0,
         2,
         {PageKind::Msk, PageKind::Radio}},
    };
    for (const Case& c : cases) {
        const Layout l = paginate(c.on, tableWithRows(firstRows(c.usedRows)));
        EXPECT_EQ(l.total, c.total) << c.name;
        for (std::size_t p = 0; p < c.kinds.size(); ++p)
            EXPECT_EQ(int(pageAt(l, int(p) + 1).kind), int(c.kinds[p])) << c.name << " page " << p + 1;
    }
    // The channel pages keep their numbers with the whole-radio page behind them.
    const Layout l = paginate(all(), tableWithRows(firstRows(12)));
    EXPECT_EQ(l.total, 9);
    EXPECT_EQ(l.beforeChannels, 5);
    for (int k = 1; k <= 3; ++k)
        EXPECT_EQ(pageAt(l, 5 + k).channelPage, k);
    // The five sections stay the default; the sixth is asked for.
    EXPECT_FALSE(defaultSelection()[Radio]);
    EXPECT_EQ(sectionCheckText(Radio), QStringLiteral("Radio Info"));
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
            drawPage(c, l, p, pageInput(nullptr, &t, Language::English));
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
    drawPage(c, l, 1, pageInput(nullptr, &t, Language::English, QStringLiteral("Owner")));
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
        drawPage(rc, paginate(c.on, t), 1, pageInput(&img, &t, c.lang));
        EXPECT_EQ(rc.at(c.x * H, -c.y * B), u8(c.text)) << c.text;
    }
    // MSK: entry 4 beside its number; an empty entry prints nothing.
    RecordingCanvas msk;
    drawPage(msk, paginate(only({Msk}), t), 1, pageInput(&img, &t, Language::English));
    EXPECT_EQ(msk.at(17 * H, -(4 + 7) * B - 25), QStringLiteral("BEEF"));
    EXPECT_EQ(msk.at(10 * H, -(4 + 7) * B - 25), QStringLiteral("4"));
    EXPECT_EQ(msk.at(17 * H, -(5 + 7) * B - 25), QString());
    // 2-Tone encode: pairs 1 and 17 side by side.
    RecordingCanvas enc;
    drawPage(enc, paginate(only({TwoTone}), t), 2, pageInput(&img, &t, Language::English));
    EXPECT_EQ(enc.at(35 * H, -13 * B - 25), QStringLiteral("17"));
    EXPECT_EQ(enc.at(51 * H, -13 * B - 25), QStringLiteral("1000.0"));
    EXPECT_EQ(enc.at(30 * H, -9 * B), QStringLiteral("Off"));
}

TEST(Report, TheWholeRadioPagePrintsModelBandSideKeyFileAndDate)
{
    RadioImage img = RadioImage::newDocument();
    img.set(0x17D1, 1); // the second model of the list
    band::write(img, {400, 470});
    img.set(0x12AA, 0xFC); // side key: squelch off momentary
    const ChannelTable t = tableWithRows(firstRows(3));
    const int W = 11906, Hgt = 16838, H = W / 66, L = Hgt / 45 + 20, B = int(Hgt / 45 * 0.8) + 20;
    struct Case {
        Language lang;
        int radioType;
        std::vector<std::pair<std::array<int, 2>, const char*>> at; // (x in H, y in B) -> text
    } cases[] = {
        {Language::English,
         1,
         {{{6, 4}, "Product Information"},
          {{9, 5}, "Type:"},
          {{30, 5}, "ZR-530U"},
          {{9, 6}, "Field:"},
          {{30, 6}, "400-470MHz"},
          {{6, 8}, "Key Assignment"},
          {{9, 9}, "Side Key:"},
          {{30, 9}, "Squelch Off Momentary"},
          {{6, 11}, "File"},
          {{9, 12}, "File Name:"},
          {{30, 12}, "customer.dat"},
          {{9, 13}, "Printed:"},
          {{30, 13}, "2026-03-07 09:05"}}},
        {Language::Chinese,
         1,
         {{{6, 4}, "类型设置"},
          {{9, 5}, "类型:"},
          {{30, 5}, "ZR-530U"},
          {{9, 6}, "频段:"},
          {{6, 8}, "侧键设定"},
          {{9, 9}, "侧键:"},
          {{30, 9}, "瞬时静噪关闭"},
          {{9, 12}, "文件名:"},
          {{9, 13}, "打印时间:"},
          {{30, 13}, "2026-03-07 09:05"}}},
        // A radio type the list does not have prints its number, not another model's name.
        {Language::English, 7, {{{30, 5}, "7"}}},
    };
    for (const Case& c : cases) {
        img.set(0x17D1, std::uint8_t(c.radioType));
        Input in = pageInput(&img, &t, c.lang, QStringLiteral("Owner"));
        in.models = {QStringLiteral("ZR-530V"), QStringLiteral("ZR-530U")};
        in.fileName = QStringLiteral("customer.dat");
        in.printed = QDateTime(QDate(2026, 3, 7), QTime(9, 5, 42));
        // After the default sections: page 3 of 3 behind the optional features and one channel page.
        const Layout l = paginate(only({Optional, Channels, Radio}), t);
        ASSERT_EQ(l.total, 3);
        RecordingCanvas rc;
        drawPage(rc, l, 3, in);
        for (const auto& [xy, text] : c.at)
            EXPECT_EQ(rc.at(xy[0] * H, -xy[1] * B), u8(text)) << text;
        EXPECT_EQ(rc.at(6 * H, -L), c.lang == Language::Chinese ? u8("电台信息") : u8("Radio Information"));
        EXPECT_TRUE(rc.find(QStringLiteral("Page 3 of 3")));
        EXPECT_FALSE(rc.find(QStringLiteral("Channel 1:"))) << "a channel block on the whole-radio page";
        EXPECT_EQ(rc.lines.size(), 3u); // the frame's rules only
    }
}

} // namespace
