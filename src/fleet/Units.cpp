#include "Units.h"

#include "channels/ChannelTable.h"
#include "channels/TableText.h"

#include <QMap>
#include <QRegularExpression>
#include <QSet>

namespace zemtar::fleet {

namespace {

// "Channel 5/Chnnel Name" -> row and column; false when the text names no channel cell.
bool channelColumn(const QString& section, const QString& key, int& row, int& column)
{
    static const QRegularExpression re(QStringLiteral("^Channel (\\S+)$"));
    const auto m = re.match(section);
    if (!m.hasMatch())
        return false;
    row = ChannelTable::rowForLabel(m.captured(1));
    column = 0;
    for (int c = ColRx; c < ColMore; ++c)
        for (Language lang : {Language::English, Language::Chinese})
            if (ChannelTable::header(c, lang).trimmed() == key.trimmed())
                column = c;
    return true;
}

} // namespace

UnitsTable parseUnits(const QString& text)
{
    UnitsTable t;
    const QList<tabletext::Line> lines = tabletext::parse(text);
    if (lines.isEmpty()) {
        t.problems << QStringLiteral("the units table is empty");
        return t;
    }
    const tabletext::Line& header = lines.front();
    if (header.fields.value(0).trimmed().compare(QStringLiteral("Unit"), Qt::CaseInsensitive) != 0)
        t.problems << QStringLiteral("line %1: the first column must be \"Unit\", not \"%2\"")
                          .arg(header.number)
                          .arg(header.fields.value(0));
    struct Column {
        QString section, key;
        int row = 0, column = 0; // a channel cell when row > 0
    };
    QList<Column> columns;
    for (qsizetype i = 1; i < header.fields.size(); ++i) {
        const QString name = header.fields[i].trimmed();
        const qsizetype slash = name.indexOf(u'/');
        Column c;
        if (slash <= 0 || slash == name.size() - 1) {
            t.problems << QStringLiteral("line %1, column %2: \"%3\" is not Section/Label")
                              .arg(header.number)
                              .arg(i + 1)
                              .arg(name);
        } else {
            c.section = name.left(slash).trimmed();
            c.key = name.mid(slash + 1).trimmed();
            if (channelColumn(c.section, c.key, c.row, c.column) && (c.row == 0 || c.column == 0))
                t.problems << QStringLiteral("line %1, column %2: \"%3\" names no channel cell (Channel 1..128 or Fr, "
                                             "then a column header such as Rx Frequency)")
                                  .arg(header.number)
                                  .arg(i + 1)
                                  .arg(name);
            if (t.columns.contains(name))
                t.problems << QStringLiteral("line %1, column %2: \"%3\" is given twice")
                                  .arg(header.number)
                                  .arg(i + 1)
                                  .arg(name);
        }
        t.columns << name;
        columns << c;
    }
    if (!t.ok())
        return t;
    for (qsizetype l = 1; l < lines.size(); ++l) {
        const tabletext::Line& line = lines[l];
        if (line.fields.size() > header.fields.size()) {
            t.problems << QStringLiteral("line %1: %2 fields, the header has %3")
                              .arg(line.number)
                              .arg(line.fields.size())
                              .arg(header.fields.size());
            continue;
        }
        Unit u;
        u.name = line.fields.value(0).trimmed();
        u.where = QStringLiteral("line %1").arg(line.number);
        if (u.name.isEmpty()) {
            t.problems << QStringLiteral("line %1, column 1: the unit has no name").arg(line.number);
            continue;
        }
        for (qsizetype i = 1; i < line.fields.size(); ++i) {
            const QString value = line.fields[i];
            if (value.isEmpty())
                continue; // the template's value
            const QString where = QStringLiteral("line %1, column %2").arg(line.number).arg(i + 1);
            const Column& c = columns[i - 1];
            if (c.row > 0)
                u.channels << ChannelValue{where, c.row, c.column, value};
            else
                u.settings << editors::SettingAssignment{where, c.section, c.key, value};
        }
        t.units << u;
    }
    if (t.units.isEmpty() && t.ok())
        t.problems << QStringLiteral("the units table has no unit below its header");
    return t;
}

namespace {

// One end of a sequence: its digits in the base, or why it is none.
bool allDigits(const QString& text, int base)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        const bool digit = c >= u'0' && c <= u'9';
        const bool hex = (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
        if (!digit && !(base == 16 && hex))
            return false;
    }
    return true;
}

// The text a sequence gives for the number whose digits are `digits`: no leading zeros
// beyond the width of the first value, in its letter case.
QString formatStep(const QString& digits, int width, bool upper)
{
    qsizetype lead = 0;
    while (lead < digits.size() - 1 && digits[lead] == u'0')
        ++lead;
    const QString t = digits.mid(lead).rightJustified(width, u'0');
    return upper ? t.toUpper() : t.toLower();
}

// The longest a fleet can be: more units than this is a mistake in the bounds.
constexpr qulonglong kMaxSequence = 100000;

} // namespace

UnitsTable sequenceUnits(const QStringList& sequences, const RadioImage& templ, const QStringList& models)
{
    UnitsTable t;
    QList<QStringList> values;
    QList<std::pair<QString, QString>> targets;
    for (qsizetype s = 0; s < sequences.size(); ++s) {
        const QString where = QStringLiteral("--sequence %1").arg(s + 1);
        const auto a = editors::parseSettingOption(sequences[s], where);
        const qsizetype dots = a ? a->value.indexOf(QStringLiteral("..")) : -1;
        if (!a || dots <= 0) {
            t.problems << QStringLiteral("%1: \"%2\" is not Section/Label=FIRST..LAST").arg(where, sequences[s]);
            continue;
        }
        const QString first = a->value.left(dots).trimmed(), last = a->value.mid(dots + 2).trimmed();
        static const QRegularExpression hexLetters(QStringLiteral("[A-Fa-f]"));
        const int base = first.contains(hexLetters) || last.contains(hexLetters) ? 16 : 10;
        const QString baseName = base == 16 ? QStringLiteral("hexadecimal") : QStringLiteral("decimal");
        const QString range = QStringLiteral("%1: \"%2..%3\"").arg(where, first, last);
        if (!allDigits(first, base) || !allDigits(last, base)) {
            t.problems << QStringLiteral("%1: FIRST and LAST must be %2 numbers").arg(range, baseName);
            continue;
        }
        // Both ends must fit the field, in width and characters, before any step is made.
        const bool upper = first.toUpper() == first && last.toUpper() == last;
        const QString firstText = formatStep(first, int(first.size()), upper);
        const QString lastText = formatStep(last, int(first.size()), upper);
        int row = 0, column = 0;
        const bool channel = channelColumn(a->section, a->key, row, column);
        if (channel && (row == 0 || column == 0)) {
            t.problems << QStringLiteral("%1: %2/%3 names no channel cell").arg(where, a->section, a->key);
            continue;
        }
        QStringList endProblems;
        for (const QString& end : {firstText, lastText}) {
            Unit probe;
            probe.name = end;
            probe.where = QStringLiteral("%1 (%2)").arg(where, end == firstText ? QStringLiteral("FIRST")
                                                                                : QStringLiteral("LAST"));
            if (channel)
                probe.channels << ChannelValue{probe.where, row, column, end};
            else
                probe.settings << editors::SettingAssignment{probe.where, a->section, a->key, end};
            for (const QString& p : applyUnit(templ, probe, models).problems)
                if (!endProblems.contains(p))
                    endProblems << p;
            if (firstText == lastText)
                break;
        }
        if (!endProblems.isEmpty()) {
            t.problems += endProblems;
            continue;
        }
        bool ok1 = false, ok2 = false;
        const qulonglong from = first.toULongLong(&ok1, base), to = last.toULongLong(&ok2, base);
        if (!ok1 || !ok2) {
            t.problems << QStringLiteral("%1: the numbers are too large").arg(range);
            continue;
        }
        if (to < from) {
            t.problems << QStringLiteral("%1: LAST is below FIRST").arg(range);
            continue;
        }
        if (to - from >= kMaxSequence) {
            t.problems << QStringLiteral("%1: %2 units, more than a fleet can be (at most %3)")
                              .arg(range, to - from == ~0ULL ? QStringLiteral("18446744073709551616")
                                                             : QString::number(to - from + 1))
                              .arg(kMaxSequence);
            continue;
        }
        QStringList list;
        // Counted from 0 to the number of steps, so that a range ending at the largest number
        // cannot wrap.
        for (qulonglong i = 0; i <= to - from; ++i)
            list << formatStep(QString::number(from + i, base), int(first.size()), upper);
        values << list;
        targets << std::pair{a->section, a->key};
    }
    if (!t.ok())
        return t;
    if (values.isEmpty()) {
        t.problems << QStringLiteral("no --sequence given");
        return t;
    }
    for (const QStringList& v : values)
        if (v.size() != values.front().size()) {
            t.problems << QStringLiteral("the sequences have different lengths (%1 and %2 steps)")
                              .arg(values.front().size())
                              .arg(v.size());
            return t;
        }
    for (const auto& [section, key] : targets)
        t.columns << section + u'/' + key;
    for (qsizetype i = 0; i < values.front().size(); ++i) {
        Unit u;
        u.name = values.front()[i];
        u.where = QStringLiteral("unit %1").arg(i + 1);
        for (qsizetype s = 0; s < values.size(); ++s) {
            int row = 0, column = 0;
            const QString where = QStringLiteral("unit %1 (%2)").arg(i + 1).arg(t.columns[s]);
            if (channelColumn(targets[s].first, targets[s].second, row, column)) {
                if (row == 0 || column == 0) {
                    t.problems << QStringLiteral("%1: names no channel cell").arg(where);
                    return t;
                }
                u.channels << ChannelValue{where, row, column, values[s][i]};
            } else {
                u.settings << editors::SettingAssignment{where, targets[s].first, targets[s].second, values[s][i]};
            }
        }
        t.units << u;
    }
    return t;
}

UnitImage applyUnit(const RadioImage& templ, const Unit& unit, const QStringList& models)
{
    UnitImage r{templ, {}, {}};
    RadioImage img = templ;
    const editors::SettingsChange change = editors::applySettings(img, unit.settings, models);
    r.problems += change.problems;
    r.notes += change.notes;
    if (!unit.channels.isEmpty() && r.problems.isEmpty()) {
        // The rows as the table shows them, with the unit's cells put in, checked and stored
        // as an edited table is.
        ChannelTable table;
        table.fillFromImage(img, Language::English);
        QMap<int, QStringList> rows;
        for (const ChannelValue& v : unit.channels) {
            if (!rows.contains(v.row)) {
                QStringList fields;
                for (int c = ColRx; c < ColMore; ++c)
                    fields << table.cell(v.row, c);
                rows[v.row] = fields;
            }
            rows[v.row][v.column - ColRx] = v.value;
        }
        // A value for a channel the template does not use would be dropped with the empty
        // row: it takes the unit's own receive frequency to bring the channel into use.
        for (const ChannelValue& v : unit.channels)
            if (table.isEmptyRow(v.row) && rows[v.row].value(0).trimmed().isEmpty())
                r.problems << QStringLiteral("%1: unit \"%2\": Channel %3/%4: channel %3 is not in use in the template "
                                             "(give the unit its Rx Frequency too, or leave the cell empty)")
                                  .arg(v.where, unit.name, ChannelTable::rowLabel(v.row),
                                       ChannelTable::header(v.column, Language::English).trimmed());
        if (!r.problems.isEmpty())
            return r;
        const BandLimits band = BandLimits::of(band::read(img));
        QString text;
        for (auto it = rows.begin(); it != rows.end(); ++it) {
            const tabletext::RowCheck check = tabletext::checkRow(it.value(), band);
            for (qsizetype k = 0; k < check.problems.size(); ++k) {
                const int column = check.problemColumns.value(k, ColRx);
                QString where = unit.where;
                for (const ChannelValue& v : unit.channels)
                    if (v.row == it.key() && v.column == column)
                        where = v.where;
                r.problems << QStringLiteral("%1: Channel %2/%3: %4")
                                  .arg(where, ChannelTable::rowLabel(it.key()),
                                       ChannelTable::header(column, Language::English).trimmed(), check.problems[k]);
            }
            text += tabletext::joinLine(QStringList{ChannelTable::rowLabel(it.key())} + it.value(),
                                        tabletext::Format::Tsv) +
                    u'\n';
        }
        if (r.problems.isEmpty()) {
            const tabletext::ImportResult imported = tabletext::importInto(img, text);
            for (const QString& p : imported.problems)
                r.problems << unit.where + QStringLiteral(": ") + p;
        }
    }
    if (r.problems.isEmpty())
        r.image = img;
    return r;
}

QStringList checkUnits(const RadioImage& templ, const QList<Unit>& units, const QStringList& models,
                       QList<RadioImage>* images)
{
    QStringList problems;
    QSet<QString> seen;
    // Units by the file name their image is kept under: names that differ only in what
    // cleaning replaces (or in letter case, which some file systems ignore) would share one.
    QMap<QString, QList<const Unit*>> byFile;
    QList<RadioImage> out;
    for (const Unit& u : units) {
        if (seen.contains(u.name))
            problems << QStringLiteral("%1: unit \"%2\" is given twice").arg(u.where, u.name);
        else
            byFile[fileNameFor(u.name).toLower()] << &u;
        seen.insert(u.name);
        const UnitImage applied = applyUnit(templ, u, models);
        problems += applied.problems;
        out << applied.image;
    }
    for (const QList<const Unit*>& same : std::as_const(byFile)) {
        if (same.size() < 2)
            continue;
        QStringList names;
        for (const Unit* u : same)
            names << QStringLiteral("\"%1\" (%2)").arg(u->name, u->where);
        problems << QStringLiteral("units %1 have the same file name %2.dat: give them names that differ in "
                                   "letters or digits")
                        .arg(names.join(QStringLiteral(", ")), fileNameFor(same.front()->name));
    }
    if (images && problems.isEmpty())
        *images = out;
    return problems;
}

QString fileNameFor(const QString& unit)
{
    QString name;
    for (QChar c : unit)
        name += c.isLetterOrNumber() || c == u'-' || c == u'_' || c == u'.' ? c : QChar(u'_');
    if (name.isEmpty() || name.startsWith(u'.'))
        name.prepend(u'_');
    return name;
}

QString valuesText(const Unit& unit)
{
    QStringList parts;
    for (const editors::SettingAssignment& a : unit.settings)
        parts << QStringLiteral("%1/%2=%3").arg(a.section, a.key, a.value);
    for (const ChannelValue& c : unit.channels)
        parts << QStringLiteral("Channel %1/%2=%3")
                     .arg(ChannelTable::rowLabel(c.row), ChannelTable::header(c.column, Language::English).trimmed(),
                          c.value);
    return parts.join(QStringLiteral("; "));
}

} // namespace zemtar::fleet
