#include "TableText.h"

#include "fields/Field.h"

#include <QSet>

#include <algorithm>

namespace zemtar::tabletext {

namespace {

// A field is quoted when it holds a separator of either format, a quote or a line break, so
// that every text reads back as it was written (a name read from a radio may hold any byte).
QString quotedField(const QString& f)
{
    static const QString special = QStringLiteral("\t,\"\r\n");
    if (std::none_of(f.begin(), f.end(), [](QChar c) { return special.contains(c); }))
        return f;
    return u'"' + QString(f).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
}

bool isLineEnd(QChar c) { return c == u'\n' || c == u'\r'; }

// Lines of fields split at `separator`. A field that begins with a quote runs to the next lone
// quote and may hold separators, quotes (doubled) and line breaks. A line ends at LF, CR LF or
// CR alone.
QList<Line> parseWith(const QString& text, QChar separator)
{
    QList<Line> lines;
    QStringList fields;
    QString field;
    bool inQuotes = false, wasQuoted = false, lineHasContent = false;
    int lineNo = 1, startLine = 1;
    auto endLine = [&](bool unclosed) {
        fields.append(field);
        if (lineHasContent || fields.size() > 1 || !fields.front().isEmpty())
            lines.append(Line{startLine, fields, unclosed});
        fields.clear();
        field.clear();
        lineHasContent = wasQuoted = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool crlf = c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n';
        if (inQuotes) {
            if (c == u'"') {
                if (i + 1 < text.size() && text[i + 1] == u'"') {
                    field.append(u'"');
                    ++i;
                } else {
                    inQuotes = false;
                }
            } else {
                if (isLineEnd(c) && !crlf)
                    ++lineNo;
                field.append(c);
            }
            continue;
        }
        if (c == u'"' && field.isEmpty() && !wasQuoted) {
            inQuotes = wasQuoted = lineHasContent = true;
        } else if (c == separator) {
            fields.append(field);
            field.clear();
            wasQuoted = false;
            lineHasContent = true;
        } else if (isLineEnd(c)) {
            if (crlf)
                ++i;
            endLine(false);
            startLine = ++lineNo;
        } else {
            field.append(c);
        }
    }
    if (!field.isEmpty() || !fields.isEmpty() || lineHasContent)
        endLine(inQuotes);
    return lines;
}

// Whether the first line holds a tab outside quotes (a field begins after a tab or a comma).
bool firstLineHasTab(const QString& text)
{
    bool inQuotes = false, atFieldStart = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (inQuotes) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"')
                ++i;
            else if (c == u'"')
                inQuotes = false;
            continue;
        }
        if (c == u'\t')
            return true;
        if (isLineEnd(c))
            return false;
        inQuotes = c == u'"' && atFieldStart;
        atFieldStart = c == u',';
    }
    return false;
}

// A tone the table's lists offer, in either language, as the list spells it ("d023n" is D023N).
std::optional<QString> listedTone(const QString& text)
{
    for (Language l : {Language::English, Language::Chinese})
        if (const int i = fields::matchItem(tone::list(l), text, Qt::CaseSensitive); i >= 0)
            return tone::list(l)[i];
    for (Language l : {Language::English, Language::Chinese})
        if (const int i = fields::matchItem(tone::list(l), text, Qt::CaseInsensitive); i >= 0)
            return tone::list(l)[i];
    return std::nullopt;
}

bool isPrintableAscii(const QString& s)
{
    for (QChar c : s)
        if (c.unicode() < 0x20 || c.unicode() > 0x7E)
            return false;
    return true;
}

QString quoted(const QString& s) { return u'"' + s + u'"'; }

} // namespace

QString joinLine(const QStringList& fields, Format format)
{
    QStringList out;
    for (const QString& f : fields)
        out << quotedField(f);
    return out.join(format == Format::Tsv ? u'\t' : u',');
}

QString dump(const ChannelTable& table, Language lang, Format format)
{
    QString out;
    QStringList header;
    for (int c = 0; c < kFieldCount; ++c)
        header << ChannelTable::header(c, lang);
    out += joinLine(header, format) + u'\n';
    for (int r = kFirstRow; r <= kLastRow; ++r) {
        QStringList fields;
        for (int c = 0; c < kFieldCount; ++c)
            fields << table.cell(r, c);
        out += joinLine(fields, format) + u'\n';
    }
    return out;
}

QList<Line> parse(const QString& input)
{
    QString text = input;
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    // The first line decides: a name may hold a tab inside a quoted CSV field.
    return parseWith(text, firstLineHasTab(text) ? u'\t' : u',');
}

RowCheck checkRow(const QStringList& fields, BandLimits limits, Language messageLanguage)
{
    RowCheck r;
    auto refuse = [&](int column, const QString& why) {
        r.problems << why;
        r.problemColumns << column;
    };
    auto field = [&](int column) { return fields.value(column - ColRx); };
    const QString rxText = field(ColRx);
    if (rxText.isEmpty())
        return r; // the row becomes blank
    const ReceiveCheck rx = checkReceive(rxText, limits);
    if (!rx.ok())
        refuse(ColRx, msg::text(*rx.error, messageLanguage));

    r.cells = ChannelTable::newChannelDefaults(Language::English);
    r.cells[ColRx] = rx.text;
    const QString txText = field(ColTx);
    bool complete = false;
    freq::parseMHz(txText, &complete);
    if (!complete)
        refuse(ColTx, QStringLiteral("transmit frequency %1: %2")
                          .arg(quoted(txText), msg::text(msg::DataFormat, messageLanguage)));
    r.cells[ColTx] = normaliseTransmit(txText.isEmpty() ? rxText : txText, false);
    if (complete && !txText.isEmpty() && r.cells[ColTx] != freq::format(freq::parseMHz(txText)))
        r.notes << QStringLiteral("transmit frequency %1 is outside 67-512 MHz and is taken as %2")
                       .arg(quoted(txText), r.cells[ColTx]);

    for (int c = ColDecode; c < kFieldCount; ++c) {
        QString v = field(c);
        if (v.isEmpty())
            continue; // the new-channel default
        const QString column = ChannelTable::header(c, Language::English).trimmed();
        const EditorKind kind = columns::info(c).editor;
        if (kind == EditorKind::ToneList) {
            if (const auto listed = listedTone(v))
                v = *listed;
            else
                refuse(c, QStringLiteral("%1 is not a tone of the radio's lists (%2 column)").arg(quoted(v), column));
        } else if (kind == EditorKind::Text) {
            if (v.size() > int(map::rec::kNameSize) || !isPrintableAscii(v))
                refuse(c,
                       QStringLiteral("channel name %1 must be at most 8 printable ASCII characters").arg(quoted(v)));
        } else if (const auto listed = values::listedText(c, v)) {
            v = *listed;
        } else {
            refuse(c, QStringLiteral("%1 is not a choice of the %2 column (%3)")
                          .arg(quoted(v), column,
                               ChannelTable::listEntries(c, Language::English).join(QStringLiteral(", "))));
        }
        r.cells[std::size_t(c)] = v;
    }
    return r;
}

void dropHeader(QList<Line>& lines)
{
    if (lines.isEmpty())
        return;
    const QString first = lines.front().fields.value(0);
    if (first == ChannelTable::header(ColLabel, Language::English) ||
        first == ChannelTable::header(ColLabel, Language::Chinese))
        lines.removeFirst();
}

ApplyResult applyRows(ChannelTable& table, const QList<RowEdit>& edits, BandLimits limits, Language lang,
                      Language messageLanguage, const ChannelTable* sameAlso)
{
    ApplyResult result;
    ChannelTable edited = table;
    for (qsizetype i = 0; i < edits.size(); ++i) {
        const RowEdit& e = edits[i];
        auto sameAs = [&](const ChannelTable& t) {
            for (int c = ColRx; c < kFieldCount; ++c)
                if (t.cell(e.row, c) != e.fields.value(c - ColRx))
                    return false;
            return true;
        };
        if (sameAs(table) || (sameAlso && sameAs(*sameAlso)))
            continue; // stays byte for byte as it is
        const RowCheck check = checkRow(e.fields, limits, messageLanguage);
        for (qsizetype k = 0; k < check.problems.size(); ++k)
            result.problems << RowProblem{int(i), check.problemColumns.value(k, ColRx), check.problems[k]};
        for (const QString& n : check.notes)
            result.notes.append({int(i), n});
        if (!check.ok())
            continue;
        // The texts a fill shows for what is stored.
        RadioImage scratch;
        ChannelTable one;
        one.setRow(e.row, check.cells);
        one.storeRow(e.row, scratch);
        one.fillRow(e.row, scratch, lang);
        edited.setRow(e.row, one.row(e.row));
        result.changedRows << e.row;
    }
    if (result.ok())
        table = edited;
    else
        result.changedRows.clear();
    return result;
}

ImportResult importInto(RadioImage& img, const QString& text, Language messageLanguage)
{
    ImportResult result;
    ChannelTable english, chinese;
    english.fillFromImage(img, Language::English);
    chinese.fillFromImage(img, Language::Chinese);

    QList<Line> lines = parse(text);
    dropHeader(lines);

    // Problems of a line's shape first, then the cells of the well-formed lines; reported in line order.
    QList<std::pair<int, QString>> problems;
    QList<RowEdit> edits;
    QList<int> editLine;
    QSet<int> seen;
    result.rowsRead = int(lines.size());
    for (const Line& line : lines) {
        auto problem = [&](const QString& why) { problems.append({line.number, why}); };
        if (line.unclosedQuote) {
            problem(QStringLiteral("a quoted field is not closed"));
            continue;
        }
        if (line.fields.size() != kFieldCount) {
            problem(QStringLiteral("expected %1 fields, found %2").arg(kFieldCount).arg(line.fields.size()));
            continue;
        }
        const int row = ChannelTable::rowForLabel(line.fields[0]);
        if (row == 0) {
            problem(
                QStringLiteral("%1 is not a row of the channel table (1 to 128 or Fr)").arg(quoted(line.fields[0])));
            continue;
        }
        if (seen.contains(row)) {
            problem(QStringLiteral("row %1 appears more than once").arg(line.fields[0]));
            continue;
        }
        seen.insert(row);
        edits << RowEdit{row, line.fields.mid(ColRx)};
        editLine << line.number;
    }

    ChannelTable edited = english;
    const ApplyResult applied =
        applyRows(edited, edits, BandLimits::of(band::read(img)), Language::English, messageLanguage, &chinese);
    for (const RowProblem& p : applied.problems)
        problems.append({editLine[p.edit], p.text});
    std::stable_sort(problems.begin(), problems.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    auto where = [](int line) { return QStringLiteral("line %1: ").arg(line); };
    for (const auto& [line, why] : problems)
        result.problems << where(line) + why;
    for (const auto& [edit, note] : applied.notes)
        result.notes << where(editLine[edit]) + note;
    if (!result.ok())
        return result;
    result.changedRows = applied.changedRows;
    RadioImage updated = img;
    for (int row : result.changedRows)
        edited.storeRow(row, updated);
    img = updated;
    return result;
}

} // namespace zemtar::tabletext
