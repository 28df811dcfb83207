#include "ChannelTable.h"

namespace zemtar {

namespace {

constexpr qint64 kRxMin = 6700000;
constexpr qint64 kRxMax = 60000000;
constexpr qint64 kTxMin = 6700000;
constexpr qint64 kTxMax = 51200000;

} // namespace

ChannelTable::ChannelTable()
{
    for (int r = kFirstRow; r <= kLastRow; ++r)
        rows_[std::size_t(r)][ColLabel] = rowLabel(r);
}

QString ChannelTable::header(int column, Language lang)
{
    if (column < 0 || column >= ColumnCount)
        return {};
    const ColumnInfo& c = columns::info(column);
    return pick(lang, c.header, c.headerZh);
}

QString ChannelTable::rowLabel(int row)
{
    if (row == kFrRow)
        return QStringLiteral("Fr");
    return row >= kFirstRow && row < kFrRow ? QString::number(row) : QString();
}

int ChannelTable::rowForLabel(const QString& label)
{
    if (label == QStringLiteral("Fr"))
        return kFrRow;
    bool ok = false;
    const int n = label.toInt(&ok);
    return ok && n >= kFirstRow && n < kFrRow && QString::number(n) == label ? n : 0;
}

QStringList ChannelTable::listEntries(int column, Language lang)
{
    if (column >= 0 && column < ColumnCount && columns::info(column).editor == EditorKind::ToneList)
        return tone::list(lang);
    return values::entries(column, lang);
}

ChannelTable::Row ChannelTable::newChannelDefaults(Language lang)
{
    Row r;
    for (int c : columns::columnsOf<EditorKind::ToneList>())
        r[std::size_t(c)] = field::noneText(lang);
    r[ColName] = QString();
    // High power, wide, scanned, everything else off.
    r[ColPower] = values::text(ColPower, 1, lang);
    r[ColWidth] = values::text(ColWidth, 1, lang);
    r[ColScan] = values::text(ColScan, 1, lang);
    for (int c : {ColPttId, ColBusy, ColSignal})
        r[std::size_t(c)] = values::text(c, 0, lang);
    r[ColMore] = QStringLiteral(">>");
    return r;
}

void ChannelTable::setRow(int row, const Row& cells)
{
    Row& r = rows_.at(std::size_t(row));
    for (int c = ColRx; c < ColumnCount; ++c)
        r[std::size_t(c)] = cells[std::size_t(c)];
}

void ChannelTable::clearRow(int row)
{
    Row& r = rows_.at(std::size_t(row));
    for (int c = ColRx; c < ColumnCount; ++c)
        r[std::size_t(c)].clear();
}

void ChannelTable::fillFromImage(const RadioImage& img, Language lang)
{
    for (int r = kFirstRow; r <= kLastRow; ++r)
        fillRow(r, img, lang);
}

void ChannelTable::fillRow(int row, const RadioImage& img, Language lang)
{
    namespace rec = map::rec;
    const std::size_t o = recordOffset(row);
    Row& cells = rows_.at(std::size_t(row));
    const bool rxAbsent = freq::isAbsent(img, o + rec::kRx);
    const bool txAbsent = freq::isAbsent(img, o + rec::kTx);
    const bool blank = rxAbsent || txAbsent;
    cells[ColRx] = rxAbsent ? QString() : freq::format(freq::decode(img, o + rec::kRx));
    cells[ColTx] = txAbsent ? QString() : freq::format(freq::decode(img, o + rec::kTx));
    auto toneCell = [&](std::size_t at) {
        const tone::Bytes b{img.at(at), img.at(at + 1)};
        return tone::isNone(b.high) && blank ? QString() : tone::text(b, lang);
    };
    for (int c : columns::columnsOf<EditorKind::ToneList>())
        cells[std::size_t(c)] = toneCell(o + columns::info(c).offset);
    if (blank) {
        for (int c = ColName; c <= ColMore; ++c)
            cells[std::size_t(c)].clear();
        return;
    }
    cells[ColName] = name::read(img, o + rec::kName);
    for (int c : values::kListColumns)
        cells[std::size_t(c)] = values::text(c, img.bits(o, values::bits(c)), lang);
    cells[ColMore] = QStringLiteral(">>");
}

void ChannelTable::storeIntoImage(RadioImage& img) const
{
    for (int r = kFirstRow; r <= kLastRow; ++r)
        storeRow(r, img);
}

void ChannelTable::storeRow(int row, RadioImage& img) const
{
    namespace rec = map::rec;
    const std::size_t o = recordOffset(row);
    const Row& c = rows_.at(std::size_t(row));

    const qint64 rx = std::max<qint64>(0, freq::parseMHz(c[ColRx]));
    const qint64 tx = std::max<qint64>(0, freq::parseMHz(c[ColTx]));
    freq::encodeRx(img, o + rec::kRx, rx);
    freq::encodeTx(img, o + rec::kTx, tx);
    for (int col : columns::columnsOf<EditorKind::ToneList>()) {
        const std::size_t at = o + columns::info(col).offset;
        const tone::Bytes b = tone::fromText(c[std::size_t(col)]);
        img.set(at, b.low);
        img.set(at + 1, b.high);
    }
    name::write(img, o + rec::kName, c[ColName]);
    for (int col : values::kListColumns) {
        std::optional<unsigned> v = values::value(col, c[std::size_t(col)]);
        if (!v)
            v = values::valueOtherwise(col);
        if (v)
            img.setBits(o, values::bits(col), *v);
    }

    // Shift direction, from the two frequencies (an absent one counts as 0).
    img.setBits(o, rec::kShift, tx > rx ? 2u : tx < rx ? 1u : 0u);
}

ReceiveCheck checkReceive(const QString& text, BandLimits band)
{
    bool complete = false;
    const qint64 units = freq::parseMHz(text, &complete);
    ReceiveCheck r{std::nullopt, freq::format(units)};
    if (!complete || units < kRxMin || units > kRxMax)
        r.error = msg::DataFormat;
    else if (units % 500 != 0 && units % 625 != 0)
        r.error = msg::StepError;
    else if (units < band.low || units >= band.high + freq::kUnitsPerMHz)
        r.error = msg::OutOfRange;
    return r;
}

QString dataFormatDetail(const QString& text, BandLimits band, Language lang)
{
    bool complete = false;
    const qint64 units = freq::parseMHz(text, &complete);
    const msg::FormatFault fault = !complete || text.trimmed().isEmpty() ? msg::FormatFault::NotANumber
                                   : units < kRxMin                      ? msg::FormatFault::BelowRange
                                                                         : msg::FormatFault::AboveRange;
    return msg::dataFormatDetail(fault, text.trimmed(), int(band.low / freq::kUnitsPerMHz),
                                 int(band.high / freq::kUnitsPerMHz), lang);
}

QString normaliseTransmit(const QString& text, bool receiveEmpty)
{
    if (receiveEmpty)
        return {};
    const qint64 units = freq::parseMHz(text);
    if (units < kTxMin || units > kTxMax)
        return QStringLiteral("67.00000");
    return freq::format(units);
}

CommitResult commitCell(ChannelTable& table, int row, int column, const QString& text, BandLimits band, Language lang)
{
    switch (column) {
    case ColRx: {
        if (text.isEmpty()) {
            table.clearRow(row);
            return {};
        }
        const ReceiveCheck check = checkReceive(text, band);
        if (!check.ok())
            return {check.error};
        if (!table.cell(row, ColRx).isEmpty()) {
            table.setCell(row, ColRx, check.text);
        } else {
            ChannelTable::Row cells = ChannelTable::newChannelDefaults(lang);
            cells[ColRx] = check.text;
            cells[ColTx] = check.text;
            table.setRow(row, cells);
        }
        return {};
    }
    case ColTx:
        table.setCell(row, ColTx, normaliseTransmit(text, table.cell(row, ColRx).isEmpty()));
        return {};
    case ColMore:
        table.setCell(row, ColMore, table.isEmptyRow(row) ? QString() : QStringLiteral(">>"));
        return {};
    default:
        table.setCell(row, column, table.isEmptyRow(row) ? QString() : text);
        return {};
    }
}

void completeNewDocument(RadioImage& img, std::optional<int> persistedType)
{
    img.set(map::kRadioType.offset, std::uint8_t(persistedType.value_or(0) & 0xFF));
    band::write(img, Band{144, 145});
}

QString windowCaption(const QString& displayName, const QString& model, Band band, Language lang)
{
    return displayName + pick(lang, "  [ Type:", "  [ 类型:") + model + pick(lang, "  Fre:", "  频率:") +
           band::text(band) + QStringLiteral(" ]");
}

QString windowCaption(const QString& displayName, const QString& model, std::optional<Band> band, Language lang)
{
    const QString unknown = pick(lang, "unknown", "未知");
    return displayName + pick(lang, "  [ Type:", "  [ 类型:") + (model.isEmpty() ? unknown : model) +
           pick(lang, "  Fre:", "  频率:") + (band ? band::text(*band) : unknown) + QStringLiteral(" ]");
}

} // namespace zemtar
