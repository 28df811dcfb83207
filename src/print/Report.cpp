#include "Report.h"

#include "editors/Settings.h"

namespace zemtar::report {

using fields::Context;

namespace {

// The units of one page: H and V from the page size, L and B the line heights of the title
// and body fonts.
struct Units {
    int H = 0, V = 0, L = 0, B = 0;
    Font title, body;
};

Units unitsOf(Canvas& c, const Input& in)
{
    Units u;
    u.H = in.widthTwips / 66;
    u.V = in.heightTwips / 45;
    u.title = Font{u.V, u.H};
    u.body = Font{int(u.V * 0.8), int(u.H * 0.8)};
    u.L = c.lineHeight(u.title);
    u.B = c.lineHeight(u.body);
    return u;
}

// Every drawer: the title in the title font at (6H, -L), then the body font.
void opening(Canvas& c, const Units& u, const QString& title)
{
    c.setFont(u.title);
    c.text(6 * u.H, -u.L, title);
    c.setFont(u.body);
}

// Rows of (label, value) in two columns of the body font.
struct Row {
    int y; // in body lines: -y * B
    QString label;
    QString value;
};
void rows(Canvas& c, const Units& u, int labelX, int valueX, const std::vector<Row>& rs)
{
    for (const Row& r : rs) {
        c.text(labelX, -r.y * u.B, r.label);
        c.text(valueX, -r.y * u.B, r.value);
    }
}

// Fields of a page at their lines: each field's print label and print text.
struct Placed {
    int y;
    int field;
};
void fieldRows(Canvas& c, const Units& u, int labelX, int valueX, const fields::Page& page, const QStringList& texts,
               Language lang, const std::vector<Placed>& at)
{
    std::vector<Row> rs;
    for (const Placed& p : at)
        rs.push_back({p.y, page.field(p.field).printLabel(lang), texts[p.field]});
    rows(c, u, labelX, valueX, rs);
}

void drawDtmf(Canvas& c, const Units& u, const Input& in)
{
    const Context ctx{in.lang};
    const Language l = in.lang;
    namespace d = editors::dtmf;
    opening(c, u, QStringLiteral("DTMF"));
    const QStringList e = editors::dtmfEncodePage().printTexts(*in.image, ctx);
    const QStringList dec = editors::dtmfDecodePage().printTexts(*in.image, ctx);
    c.text(6 * u.H, -4 * u.B, pick(l, "Encode", "编码"));
    fieldRows(c, u, 9 * u.H, 40 * u.H, editors::dtmfEncodePage(), e, l,
              {{5, d::Speed}, {6, d::FirstDigitDelay}, {7, d::FirstDigitTime}, {8, d::StarHashTime}, {9, d::SideTone}});
    c.text(6 * u.H, -11 * u.B, pick(l, "Decode", "解码"));
    fieldRows(c, u, 9 * u.H, 40 * u.H, editors::dtmfDecodePage(), dec, l,
              {{12, d::IdCode}, {13, d::GroupCode}, {14, d::StunActivation}, {15, d::StunCode}, {16, d::StunType}});
    c.text(6 * u.H, -18 * u.B, pick(l, "CallList", "呼叫列表"));
    c.text(9 * u.H, -19 * u.B, pick(l, "Num", "编号"));
    c.text(21 * u.H, -19 * u.B, pick(l, "FastCallList", "快速呼叫列表"));
    c.line(8 * u.H, 25 - 20 * u.B, 40 * u.H, 25 - 20 * u.B);
    c.line(15 * u.H, 50 - 19 * u.B, 15 * u.H, -29 * u.B);
    const QStringList calls = editors::dtmfCallListPage().printTexts(*in.image, ctx);
    for (int i = 0; i < 9; ++i) {
        const int y = -(i + 20) * u.B - 50;
        c.text(10 * u.H, y, QString::number(i + 1));
        c.text(18 * u.H, y, calls[i]);
    }
}

void drawMsk(Canvas& c, const Units& u, const Input& in)
{
    const Context ctx{in.lang};
    const Language l = in.lang;
    opening(c, u, QStringLiteral("MSK"));
    c.text(6 * u.H, -4 * u.B, editors::mskIdPage().field(editors::msk::IdCode).printLabel(l));
    c.text(15 * u.H, -4 * u.B, editors::mskIdPage().printTexts(*in.image, ctx)[editors::msk::IdCode]);
    c.text(6 * u.H, -6 * u.B, pick(l, "CallList", "呼叫列表"));
    c.text(9 * u.H, -7 * u.B, pick(l, "Num", "编号"));
    c.text(16 * u.H, -7 * u.B, pick(l, "CallList", "呼叫列表"));
    c.line(8 * u.H, 25 - 8 * u.B, 25 * u.H, 25 - 8 * u.B);
    c.line(14 * u.H, 25 - 7 * u.B, 14 * u.H, -17 * u.B - 50);
    const QStringList calls = editors::mskCallListPage().printTexts(*in.image, ctx);
    for (int t = 1; t <= 9; ++t) {
        const int y = -(t + 7) * u.B - 25;
        c.text(10 * u.H, y, QString::number(t));
        c.text(17 * u.H, y, calls[t - 1]);
    }
}

void drawOptional(Canvas& c, const Units& u, const Input& in)
{
    const Context ctx{in.lang};
    const Language l = in.lang;
    namespace o = editors::of;
    opening(c, u, pick(l, "Optional", "可选功能"));
    const QStringList t = editors::optionalFeaturesPage().printTexts(*in.image, ctx);
    c.text(6 * u.H, -4 * u.B, pick(l, "Function", "功能"));
    const fields::Page& page = editors::optionalFeaturesPage();
    fieldRows(c, u, 9 * u.H, 30 * u.H, page, t, l,
              {{5, o::BackLight},
               {6, o::BackLightColor},
               {7, o::DisplayMode},
               {8, o::KeyLock},
               {9, o::PriorityChannel},
               {10, o::ScanMode},
               {11, o::SquelchLevel},
               {12, o::Step},
               {13, o::Tot},
               {14, o::VoxGain},
               {15, o::Voice},
               {16, o::FrequencyMode},
               {17, o::MskType},
               {18, o::BatterySaver},
               {19, o::Beep},
               {20, o::Scrambler},
               {21, o::KeypadLock}});
    c.text(6 * u.H, -23 * u.B, QStringLiteral("PTT ID"));
    fieldRows(c, u, 9 * u.H, 30 * u.H, page, t, l,
              {{24, o::DisplayPttId}, {25, o::PttIdType}, {26, o::PttIdBegin}, {27, o::PttIdEnd}});
}

void drawTwoToneDecode(Canvas& c, const Units& u, const Input& in)
{
    const Context ctx{in.lang};
    const Language l = in.lang;
    namespace t = editors::twotone;
    opening(c, u, pick(l, "2-Tone Decode", "2-Tone 解码"));
    for (int g = 0; g < 8; ++g) {
        const int cx = 32 * u.H * (g % 2);
        const int y0 = -9 * u.B * (g / 2);
        const QStringList v = editors::twoToneDecodePage(g + 1).printTexts(*in.image, ctx);
        c.text(3 * u.H + cx, y0 - 4 * u.B, QStringLiteral("2-Tone %1:").arg(g + 1));
        const fields::Page& page = editors::twoToneDecodePage(g + 1);
        const int shown[] = {t::ATone,   t::BTone, t::DecodeFirstDelay, t::DecodeSecondDelay, t::DecodeLongToneDelay,
                             t::Interval};
        for (int r = 0; r < 6; ++r) {
            const int y = y0 - (5 + r) * u.B;
            c.text(4 * u.H + cx, y, page.field(shown[r]).printLabel(l));
            c.text(26 * u.H + cx, y, v[shown[r]]);
        }
    }
}

void drawTwoToneEncode(Canvas& c, const Units& u, const Input& in)
{
    const Context ctx{in.lang};
    const Language l = in.lang;
    namespace t = editors::twotone;
    opening(c, u, pick(l, "2-Tone Encode", "2-Tone 编码"));
    const QStringList e = editors::twoToneEncodePage().printTexts(*in.image, ctx);
    fieldRows(c, u, 6 * u.H, 30 * u.H, editors::twoToneEncodePage(), e, l,
              {{4, t::FirstDelay},
               {5, t::SecondDelay},
               {6, t::LongToneDelay},
               {7, t::ToneInterval},
               {8, t::TxRiseDelay},
               {9, t::ShortBeep}});
    const bool zh = l == Language::Chinese;
    // Column heads of the two halves; the Chinese heads sit 1.5 H further right.
    for (int half = 0; half < 2; ++half) {
        const int base = half * 28;
        const int y = -12 * u.B;
        c.text((6 + base) * u.H, y, pick(l, "Num", "编码"));
        c.text(int((12 + base + (zh ? 1.5 : 0)) * u.H), y, pick(l, "Tone Fre1", "音频1"));
        c.text(int((22 + base + (zh ? 1.5 : 0)) * u.H), y, pick(l, "Tone Fre2", "音频2"));
    }
    const QStringList pairs = editors::twoToneEncodeListPage().printTexts(*in.image, ctx);
    for (int i = 0; i < 16; ++i) {
        const int y = -(i + 13) * u.B - 25;
        c.text(7 * u.H, y, QString::number(i + 1));
        c.text(13 * u.H, y, pairs[2 * i]);
        c.text(23 * u.H, y, pairs[2 * i + 1]);
        c.text(35 * u.H, y, QString::number(i + 17));
        c.text(41 * u.H, y, pairs[2 * (i + 16)]);
        c.text(51 * u.H, y, pairs[2 * (i + 16) + 1]);
    }
}

// The whole radio on one sheet: what the radio is, its side key, and which file printed on
// which day, so that a customer's sheet can be matched to the dealer's file later.
void drawRadio(Canvas& c, const Units& u, const Input& in)
{
    const Context ctx{in.lang};
    const Language l = in.lang;
    opening(c, u, pick(l, "Radio Information", "电台信息"));
    const fields::Page product = editors::productInfoPage(in.models);
    const QStringList p = product.printTexts(*in.image, ctx);
    c.text(6 * u.H, -4 * u.B, product.name(l));
    rows(c, u, 9 * u.H, 30 * u.H,
         {{5, product.field(editors::pi::Type).printLabel(l), p[editors::pi::Type]},
          {6, product.field(editors::pi::Band).printLabel(l), band::text(band::read(*in.image))}});
    const fields::Page& keys = editors::keyAssignPage();
    c.text(6 * u.H, -8 * u.B, keys.name(l));
    fieldRows(c, u, 9 * u.H, 30 * u.H, keys, keys.printTexts(*in.image, ctx), l, {{9, 0}});
    c.text(6 * u.H, -11 * u.B, pick(l, "File", "文件"));
    rows(c, u, 9 * u.H, 30 * u.H,
         {{12, pick(l, "File Name:", "文件名:"), in.fileName},
          {13, pick(l, "Printed:", "打印时间:"),
           in.printed.isValid() ? in.printed.toString(QStringLiteral("yyyy-MM-dd HH:mm")) : QString()}});
}

constexpr int kChannelBlockLines = 10;

void drawChannels(Canvas& c, const Units& u, const Layout& layout, int page, const Input& in)
{
    const Language l = in.lang;
    opening(c, u, pick(l, "Channel Infomation", "信道信息"));
    if (page < 1 || page >= int(layout.channelEnds.size()))
        return;
    const ChannelTable& t = *in.table;
    int j = 0;
    for (int row = layout.channelEnds[std::size_t(page - 1)] + 1;
         row <= layout.channelEnds[std::size_t(page)] && row <= kLastRow && j < kChannelsPerPage; ++row) {
        if (t.cell(row, ColRx).isEmpty())
            continue;
        const int d = -8 * u.B * j++;
        const QString number = row == kLastRow ? QStringLiteral("FR") : QString::number(row);
        c.text(4 * u.H, -4 * u.B + d, pick(l, "Channel ", "信道 ") + number + QLatin1Char(':'));
        // Each printed column at its line of the block, on the left or the right; drawn line by
        // line, left before right, as the page has always been drawn.
        for (int line = 1; line <= kChannelBlockLines; ++line)
            for (const bool right : {false, true})
                for (const ColumnInfo& col : columns::kColumns) {
                    if (col.print.line != line || col.print.right != right)
                        continue;
                    const int y = -line * u.B + d;
                    QString value = t.cell(row, col.column);
                    if (right && value == QStringLiteral("QT/DQT Tone"))
                        value = QStringLiteral("QT/DQT");
                    c.text((right ? 40 : 5) * u.H, y, pick(l, col.print.en, col.print.zh));
                    c.text((right ? 55 : 24) * u.H, y, value);
                }
    }
}

} // namespace

QString sectionCheckText(int section, Language lang)
{
    static const char* texts[][2] = {{"DTMF", "DTMF"},
                                     {"MSK", "MSK"},
                                     {"Optional", "可选功能"},
                                     {"2-Tone", "两音"},
                                     {"Channel Info", "信道信息"},
                                     {"Radio Info", "电台信息"}};
    return section >= 0 && section < SectionCount ? pick(lang, texts[section][0], texts[section][1]) : QString();
}

Selection defaultSelection()
{
    Selection s{};
    s[Optional] = s[Channels] = true;
    return s;
}

Layout paginate(const Selection& on, const ChannelTable& table)
{
    Layout l;
    l.on = on;
    // The channel pages end at every fifth used row; the last one runs to the end of the table.
    l.channelEnds.push_back(0);
    for (int row = kFirstRow; row <= kLastRow; ++row) {
        if (table.cell(row, ColRx).isEmpty())
            continue;
        if (++l.channelCount % kChannelsPerPage == 0)
            l.channelEnds.push_back(row);
    }
    const int channelPages = (l.channelCount + kChannelsPerPage - 1) / kChannelsPerPage;
    // As many boundaries as pages (a fixed number of them would let a long table read past
    // the last): a page that is not full runs to the end of the table.
    while (int(l.channelEnds.size()) < channelPages + 1)
        l.channelEnds.push_back(kLastRow);
    l.pages = {1, 1, 1, 2, channelPages, 1};
    for (int s = 0; s < SectionCount; ++s) {
        if (!on[std::size_t(s)])
            continue;
        l.total += l.pages[std::size_t(s)];
        if (s < Channels)
            l.beforeChannels += l.pages[std::size_t(s)];
    }
    return l;
}

PageRef pageAt(const Layout& layout, int p)
{
    // The printed pages run through the chosen sections in order; page k of a section is its
    // k-th page.
    int before = 0;
    for (int s = 0; s < SectionCount; ++s) {
        if (!layout.on[std::size_t(s)])
            continue;
        const int k = p - before;
        before += layout.pages[std::size_t(s)];
        if (p > before)
            continue;
        switch (Section(s)) {
        case Dtmf:
            return {PageKind::Dtmf, 0};
        case Msk:
            return {PageKind::Msk, 0};
        case Optional:
            return {PageKind::Optional, 0};
        case TwoTone:
            return {k == 1 ? PageKind::TwoToneDecode : PageKind::TwoToneEncode, 0};
        case Channels:
            return {PageKind::Channels, k};
        case Radio:
        case SectionCount:
            return {PageKind::Radio, 0};
        }
    }
    return {PageKind::Channels, 0}; // past the last page: a bare frame
}

void drawPage(Canvas& c, const Layout& layout, int p, const Input& in)
{
    const Units u = unitsOf(c, in);
    c.setFont(u.title);
    for (int y : {-(2 * u.L + 50), -(2 * u.L + 120), u.L / 2 - 36 * u.L})
        c.line(5 * u.H, y, 60 * u.H, y);
    const PageRef ref = pageAt(layout, p);
    switch (ref.kind) {
    case PageKind::Dtmf:
        drawDtmf(c, u, in);
        break;
    case PageKind::Msk:
        drawMsk(c, u, in);
        break;
    case PageKind::Optional:
        drawOptional(c, u, in);
        break;
    case PageKind::TwoToneDecode:
        drawTwoToneDecode(c, u, in);
        break;
    case PageKind::TwoToneEncode:
        drawTwoToneEncode(c, u, in);
        break;
    case PageKind::Channels:
        drawChannels(c, u, layout, ref.channelPage, in);
        break;
    case PageKind::Radio:
        drawRadio(c, u, in);
        break;
    }
    // The footer, in the body font the section left selected.
    c.text(10 * u.H, -36 * u.L, in.owner);
    c.text(45 * u.H, -36 * u.L, QStringLiteral("Page %1 of %2").arg(p).arg(layout.total));
}

} // namespace zemtar::report
