#include "Encodings.h"

#include <array>
#include <limits>

namespace zemtar {

namespace {

// A decimal number split into its parts, read like atof reads it (no exponent).
struct Decimal {
    bool negative = false;
    bool hasDigits = false;
    QString intDigits;
    QString fracDigits;
    bool complete = true; // nothing but blanks after the number
};

Decimal parseDecimal(const QString& text)
{
    Decimal d;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i].isSpace())
        ++i;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        d.negative = text[i] == u'-';
        ++i;
    }
    auto isDigit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    while (i < n && isDigit(text[i]))
        d.intDigits.append(text[i++]);
    if (i < n && text[i] == u'.') {
        ++i;
        while (i < n && isDigit(text[i]))
            d.fracDigits.append(text[i++]);
    }
    d.hasDigits = !d.intDigits.isEmpty() || !d.fracDigits.isEmpty();
    while (i < n && text[i].isSpace())
        ++i;
    d.complete = (i == n) && (d.hasDigits || text.trimmed().isEmpty());
    return d;
}

// Integer value of a digit string, saturating far above any frequency.
qint64 digitsValue(const QString& digits)
{
    constexpr qint64 kCap = qint64(1) << 50;
    qint64 v = 0;
    for (QChar c : digits) {
        v = v * 10 + (c.unicode() - u'0');
        if (v > kCap)
            return kCap;
    }
    return v;
}

bool anyNonZero(const QString& digits)
{
    for (QChar c : digits)
        if (c != u'0')
            return true;
    return false;
}

int leadingInt(const QString& text)
{
    // atoi: blanks, sign, digits.
    const Decimal d = parseDecimal(text.section(u'.', 0, 0));
    qint64 v = digitsValue(d.intDigits);
    if (v > 1000000)
        v = 1000000;
    return int(d.negative ? -v : v);
}

void encodeBcd4(RadioImage& img, std::size_t offset, qint64 units)
{
    // 8 digits, least significant pair first; anything above 8 digits is cut off.
    qint64 u = units % 100000000;
    qint64 d = 1000000;
    for (int byte = 3; byte >= 0; --byte) {
        const qint64 v = u / d;
        u %= d;
        img.set(offset + std::size_t(byte), toBcd(unsigned(v)));
        d /= 100;
    }
}

} // namespace

// ---------------------------------------------------------------- frequencies

namespace freq {

qint64 parseMHz(const QString& text, bool* complete)
{
    const Decimal d = parseDecimal(text);
    if (complete)
        *complete = d.complete;
    const qint64 whole = digitsValue(d.intDigits);
    const qint64 frac = digitsValue(d.fracDigits.left(5).leftJustified(5, u'0'));
    const qint64 units = whole >= (qint64(1) << 50) / kUnitsPerMHz ? (qint64(1) << 50) : whole * kUnitsPerMHz + frac;
    return d.negative ? -units : units;
}

QString format(qint64 units)
{
    const bool neg = units < 0;
    const qint64 a = neg ? -units : units;
    return QStringLiteral("%1%2.%3")
        .arg(neg ? QStringLiteral("-") : QString())
        .arg(a / kUnitsPerMHz)
        .arg(a % kUnitsPerMHz, 5, 10, QChar(u'0'));
}

bool isAbsent(const RadioImage& img, std::size_t offset)
{
    const auto hi = img.at(offset + 3);
    return hi == 0xFF || hi == 0x00;
}

qint64 decode(const RadioImage& img, std::size_t offset)
{
    if (isAbsent(img, offset))
        return 0;
    qint64 units = 0;
    for (int byte = 3; byte >= 0; --byte)
        units = units * 100 + fromBcd(img.at(offset + std::size_t(byte)));
    return units;
}

void encodeRx(RadioImage& img, std::size_t offset, qint64 units)
{
    if (units <= 0) {
        for (std::size_t i = 0; i < 4; ++i)
            img.set(offset + i, 0xFF);
        return;
    }
    encodeBcd4(img, offset, units);
}

void encodeTx(RadioImage& img, std::size_t offset, qint64 units)
{
    if (units <= 0) {
        img.set(offset + 3, 0xFF); // the lower three bytes keep what they held
        return;
    }
    encodeBcd4(img, offset, units);
}

} // namespace freq

// ---------------------------------------------------------------- tones

namespace tone {

namespace {
constexpr std::array<const char*, 50> kCtcss = {
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",  "94.8",  "97.4",  "100.0",
    "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3", "131.8", "136.5", "141.3", "146.2", "151.4", "156.7",
    "159.8", "162.2", "165.5", "167.9", "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6",
    "199.5", "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};
constexpr std::array<const char*, 105> kDcs = {
    "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065", "071", "072", "073",
    "074", "114", "115", "116", "122", "125", "131", "132", "134", "143", "145", "152", "155", "156", "162",
    "165", "172", "174", "205", "212", "223", "225", "226", "243", "244", "245", "246", "251", "252", "255",
    "261", "263", "265", "266", "271", "274", "306", "311", "315", "325", "331", "332", "343", "346", "351",
    "356", "364", "365", "371", "411", "412", "413", "423", "431", "432", "445", "446", "452", "454", "455",
    "462", "464", "465", "466", "503", "506", "516", "523", "526", "532", "546", "565", "606", "612", "624",
    "627", "631", "632", "645", "654", "662", "664", "703", "712", "723", "731", "732", "734", "743", "754"};

QStringList buildList(Language lang)
{
    QStringList l;
    l.reserve(kListSize);
    l << field::noneText(lang);
    for (const char* t : kCtcss)
        l << QString::fromLatin1(t);
    for (const char* c : kDcs)
        l << QStringLiteral("D%1N").arg(QLatin1String(c));
    for (const char* c : kDcs)
        l << QStringLiteral("D%1I").arg(QLatin1String(c));
    return l;
}
} // namespace

bool isNone(std::uint8_t high) { return high == 0xFF || high == 0x00; }

QString text(Bytes b, Language lang)
{
    if (isNone(b.high))
        return field::noneText(lang);
    if (b.high < 0x80) {
        const unsigned tenths = fromBcd(b.high) * 100 + fromBcd(b.low);
        return QStringLiteral("%1.%2").arg(tenths / 10).arg(tenths % 10);
    }
    const bool inverted = b.high >= 0xC0;
    const unsigned first = b.high - (inverted ? 0xC0u : 0x80u);
    const unsigned code = first * 100 + fromBcd(b.low);
    return QStringLiteral("%1%2%3")
        .arg(first == 0 ? QStringLiteral("D0") : QStringLiteral("D"))
        .arg(code)
        .arg(QChar(inverted ? u'I' : u'N'));
}

Bytes fromText(const QString& t)
{
    if (t.contains(u'D')) {
        const int n = std::max(0, leadingInt(t.mid(1)));
        const unsigned base = t.contains(u'N') ? 0x80u : 0xC0u;
        return Bytes{toBcd(unsigned(n % 100)), std::uint8_t((unsigned(n / 100) + base) & 0xFF)};
    }
    // Tenths of a hertz, rounded up: "69.3" is 693 exactly.
    const Decimal d = parseDecimal(t);
    if (d.negative)
        return Bytes{};
    qint64 n = digitsValue(d.intDigits) * 10;
    if (!d.fracDigits.isEmpty()) {
        n += d.fracDigits[0].unicode() - u'0';
        if (anyNonZero(d.fracDigits.mid(1)))
            n += 1;
    }
    if (n == 0)
        return Bytes{};
    n %= 10000;
    return Bytes{toBcd(unsigned(n % 100)), toBcd(unsigned(n / 100))};
}

const QStringList& list(Language lang)
{
    static const QStringList english = buildList(Language::English);
    static const QStringList chinese = buildList(Language::Chinese);
    return lang == Language::Chinese ? chinese : english;
}

} // namespace tone

// ---------------------------------------------------------------- shared texts

namespace field {

QString noneText(Language lang) { return pick(lang, "None", "无"); }

} // namespace field

// ---------------------------------------------------------------- names

namespace name {

QString read(const RadioImage& img, std::size_t offset)
{
    return QString::fromLatin1(img.text(offset, map::rec::kNameSize));
}

void write(RadioImage& img, std::size_t offset, const QString& text)
{
    QByteArray bytes;
    for (QChar c : text) {
        if (bytes.size() == qsizetype(map::rec::kNameSize))
            break;
        // A character outside one byte (or the 0xFF end mark) cannot be stored as itself.
        bytes.append(c.unicode() < 0xFF ? char(c.unicode()) : '?');
    }
    img.setText(offset, map::rec::kNameSize, bytes);
}

} // namespace name

// ---------------------------------------------------------------- band

namespace band {

Band decode(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2)
{
    return Band{int(fromBcd(b0) * 10 + (b2 >> 4)), int(fromBcd(b1) * 10 + (b2 & 0x0F))};
}

Band read(const RadioImage& img)
{
    const std::size_t o = map::kBand.offset;
    return decode(img.at(o), img.at(o + 1), img.at(o + 2));
}

bool valid(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2)
{
    for (std::uint8_t b : {b0, b1, b2})
        if ((b >> 4) > 9 || (b & 0x0F) > 9)
            return false;
    const Band b = decode(b0, b1, b2);
    return b.highMHz >= b.lowMHz;
}

bool valid(const RadioImage& img)
{
    const std::size_t o = map::kBand.offset;
    return valid(img.at(o), img.at(o + 1), img.at(o + 2));
}

void write(RadioImage& img, Band b)
{
    const std::size_t o = map::kBand.offset;
    img.set(o, toBcd(unsigned(b.lowMHz / 10)));
    img.set(o + 1, toBcd(unsigned(b.highMHz / 10)));
    img.set(o + 2, toBcd(unsigned((b.lowMHz % 10) * 10 + b.highMHz % 10)));
}

QString text(Band b) { return QStringLiteral("%1-%2MHz").arg(b.lowMHz).arg(b.highMHz); }

} // namespace band

} // namespace zemtar
