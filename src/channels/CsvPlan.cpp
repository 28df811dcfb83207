#include "CsvPlan.h"

#include "ChannelTable.h"
#include "TableText.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>

namespace zemtar::csvplan {

namespace {

namespace rec = map::rec;

constexpr qint64 kRxMin = 6700000, kRxMax = 60000000; // 67-600 MHz
constexpr qint64 kTxMin = 6700000, kTxMax = 51200000; // 67-512 MHz
constexpr int kChannels = int(map::kChannelCount);
const QString kUnusedTone = QStringLiteral("88.5");
const QString kUnusedCode = QStringLiteral("023");

QString quoted(const QString& s) { return u'"' + s + u'"'; }

// ---- numbers, exactly ----

// A decimal number of MHz in 10 Hz units; nothing when the text is not such a number or
// is finer than 10 Hz.
std::optional<qint64> parseMHz(const QString& text)
{
    static const QRegularExpression re(QStringLiteral("^\\s*(\\d{1,4})(?:\\.(\\d*))?\\s*$"));
    const auto m = re.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    QString frac = m.captured(2);
    while (frac.size() > 5 && frac.endsWith(u'0'))
        frac.chop(1);
    if (frac.size() > 5)
        return std::nullopt;
    return m.captured(1).toLongLong() * freq::kUnitsPerMHz + frac.leftJustified(5, u'0').toLongLong();
}

// Units as MHz with six decimals: "145.125000".
QString mhz6(qint64 units)
{
    return QStringLiteral("%1.%2")
        .arg(units / freq::kUnitsPerMHz)
        .arg((units % freq::kUnitsPerMHz) * 10, 6, 10, QChar(u'0'));
}

// A CTCSS tone of the radio's list given as a number of hertz ("88.5", "100", "88.50").
std::optional<tone::Bytes> ctcss(const QString& text)
{
    static const QRegularExpression re(QStringLiteral("^\\s*(\\d{1,3})(?:\\.(\\d)0*)?\\s*$"));
    const auto m = re.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const QString shown = m.captured(1).toInt() == 0 ? QString()
                                                     : QStringLiteral("%1.%2")
                                                           .arg(m.captured(1).toInt())
                                                           .arg(m.captured(2).isEmpty() ? u'0' : m.captured(2).front());
    const QStringList& list = tone::list(Language::English);
    for (int i = 1; i <= 50; ++i)
        if (list[i] == shown)
            return tone::fromText(shown);
    return std::nullopt;
}

// A DCS code of the radio's list ("023", "23") with its polarity.
std::optional<tone::Bytes> dcs(const QString& code, QChar polarity)
{
    static const QRegularExpression re(QStringLiteral("^\\s*(\\d{1,3})\\s*$"));
    const auto m = re.match(code);
    if (!m.hasMatch())
        return std::nullopt;
    const QString text = QStringLiteral("D%1N").arg(m.captured(1).toInt(), 3, 10, QChar(u'0'));
    if (!tone::list(Language::English).contains(text))
        return std::nullopt;
    return tone::fromText(polarity == u'R' ? text.chopped(1) + u'I' : text);
}

// ---- tones of a record ----

enum class ToneKind { None, Ctcss, Dcs };

struct ToneView {
    ToneKind kind = ToneKind::None;
    QString value;  // "88.5" or "023"
    QChar polarity; // 'N' or 'R' for a DCS code
};

ToneView viewOf(tone::Bytes b)
{
    if (tone::isNone(b.high))
        return {};
    if (b.high < 0x80)
        return {ToneKind::Ctcss, tone::text(b, Language::English), {}};
    const bool inverted = b.high >= 0xC0;
    const int code = (b.high - (inverted ? 0xC0 : 0x80)) * 100 + (b.low >> 4) * 10 + (b.low & 0x0F);
    return {ToneKind::Dcs, QStringLiteral("%1").arg(code, 3, 10, QChar(u'0')), inverted ? u'R' : u'N'};
}

// Tone, rToneFreq, cToneFreq, DtcsCode, DtcsPolarity, RxDtcsCode, CrossMode.
QStringList toneColumns(tone::Bytes encodeBytes, tone::Bytes decodeBytes)
{
    const ToneView e = viewOf(encodeBytes), d = viewOf(decodeBytes);
    QString mode, cross = QStringLiteral("Tone->Tone");
    QString rTone = kUnusedTone, cTone = kUnusedTone, code = kUnusedCode, rxCode = kUnusedCode;
    const QString polarity =
        QString(e.kind == ToneKind::Dcs ? e.polarity : u'N') + QString(d.kind == ToneKind::Dcs ? d.polarity : u'N');
    if (e.kind == ToneKind::None && d.kind == ToneKind::None) {
    } else if (e.kind == ToneKind::Ctcss && d.kind == ToneKind::None) {
        mode = QStringLiteral("Tone");
        rTone = e.value;
    } else if (e.kind == ToneKind::Ctcss && d.kind == ToneKind::Ctcss && e.value == d.value) {
        mode = QStringLiteral("TSQL");
        cTone = d.value;
    } else if (e.kind == ToneKind::Dcs && d.kind == ToneKind::Dcs && e.value == d.value) {
        mode = QStringLiteral("DTCS");
        code = e.value;
    } else {
        mode = QStringLiteral("Cross");
        auto side = [](ToneKind k) {
            return k == ToneKind::Ctcss ? QStringLiteral("Tone")
                   : k == ToneKind::Dcs ? QStringLiteral("DTCS")
                                        : QString();
        };
        cross = side(e.kind) + QStringLiteral("->") + side(d.kind);
        if (e.kind == ToneKind::Ctcss)
            rTone = e.value;
        if (e.kind == ToneKind::Dcs)
            code = e.value;
        if (d.kind == ToneKind::Ctcss)
            cTone = d.value;
        if (d.kind == ToneKind::Dcs)
            rxCode = d.value;
    }
    return {mode, rTone, cTone, code, polarity, rxCode, cross};
}

QString columnOf(const QHash<QString, int>& index, const QStringList& fields, const char* name)
{
    const int i = index.value(QString::fromLatin1(name).toLower(), -1);
    return i < 0 ? QString() : fields.value(i);
}

bool isPrintableAscii(const QString& s)
{
    return std::all_of(s.begin(), s.end(), [](QChar c) { return c.unicode() >= 0x20 && c.unicode() <= 0x7E; });
}

} // namespace

const QStringList& columns()
{
    static const QStringList c =
        QStringLiteral("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
                       "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE")
            .split(u',');
    return c;
}

QString header() { return columns().join(u','); }

bool isCsvPlan(const QString& text)
{
    const QList<tabletext::Line> lines = tabletext::parse(text.left(4096));
    if (lines.isEmpty())
        return false;
    for (const QString& f : lines.front().fields)
        if (f.trimmed().compare(QStringLiteral("Frequency"), Qt::CaseInsensitive) == 0 ||
            f.trimmed().compare(QStringLiteral("Location"), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QString exportText(const RadioImage& img)
{
    QString out = header() + u'\n';
    for (int ch = 1; ch <= kChannels; ++ch) {
        const std::size_t o = ChannelTable::recordOffset(ch);
        if (freq::isAbsent(img, o + rec::kRx))
            continue;
        const qint64 rx = freq::decode(img, o + rec::kRx);
        const bool txAbsent = freq::isAbsent(img, o + rec::kTx);
        const qint64 tx = txAbsent ? 0 : freq::decode(img, o + rec::kTx);
        QString duplex, offset = mhz6(0);
        if (txAbsent)
            duplex = QStringLiteral("off");
        else if (tx != rx)
            duplex = tx > rx ? QStringLiteral("+") : QStringLiteral("-"), offset = mhz6(std::abs(tx - rx));
        const bool onGrid = rx % 500 == 0 && tx % 500 == 0;
        QStringList fields{QString::number(ch), name::read(img, o + rec::kName), mhz6(rx), duplex, offset};
        fields << toneColumns({img.at(o + rec::kEncodeTone), img.at(o + rec::kEncodeTone + 1)},
                              {img.at(o + rec::kDecodeTone), img.at(o + rec::kDecodeTone + 1)});
        fields << (img.bits(o, rec::kWide) ? QStringLiteral("FM") : QStringLiteral("NFM"))
               << (onGrid ? QStringLiteral("5.00") : QStringLiteral("6.25"))
               << (img.bits(o, rec::kScan) ? QString() : QStringLiteral("S"))
               << (img.bits(o, rec::kPower) ? QStringLiteral("High") : QStringLiteral("Low"));
        fields << QString() << QString() << QString() << QString() << QString();
        out += tabletext::joinLine(fields, tabletext::Format::Csv) + u'\n';
    }
    return out;
}

QString Problem::toString() const
{
    return column.isEmpty() ? QStringLiteral("line %1: %2").arg(line).arg(text)
                            : QStringLiteral("line %1, column %2: %3").arg(line).arg(column, text);
}

QString columnName(const QString& column, Language lang)
{
    if (lang != Language::Chinese || column.isEmpty())
        return column;
    // The channel table's header of what the column holds, and the file's own name for it.
    static const QHash<QString, int> kShownAs{
        {QStringLiteral("Location"), ColLabel},   {QStringLiteral("Name"), ColName},
        {QStringLiteral("Frequency"), ColRx},     {QStringLiteral("Duplex"), ColTx},
        {QStringLiteral("Offset"), ColTx},        {QStringLiteral("rToneFreq"), ColEncode},
        {QStringLiteral("DtcsCode"), ColEncode},  {QStringLiteral("DtcsPolarity"), ColEncode},
        {QStringLiteral("cToneFreq"), ColDecode}, {QStringLiteral("RxDtcsCode"), ColDecode},
        {QStringLiteral("Mode"), ColWidth},       {QStringLiteral("Skip"), ColScan},
        {QStringLiteral("Power"), ColPower}};
    const auto it = kShownAs.constFind(column);
    const QString shown = it != kShownAs.constEnd()                     ? ChannelTable::header(*it, lang).trimmed()
                          : column == u"Tone" || column == u"CrossMode" ? QStringLiteral("QT/DQT")
                                                                        : QString();
    return shown.isEmpty() ? column : QStringLiteral("%1（%2）").arg(shown, column);
}

Plan parse(const QString& text, const RadioImage& img, const Options& options, Language lang)
{
    Plan plan;
    QList<tabletext::Line> lines = tabletext::parse(text);
    if (lines.isEmpty()) {
        plan.refused = pick(lang, "the text is empty", "文本是空的");
        return plan;
    }
    QHash<QString, int> index;
    const tabletext::Line head = lines.takeFirst();
    for (qsizetype i = 0; i < head.fields.size(); ++i)
        if (!index.contains(head.fields[i].trimmed().toLower()))
            index.insert(head.fields[i].trimmed().toLower(), int(i));
    QStringList missing;
    for (const char* required : {"Location", "Frequency", "Name"})
        if (!index.contains(QString::fromLatin1(required).toLower()) &&
            !(options.renumber && QByteArray(required) == "Location"))
            missing << QString::fromLatin1(required);
    if (!missing.isEmpty()) {
        plan.refused = pick(lang, "line %1: the header has no %2 column (the layout's header is %3)",
                            "第 %1 行：标题行没有 %2 列（此格式的标题行是 %3）")
                           .arg(head.number)
                           .arg(missing.join(QStringLiteral(", ")), header());
        return plan;
    }

    const Band band = band::read(img);
    const BandLimits limits = BandLimits::of(band);
    QHash<int, int> lineOfChannel;
    int next = options.first;
    for (const tabletext::Line& line : lines) {
        if (std::all_of(line.fields.begin(), line.fields.end(), [](const QString& f) { return f.trimmed().isEmpty(); }))
            continue;
        ++plan.rows;
        const qsizetype problemsBefore = plan.problems.size();
        auto refuse = [&](const char* column, const QString& why) {
            plan.problems.append({line.number, QString::fromLatin1(column), why});
        };
        if (line.unclosedQuote) {
            refuse("", pick(lang, "a quoted field is not closed", "引号中的字段没有结束"));
            continue;
        }
        auto value = [&](const char* column) { return columnOf(index, line.fields, column).trimmed(); };
        ChannelEdit e;
        e.line = line.number;

        // Receive frequency: the table's checks, in its order.
        const QString rxText = value("Frequency");
        const std::optional<qint64> rx = parseMHz(rxText);
        if (!rx)
            refuse("Frequency", pick(lang, "%1 is not a frequency in MHz (at most 5 decimals that are not 0)",
                                     "%1 不是以 MHz 为单位的频率（非 0 的小数最多 5 位）")
                                    .arg(quoted(rxText)));
        else if (*rx < kRxMin || *rx > kRxMax)
            refuse("Frequency", pick(lang, "%1 MHz is outside 67-600 MHz", "%1 MHz 不在 67-600 MHz 之内").arg(rxText));
        else if (*rx % 500 != 0 && *rx % 625 != 0)
            refuse("Frequency",
                   pick(lang, "%1 MHz is not on a 5 kHz or 6.25 kHz step", "%1 MHz 不在 5 kHz 或 6.25 kHz 的步进上")
                       .arg(rxText));
        else if (*rx < limits.low || *rx >= limits.high + freq::kUnitsPerMHz)
            refuse("Frequency", pick(lang, "%1 MHz is outside the radio's band %2", "%1 MHz 不在本机频段 %2 之内")
                                    .arg(rxText, band::text(band)));
        e.rx = rx.value_or(0);

        // Transmit frequency from Duplex and Offset.
        const QString duplex = value("Duplex").toLower(), offsetText = value("Offset");
        const std::optional<qint64> offset = parseMHz(offsetText);
        if (duplex.isEmpty()) {
            e.tx = e.rx;
        } else if (duplex == u"off") {
            e.tx = 0;
        } else if (duplex == u"+" || duplex == u"-" || duplex == u"split") {
            if (!offset)
                refuse(
                    "Offset",
                    pick(lang, "%1 is not a frequency in MHz", "%1 不是以 MHz 为单位的频率").arg(quoted(offsetText)));
            else
                e.tx = duplex == u"split" ? *offset : duplex == u"+" ? e.rx + *offset : e.rx - *offset;
            if (offset && rx && (e.tx < kTxMin || e.tx > kTxMax))
                refuse("Offset", pick(lang, "the transmit frequency %1 MHz is outside 67-512 MHz",
                                      "发射频率 %1 MHz 不在 67-512 MHz 之内")
                                     .arg(e.tx > 0 ? mhz6(e.tx) : pick(lang, "below 0", "低于 0")));
        } else {
            refuse("Duplex",
                   pick(lang, "%1 is not one of \"\", +, -, split, off", "%1 不是 \"\"、+、-、split、off 之一")
                       .arg(quoted(value("Duplex"))));
        }

        // Tones.
        const QString mode = value("Tone");
        const QString polarity = value("DtcsPolarity").toUpper();
        const bool polarityOk = polarity.size() == 2 && QStringLiteral("NR").contains(polarity[0]) &&
                                QStringLiteral("NR").contains(polarity[1]);
        auto ctcssOf = [&](const char* column) {
            const auto b = ctcss(value(column));
            if (!b)
                refuse(column,
                       pick(lang, "%1 is not a CTCSS tone of the radio's list", "%1 不是本机列表中的 CTCSS 亚音")
                           .arg(quoted(value(column))));
            return b.value_or(tone::Bytes{});
        };
        auto dcsOf = [&](const char* column, int side) {
            if (!polarityOk) {
                refuse("DtcsPolarity", pick(lang, "%1 is not NN, NR, RN or RR", "%1 不是 NN、NR、RN 或 RR")
                                           .arg(quoted(value("DtcsPolarity"))));
                return tone::Bytes{};
            }
            const auto b = dcs(value(column), polarity[side]);
            if (!b)
                refuse(column, pick(lang, "%1 is not a DCS code of the radio's list", "%1 不是本机列表中的 DCS 数码")
                                   .arg(quoted(value(column))));
            return b.value_or(tone::Bytes{});
        };
        if (mode.isEmpty()) {
        } else if (mode.compare(QStringLiteral("Tone"), Qt::CaseInsensitive) == 0) {
            e.encode = ctcssOf("rToneFreq");
        } else if (mode.compare(QStringLiteral("TSQL"), Qt::CaseInsensitive) == 0) {
            e.encode = e.decode = ctcssOf("cToneFreq");
        } else if (mode.compare(QStringLiteral("DTCS"), Qt::CaseInsensitive) == 0) {
            e.encode = dcsOf("DtcsCode", 0);
            if (const auto b = polarityOk ? dcs(value("DtcsCode"), polarity[1]) : std::nullopt)
                e.decode = *b;
        } else if (mode.compare(QStringLiteral("Cross"), Qt::CaseInsensitive) == 0) {
            static const QStringList kCross{QStringLiteral("Tone->Tone"), QStringLiteral("Tone->DTCS"),
                                            QStringLiteral("DTCS->Tone"), QStringLiteral("->Tone"),
                                            QStringLiteral("->DTCS"),     QStringLiteral("DTCS->"),
                                            QStringLiteral("DTCS->DTCS")};
            const QString cross = value("CrossMode");
            if (!kCross.contains(cross, Qt::CaseInsensitive)) {
                refuse("CrossMode", pick(lang, "%1 is not one of %2", "%1 不是 %2 之一")
                                        .arg(quoted(cross), kCross.join(QStringLiteral(", "))));
            } else {
                const QString encodeSide = cross.section(QStringLiteral("->"), 0, 0).toUpper();
                const QString decodeSide = cross.section(QStringLiteral("->"), 1, 1).toUpper();
                if (encodeSide == u"TONE")
                    e.encode = ctcssOf("rToneFreq");
                else if (encodeSide == u"DTCS")
                    e.encode = dcsOf("DtcsCode", 0);
                if (decodeSide == u"TONE")
                    e.decode = ctcssOf("cToneFreq");
                else if (decodeSide == u"DTCS" && (polarityOk || encodeSide != u"DTCS"))
                    e.decode = dcsOf("RxDtcsCode", 1);
            }
        } else {
            refuse("Tone", pick(lang, "%1 is not one of \"\", Tone, TSQL, DTCS, Cross",
                                "%1 不是 \"\"、Tone、TSQL、DTCS、Cross 之一")
                               .arg(quoted(mode)));
        }

        // Name, cut to what the radio holds.
        e.name = columnOf(index, line.fields, "Name");
        if (e.name.size() > int(rec::kNameSize)) {
            plan.notes.append(
                {line.number, QStringLiteral("Name"),
                 pick(lang, "%1 is cut to %2 (the radio holds %3 characters)", "%1 截为 %2（本机只存 %3 个字符）")
                     .arg(quoted(e.name), quoted(e.name.left(int(rec::kNameSize))))
                     .arg(rec::kNameSize)});
            e.name.truncate(int(rec::kNameSize));
        }
        if (!isPrintableAscii(e.name))
            refuse("Name",
                   pick(lang, "%1 holds characters other than printable ASCII", "%1 含有可打印 ASCII 以外的字符")
                       .arg(quoted(e.name)));

        // Mode, Skip, Power.
        const QString fm = value("Mode").toUpper();
        if (fm == u"FM")
            e.wide = true;
        else if (fm == u"NFM")
            e.wide = false;
        else if (!fm.isEmpty())
            refuse("Mode",
                   pick(lang, "%1: the radio has FM (wide) and NFM (narrow) only", "%1：本机只有 FM（宽）和 NFM（窄）")
                       .arg(quoted(value("Mode"))));
        if (index.contains(QStringLiteral("skip"))) {
            const QString skip = value("Skip").toUpper();
            if (skip.isEmpty() || skip == u"S")
                e.scan = skip.isEmpty();
            else
                refuse("Skip", pick(lang, "%1 is not \"\" (scanned) or S (skipped)", "%1 不是 \"\"（扫描）或 S（跳过）")
                                   .arg(quoted(value("Skip"))));
        }
        const QString power = value("Power");
        static const QRegularExpression watts(QStringLiteral("^(\\d+(?:\\.\\d*)?|\\.\\d+)"));
        if (power.compare(QStringLiteral("High"), Qt::CaseInsensitive) == 0)
            e.high = true;
        else if (power.compare(QStringLiteral("Low"), Qt::CaseInsensitive) == 0)
            e.high = false;
        else if (const auto m = watts.match(power); m.hasMatch())
            e.high = m.captured(1).toDouble() >= 2.0;
        else if (!power.isEmpty())
            refuse(
                "Power",
                pick(lang, "%1 is not High, Low or a number of watts", "%1 不是 High、Low 或瓦数").arg(quoted(power)));

        // Where the row goes.
        if (!options.renumber) {
            const QString loc = value("Location");
            bool ok = false;
            e.channel = loc.toInt(&ok);
            if (!ok || e.channel < 1 || e.channel > kChannels) {
                refuse("Location",
                       pick(lang, "%1 is not a channel from 1 to 128", "%1 不是 1 到 128 的信道").arg(quoted(loc)));
            } else if (lineOfChannel.contains(e.channel)) {
                refuse("Location", pick(lang, "channel %1 is given on line %2 too", "第 %2 行也给出了信道 %1")
                                       .arg(e.channel)
                                       .arg(lineOfChannel.value(e.channel)));
            }
        } else if (plan.problems.size() == problemsBefore) {
            e.channel = next++;
            if (e.channel > kChannels)
                refuse("", pick(lang, "no channel is left for this row (the rows from channel %1 reach beyond 128)",
                                "这一行没有剩余的信道（从信道 %1 起的行超出了 128）")
                               .arg(options.first));
        }
        if (plan.problems.size() != problemsBefore)
            continue;
        lineOfChannel.insert(e.channel, line.number);
        plan.edits << e;
    }
    if (plan.rows == 0)
        plan.refused = pick(lang, "there are no channel rows below the header", "标题行下面没有信道行");
    return plan;
}

QList<int> apply(RadioImage& img, const QList<ChannelEdit>& edits)
{
    QList<int> stored;
    for (const ChannelEdit& e : edits) {
        const std::size_t o = ChannelTable::recordOffset(e.channel);
        const bool inUse = !freq::isAbsent(img, o + rec::kRx) && !freq::isAbsent(img, o + rec::kTx);
        freq::encodeRx(img, o + rec::kRx, e.rx);
        freq::encodeTx(img, o + rec::kTx, e.tx);
        for (auto [at, b] : {std::pair{rec::kDecodeTone, e.decode}, std::pair{rec::kEncodeTone, e.encode}}) {
            img.set(o + at, b.low);
            img.set(o + at + 1, b.high);
        }
        name::write(img, o + rec::kName, e.name);
        // A channel not in use gets the new-channel defaults: high, wide, scanned, the rest off.
        for (auto [bits, given] :
             {std::pair{rec::kPower, e.high}, std::pair{rec::kWide, e.wide}, std::pair{rec::kScan, e.scan}})
            if (given || !inUse)
                img.setBits(o, bits, given.value_or(true) ? 1u : 0u);
        if (!inUse)
            for (const rec::Bits& bits : {rec::kPttId, rec::kBusy, rec::kSignal})
                img.setBits(o, bits, 0u);
        // The shift direction as the table's store computes it (an absent frequency counts as 0).
        img.setBits(o, rec::kShift, e.tx > e.rx ? 2u : e.tx < e.rx ? 1u : 0u);
        stored << e.channel;
    }
    return stored;
}

} // namespace zemtar::csvplan
