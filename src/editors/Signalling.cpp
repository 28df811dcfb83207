// DTMF and 2-Tone: the signalling pages, with their normalisation, spin steps and the bytes
// the radio derives from their values. Every decimal is computed in whole tenths or
// hundredths, never by accumulating binary floating point.
#include "PageBuilding.h"
#include "Settings.h"

#include "image/RadioImage.h"

#include <algorithm>

namespace zemtar::editors {

using namespace building;

namespace {

bool digitsOnly(QChar c, const QStringList&) { return fields::isDigit(c); }
bool decimalChars(QChar c, const QStringList&) { return fields::isDigit(c) || c == QLatin1Char('.'); }
bool dtmfChars(QChar c, const QStringList&) { return fields::isDtmfChar(c); }
bool byteChars(QChar c, const QStringList&) { return c.unicode() >= 0x20 && c.unicode() < 0xFF && c.unicode() != 0x7F; }

Field number(const QString& section, const QString& key, const char* zh, int help, int maxLength,
             std::function<bool(QChar, const QStringList&)> accepts)
{
    Field f;
    f.section = section;
    f.key = key;
    f.labelZh = u(zh);
    f.kind = Kind::Number;
    f.help = help;
    f.maxLength = maxLength;
    f.accepts = std::move(accepts);
    return f;
}

// ---- DTMF encode rules ----

long speedNormalised(long v) { return v <= 7 ? 6 : v <= 9 ? 8 : v <= 14 ? 10 : 15; }
long speedSpin(long v, int delta)
{
    if (delta > 0)
        return v < 6 ? 6 : v <= 7 ? 8 : v <= 9 ? 10 : v <= 14 ? 15 : 6;
    return v > 15 ? 15 : v >= 11 ? 10 : v >= 9 ? 8 : v >= 7 ? 6 : 15;
}
long delayNormalised(long v) { return v < 0 ? 0 : v > 1000 ? 1000 : v / 50 * 50; }
long delaySpin(long v, int delta)
{
    long n;
    if (delta > 0)
        n = v % 50 != 0 ? (v < 0 ? v / 50 * 50 : (v / 50 + 1) * 50) : v + 50;
    else
        n = v % 50 != 0 ? (v < 0 ? (v / 50 - 1) * 50 : v / 50 * 50) : v - 50;
    return n > 1000 ? 0 : n < 0 ? 1000 : n;
}
long digitTimeNormalised(long v) { return v < 100 ? 0 : v < 500 ? 100 : v < 1000 ? 500 : 1000; }
long digitTimeSpin(long v, int delta)
{
    if (delta > 0)
        return v < 100 ? 100 : v < 500 ? 500 : v < 1000 ? 1000 : 0;
    return v > 1000 ? 1000 : v > 500 ? 500 : v > 100 ? 100 : v > 0 ? 0 : 1000;
}

Field integerField(const QString& section, const QString& key, const char* zh, int help, int maxLength,
                   std::function<long(long)> norm, std::function<long(long, int)> spin)
{
    Field f = number(section, key, zh, help, maxLength, digitsOnly);
    f.normalise = [norm](const QString& t) { return QString::number(norm(fields::leadingNumber(t))); };
    f.spin = [spin](const QString& t, int delta) { return QString::number(spin(fields::leadingNumber(t), delta)); };
    return f;
}

Page makeDtmfEncode()
{
    const QString s = QStringLiteral("DTMF Encode");
    const std::size_t b1308 = map::kDtmfEncode.offset;
    std::vector<Field> f;
    Field speed =
        integerField(s, QStringLiteral("DTMF Speed(digit/s)"), "DTMF速率(位/秒)", 1084, 2, speedNormalised, speedSpin);
    speed.read = [=](const RadioImage& img, const Context&) {
        static const int speeds[] = {6, 8, 10, 15};
        return QString::number(speeds[img.bits(b1308, 1, 0)]);
    };
    speed.writeText = [=](RadioImage& img, const QString& t) {
        const long v = t.toLong();
        img.setBits(b1308, 1, 0, v == 6 ? 0u : v == 8 ? 1u : v == 10 ? 2u : 3u);
    };
    f.push_back(speed);
    struct Timed {
        const char* key;
        const char* zh;
        int help;
        int maxLength;
        std::size_t offset;
        bool delay;
    } timed[] = {
        {"First Digit Delay Time(ms)", "首位延迟时间(毫秒)", 1085, 0, b1308 + 1, true},
        {"First Digit Time(ms)", "首位持续时间(毫秒)", 1086, 4, b1308 + 2, false},
        {"* and # Digit Time(ms)", "*和#持续时间(毫秒)", 1087, 4, b1308 + 3, false},
    };
    for (const Timed& t : timed) {
        Field x =
            t.delay ? integerField(s, QString::fromLatin1(t.key), t.zh, t.help, t.maxLength, delayNormalised, delaySpin)
                    : integerField(s, QString::fromLatin1(t.key), t.zh, t.help, t.maxLength, digitTimeNormalised,
                                   digitTimeSpin);
        const std::size_t o = t.offset;
        x.read = [o](const RadioImage& img, const Context&) { return QString::number((img.at(o) & 0x1F) * 50); };
        x.writeText = [o](RadioImage& img, const QString& text) { img.set(o, std::uint8_t(text.toLong() / 50)); };
        f.push_back(x);
    }
    f.push_back(fields::checkOnBit(s, QStringLiteral("SideTone"), u("侧音"), 1088, map::kMixedFlags.offset, 6));
    f.back().printText = [](const QString& t, const Context&) {
        return fields::parseCheck(t).value_or(false) ? u("√") : u("×");
    };
    f[dtmf::Speed].printAs("DTMF Speed:", "DTMF 速率:");
    f[dtmf::FirstDigitDelay].printAs("First Digit Delay Time(ms):", "首位数码持续时间 (毫秒):");
    f[dtmf::FirstDigitTime].printAs("First Digit Time(ms):", "首位数码时间 (毫秒):");
    f[dtmf::StarHashTime].printAs("* and # Digit Time(ms):", "* 和 # 数码时间 (毫秒):");
    f[dtmf::SideTone].printAs("Side Tone:", "侧音:");
    return Page(QStringLiteral("Encode"), u("编码"), std::move(f));
}

Page makeDtmfDecode()
{
    const QString s = QStringLiteral("DTMF Decode");
    const std::size_t b12A8 = map::kMixedFlags.offset;
    std::vector<Field> f(dtmf::DecodeCount);
    f[dtmf::IdCode] = fields::paddedText(s, QStringLiteral("ID Code"), u("ID码"), 1080, map::kDtmfDecode1.offset, 10,
                                         true, byteChars);
    {
        const std::size_t o = map::kDtmfDecodeChar.offset;
        const QStringList en = {QStringLiteral("Off"), QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                                QStringLiteral("D"),   QStringLiteral("*"), QStringLiteral("#")};
        QStringList zh = en;
        zh[0] = u("关");
        Field g = fields::listOnBits(s, QStringLiteral("Group Code"), u("组码"), 1081, o, 7, 0, en, zh);
        g.read = [=](const RadioImage& img, const Context& ctx) {
            const std::uint8_t b = img.at(o);
            return b == 0xFF ? (ctx.lang == Language::Chinese ? zh[0] : en[0]) : QString(QChar(b));
        };
        g.writeIndex = [=](RadioImage& img, int i) {
            img.set(o, i == 0 ? std::uint8_t(0xFF) : std::uint8_t(en[i].at(0).toLatin1()));
        };
        g.printText = [](const QString& t, const Context&) { return t == u("关") ? QStringLiteral("Off") : t; };
        f[dtmf::GroupCode] = g;
    }
    f[dtmf::StunActivation] = fields::checkOnBit(s, QStringLiteral("Stun Activation"), u("遥毙激活"), 1103, b12A8, 4);
    auto stunOn = [](const QStringList& page) {
        return fields::parseCheck(page.value(dtmf::StunActivation)).value_or(false);
    };
    f[dtmf::StunCode] = fields::paddedText(s, QStringLiteral("Stun Code"), u("遥毙码"), 1082, map::kDtmfDecode2.offset,
                                           10, true, dtmfChars);
    f[dtmf::StunCode].enabled = stunOn;
    f[dtmf::StunType] = fields::listOnBits(
        s, QStringLiteral("Stun Type"), u("遥毙类型"), 1083, b12A8, 5, 5,
        {QStringLiteral("Tx inhibit"), QStringLiteral("Transceiver inhibit")}, {u("禁止发射"), u("禁止收发")},
        [](unsigned v) { return v ? 0 : 1; }, [](int i) { return i == 0 ? 1u : 0u; });
    f[dtmf::StunType].enabled = stunOn;
    f[dtmf::StunType].printText = [](const QString& t, const Context&) {
        return t == QStringLiteral("Tx inhibit") ? QStringLiteral("Tx inbibit") : t;
    };
    f[dtmf::IdCode].printAs("ID Code:", "身份码:");
    f[dtmf::GroupCode].printAs("Group Code:", "组呼码:");
    f[dtmf::StunActivation].printAs("Stun Activation:", "遥毙激活:");
    f[dtmf::StunCode].printAs("Stun Code:", "遥毙码:");
    f[dtmf::StunType].printAs("Stun Code Response:", "遥毙码回应:");
    return Page(QStringLiteral("Decode"), u("解码"), std::move(f));
}

Page makeDtmfCallList()
{
    std::vector<Field> f;
    for (int n = 1; n <= 9; ++n)
        f.push_back(fields::paddedText(QStringLiteral("DTMF Fast Call List"), QString::number(n), QString::number(n),
                                       1125, map::kDtmfFastCalls.offset + std::size_t(n - 1) * map::kRowSize, 16, true,
                                       dtmfChars));
    return Page(QStringLiteral("CallList"), u("呼叫列表"), std::move(f));
}

// ---- 2-Tone ----

constexpr long kToneMin = 2885, kToneMax = 31060; // tenths of a hertz
constexpr long kDecodeClock = 895658, kEncodeClock = 111957;

// A typed decimal in tenths, rounded half up from the hundredths typed.
long tenths(const QString& t)
{
    const long h = fields::parseFixed(t, 2);
    return h >= 0 ? (h + 5) / 10 : -((-h + 5) / 10);
}
long clampTenths(long v, long lo, long hi) { return std::clamp(v, lo, hi); }
long wrapTenths(long v, long lo, long hi) { return v > hi ? lo : v < lo ? hi : v; }

// The period count of a tone: clock / hertz to the nearest integer, halves upward.
std::uint16_t periodCount(long clock, long toneTenths)
{
    if (toneTenths <= 0)
        return 0;
    return std::uint16_t((clock * 20 + toneTenths) / (2 * toneTenths));
}

// A one-decimal value between lo and hi tenths: clamped when left, wrapped by the spin.
Field tenthsField(const QString& section, const QString& key, const char* zh, int help, int maxLength, long lo, long hi)
{
    Field f = number(section, key, zh, help, maxLength, decimalChars);
    f.normalise = [=](const QString& t) { return fields::formatFixed(clampTenths(tenths(t), lo, hi), 1); };
    f.spin = [=](const QString& t, int delta) { return fields::formatFixed(wrapTenths(tenths(t) + delta, lo, hi), 1); };
    return f;
}

Field toneField(const QString& section, const QString& key, const char* zh, int help, std::size_t main,
                std::size_t derived)
{
    Field f = tenthsField(section, key, zh, help, 6, kToneMin, kToneMax);
    f.read = [main](const RadioImage& img, const Context&) { return fields::formatFixed(img.be16(main), 1); };
    f.writeText = [main](RadioImage& img, const QString& t) { img.setBe16(main, std::uint16_t(tenths(t))); };
    f.derive = [derived](RadioImage& img, const QString& t) {
        img.setBe16(derived, periodCount(kDecodeClock, tenths(t)));
    };
    return f;
}

// A time in tenths of a second in one byte, with its copy in 50 ms units.
Field secondsField(const QString& section, const QString& key, const char* zh, int help, int maxLength, long lo,
                   long hi, std::size_t main, std::size_t derived)
{
    Field f = tenthsField(section, key, zh, help, maxLength, lo, hi);
    f.read = [main](const RadioImage& img, const Context&) { return fields::formatFixed(img.at(main), 1); };
    f.writeText = [main](RadioImage& img, const QString& t) { img.set(main, std::uint8_t(tenths(t))); };
    f.derive = [derived](RadioImage& img, const QString& t) { img.set(derived, std::uint8_t(tenths(t) * 2)); };
    return f;
}

Page makeTwoToneDecode(int k)
{
    const QString s = QStringLiteral("2-Tone%1").arg(k);
    const std::size_t rec = std::size_t((k - 1) / 2) * map::kRowSize + std::size_t((k - 1) % 2) * 8;
    const std::size_t main = map::kTwoToneDecode.offset + rec, derived = map::kTwoToneDecode2.offset + rec;
    std::vector<Field> f;
    f.push_back(toneField(s, QStringLiteral("A Tone(HZ)"), "A音(HZ)", 1037, main, derived));
    f.push_back(toneField(s, QStringLiteral("B Tone(HZ)"), "B音(HZ)", 1038, main + 2, derived + 2));
    f.push_back(secondsField(s, QStringLiteral("The first delay time(s)"), "第一延迟时间(秒)", 1039, 4, 5, 100,
                             main + 4, derived + 4));
    f.push_back(secondsField(s, QStringLiteral("The second delay time(s)"), "第二延迟时间(秒)", 1040, 4, 5, 100,
                             main + 5, derived + 5));
    f.push_back(
        secondsField(s, QStringLiteral("Interval time(s)"), "间隔时间(秒)", 1041, 3, 0, 20, main + 6, derived + 6));
    f.push_back(secondsField(s, QStringLiteral("Long tone delay time(s)"), "长音延迟时间(秒)", 1042, 4, 5, 100,
                             main + 7, derived + 7));
    f[twotone::ATone].printAs("A Tone (Hz):", "A 音 (Hz):");
    f[twotone::BTone].printAs("B Tone (Hz):", "B 音 (Hz):");
    f[twotone::DecodeFirstDelay].printAs("The first delay time (s):", "第一音频持续时间 (s):");
    f[twotone::DecodeSecondDelay].printAs("The second delay time (s):", "第二音频持续时间 (s)");
    f[twotone::DecodeLongToneDelay].printAs("Long tone delay time (s):", "长音持续时间 (s):");
    f[twotone::Interval].printAs("Interval time (s):", "音频间隔时间 (s):");
    return Page(s, s, std::move(f));
}

// Tx rise delay: multiples of 0.05 between 0.10 and 1.00, in hundredths.
long riseNormalised(long h)
{
    if (h % 5 != 0)
        h = h / 5 * 5;
    return std::clamp(h, 10L, 100L);
}
long riseSpin(long h, int delta)
{
    long n;
    if (h % 5 != 0)
        n = delta > 0 ? (h / 5 + 1) * 5 : h / 5 * 5;
    else
        n = h + delta * 5;
    return n > 100 ? 10 : n < 10 ? 100 : n;
}

Page makeTwoToneEncode()
{
    const QString s = QStringLiteral("2-Tone Encode");
    // The timing bytes and their copies; constant, so the lambdas below need not capture them.
    static constexpr std::size_t t = map::kTwoToneTiming.offset, copy = map::kTwoToneTimingCopy.offset;
    std::vector<Field> f;
    f.push_back(
        secondsField(s, QStringLiteral("The first delay time(s)"), "第一延迟时间(秒)", 1250, 4, 5, 100, t, copy));
    f.push_back(secondsField(s, QStringLiteral("The second delay time(s)"), "第二延迟时间(秒)", 1251, 4, 5, 100, t + 1,
                             copy + 1));
    f.push_back(secondsField(s, QStringLiteral("Long tone delay time(s)"), "长音延迟时间(秒)", 1252, 4, 5, 100, t + 2,
                             copy + 2));
    // Tone interval: twentieths of the shown value, 16 bits, and its copy.
    Field interval = tenthsField(s, QStringLiteral("Tone interval time(ms)"), "音频间隔时间(毫秒)", 1253, 3, 0, 20);
    interval.read = [](const RadioImage& img, const Context&) {
        return fields::formatFixed((long(img.be16(t + 3)) * 10 + 10) / 20, 1); // to tenths, halves up
    };
    interval.writeText = [](RadioImage& img, const QString& v) { img.setBe16(t + 3, std::uint16_t(tenths(v) * 2)); };
    interval.derive = [](RadioImage& img, const QString& v) { img.setBe16(copy + 3, std::uint16_t(tenths(v) * 2)); };
    // The shown numbers are seconds, as the report prints them: the labels say so.
    interval.labelEn = QStringLiteral("Tone interval time(s)");
    interval.labelZh = u("音频间隔时间(秒)");
    f.push_back(interval);
    Field rise = number(s, QStringLiteral("Tx rise delay time(ms)"), "发射上升延迟时间(毫秒)", 1054, 4, decimalChars);
    rise.normalise = [](const QString& v) { return fields::formatFixed(riseNormalised(fields::parseFixed(v, 2)), 2); };
    rise.spin = [](const QString& v, int delta) {
        return fields::formatFixed(riseSpin(fields::parseFixed(v, 2), delta), 2);
    };
    rise.read = [](const RadioImage& img, const Context&) { return fields::formatFixed(long(img.be16(t + 5)) * 5, 2); };
    rise.writeText = [](RadioImage& img, const QString& v) {
        img.setBe16(t + 5, std::uint16_t(fields::parseFixed(v, 2) / 5));
    };
    rise.derive = [](RadioImage& img, const QString& v) {
        img.setBe16(copy + 5, std::uint16_t(fields::parseFixed(v, 2) / 5));
    };
    rise.labelEn = QStringLiteral("Tx rise delay time(s)");
    rise.labelZh = u("发射上升延迟时间(秒)");
    f.push_back(rise);
    Field beep = fields::checkOnBit(s, QStringLiteral("Short beep tone"), u("短提示音"), 1061, t + 7, 0);
    beep.read = [](const RadioImage& img, const Context& ctx) {
        return fields::checkText(img.at(t + 7) != 0, ctx.lang);
    };
    beep.writeCheck = [](RadioImage& img, bool on) { img.set(t + 7, on ? 1 : 0); };
    beep.printText = [](const QString& v, const Context&) {
        return v == QStringLiteral("On") ? QStringLiteral("ON") : v;
    };
    f.push_back(beep);
    f[twotone::FirstDelay].printAs("The first delay time(s):", "第一音频持续时间 (s):");
    f[twotone::SecondDelay].printAs("The second delay time(s):", "第二音频持续时间 (s)");
    f[twotone::LongToneDelay].printAs("Long tone delay time(s):", "长音持续时间 (s):");
    f[twotone::ToneInterval].printAs("Tone interval time(s):", "音频间隔时间 (s):");
    f[twotone::TxRiseDelay].printAs("Txrise delay time(s):", "上升发射延迟时间 (s):");
    f[twotone::ShortBeep].printAs("Short beep tone:", "短哔音:");
    return Page(QStringLiteral("Encode"), u("编码"), std::move(f));
}

Page makeTwoToneEncodeList()
{
    const QString s = QStringLiteral("2-Tone Encode List");
    std::vector<Field> f;
    for (int e = 0; e < 32; ++e) {
        for (int tone = 0; tone < 2; ++tone) {
            const std::size_t rel = std::size_t(e / 4) * map::kRowSize + std::size_t(e % 4) * 4 + std::size_t(tone) * 2;
            const std::size_t o = map::kTwoToneEncode.offset + rel, period = map::kTwoTonePeriods.offset + rel;
            Field c = number(s, QString::number(e + 1), tone == 0 ? "音频1" : "音频2", 1135, 6, decimalChars);
            c.normalise = [](const QString& v) {
                return v.trimmed().isEmpty() ? QString()
                                             : fields::formatFixed(clampTenths(tenths(v), kToneMin, kToneMax), 1);
            };
            c.read = [o](const RadioImage& img, const Context&) {
                return img.at(o) == 0xFF && img.at(o + 1) == 0xFF ? QString() : fields::formatFixed(img.be16(o), 1);
            };
            c.writeText = [o](RadioImage& img, const QString& v) {
                img.setBe16(o, v.isEmpty() ? std::uint16_t(0xFFFF) : std::uint16_t(tenths(v)));
            };
            c.derive = [period](RadioImage& img, const QString& v) {
                img.setBe16(period, v.isEmpty() ? std::uint16_t(0) : periodCount(kEncodeClock, tenths(v)));
            };
            f.push_back(c);
        }
    }
    return Page(s, u("编码列表"), std::move(f));
}

} // namespace

const Page& dtmfEncodePage()
{
    static const Page p = makeDtmfEncode();
    return p;
}
const Page& dtmfDecodePage()
{
    static const Page p = makeDtmfDecode();
    return p;
}
const Page& dtmfCallListPage()
{
    static const Page p = makeDtmfCallList();
    return p;
}
const Page& twoToneEncodePage()
{
    static const Page p = makeTwoToneEncode();
    return p;
}
const Page& twoToneEncodeListPage()
{
    static const Page p = makeTwoToneEncodeList();
    return p;
}
const Page& twoToneDecodePage(int k)
{
    static const std::vector<Page> pages = [] {
        std::vector<Page> v;
        for (int i = 1; i <= 8; ++i)
            v.push_back(makeTwoToneDecode(i));
        return v;
    }();
    return pages.at(std::size_t(std::clamp(k, 1, 8) - 1));
}

const std::vector<Page>& signallingPages()
{
    static const std::vector<Page> pages = [] {
        std::vector<Page> v{dtmfEncodePage(), dtmfDecodePage(), dtmfCallListPage(), twoToneEncodePage(),
                            twoToneEncodeListPage()};
        for (int k = 1; k <= 8; ++k)
            v.push_back(twoToneDecodePage(k));
        return v;
    }();
    return pages;
}

} // namespace zemtar::editors
