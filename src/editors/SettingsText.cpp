#include "SettingsText.h"

#include "Settings.h"

#include <algorithm>

namespace zemtar::editors {

using fields::Context;
using fields::Field;
using fields::Kind;
using fields::Page;

std::vector<Page> settingsPages(const QStringList& models)
{
    std::vector<Page> pages;
    pages.push_back(productInfoPage(models));
    pages.push_back(optionalFeaturesPage());
    for (const Page& p : signallingPages())
        pages.push_back(p);
    pages.push_back(mskIdPage());
    pages.push_back(mskCallListPage());
    pages.push_back(keyAssignPage());
    return pages;
}

namespace {

bool needsQuotes(const QString& v)
{
    if (v.isEmpty())
        return false;
    if (v.front().isSpace() || v.back().isSpace())
        return true;
    for (QChar c : v)
        if (c == QLatin1Char('"') || c.unicode() < 0x20 || c.unicode() == 0x7F)
            return true;
    return false;
}

} // namespace

QString quotedValue(const QString& v)
{
    if (!needsQuotes(v))
        return v;
    QString q = QStringLiteral("\"");
    for (QChar c : v) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            q += QLatin1Char('\\') + QString(c);
        else if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            q += QStringLiteral("\\x") + QStringLiteral("%1").arg(c.unicode(), 2, 16, QLatin1Char('0')).toUpper();
        else
            q += c;
    }
    return q + QLatin1Char('"');
}

namespace {

// Runs of fields of one page that share a section and key: one line of the text (the two
// tones of a 2-Tone encode entry), their texts joined by commas.
struct Line {
    QString section;
    QString key;
    std::vector<int> fields;
};

std::vector<Line> linesOf(const Page& page)
{
    std::vector<Line> lines;
    for (int i = 0; i < page.size(); ++i) {
        const Field& f = page.field(i);
        if (!lines.empty() && lines.back().section == f.section && lines.back().key == f.key)
            lines.back().fields.push_back(i);
        else
            lines.push_back({f.section, f.key, {i}});
    }
    return lines;
}

QString joined(const Line& l, const QStringList& texts)
{
    QStringList parts;
    for (int i : l.fields)
        parts << texts[i];
    return parts.join(QLatin1Char(','));
}

} // namespace

QString printSettings(const RadioImage& img, Language lang, const QStringList& models)
{
    QString out;
    QString section;
    for (const Page& page : settingsPages(models)) {
        const QStringList texts = page.load(img, Context{lang});
        for (const Line& l : linesOf(page)) {
            if (l.section != section) {
                if (!section.isEmpty())
                    out += QLatin1Char('\n');
                section = l.section;
                out += QLatin1Char('[') + section + QStringLiteral("]\n");
            }
            out += l.key + QLatin1Char('=') + quotedValue(joined(l, texts)) + QLatin1Char('\n');
        }
    }
    return out;
}

// ------------------------------------------------------------------ parsing

static std::optional<QString> unquote(const QString& v, QString* error)
{
    if (!v.startsWith(QLatin1Char('"')))
        return v;
    QString r;
    for (int i = 1; i < v.size(); ++i) {
        const QChar c = v[i];
        if (c == QLatin1Char('"')) {
            if (!v.mid(i + 1).trimmed().isEmpty()) {
                *error = QStringLiteral("text after the closing quote");
                return std::nullopt;
            }
            return r;
        }
        if (c == QLatin1Char('\\') && i + 1 < v.size()) {
            const QChar n = v[++i];
            if (n == QLatin1Char('x') && i + 2 < v.size()) {
                bool ok = false;
                const int code = v.mid(i + 1, 2).toInt(&ok, 16);
                if (ok) {
                    r += QChar(code);
                    i += 2;
                    continue;
                }
            }
            r += n;
            continue;
        }
        r += c;
    }
    *error = QStringLiteral("no closing quote");
    return std::nullopt;
}

QList<SettingAssignment> parseSettingsText(const QString& text, QStringList* problems)
{
    QList<SettingAssignment> result;
    QString section;
    // Lines end at LF, CR LF or CR alone (a CR inside a value is always written escaped).
    const QStringList lines =
        QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n').split(u'\n');
    for (int n = 0; n < lines.size(); ++n) {
        const QString& line = lines[n];
        const QString t = line.trimmed();
        const QString where = QStringLiteral("line %1").arg(n + 1);
        if (t.isEmpty() || t.startsWith(QLatin1Char(';')))
            continue;
        if (t.startsWith(QLatin1Char('['))) {
            if (!t.endsWith(QLatin1Char(']'))) {
                problems->append(where + QStringLiteral(": \"%1\" is not a section line").arg(t));
                continue;
            }
            section = t.mid(1, t.size() - 2).trimmed();
            continue;
        }
        const int eq = int(line.indexOf(QLatin1Char('=')));
        if (eq < 0) {
            problems->append(where + QStringLiteral(": \"%1\" is not a Label=Value line").arg(t));
            continue;
        }
        const QString key = line.left(eq).trimmed();
        if (section.isEmpty()) {
            problems->append(where + QStringLiteral(": %1: no section before it").arg(key));
            continue;
        }
        QString error;
        const auto value = unquote(line.mid(eq + 1).trimmed(), &error);
        if (!value) {
            problems->append(where + QStringLiteral(": %1/%2: %3").arg(section, key, error));
            continue;
        }
        result.append({where, section, key, *value});
    }
    return result;
}

std::optional<SettingAssignment> parseSettingOption(const QString& option, const QString& where)
{
    const int eq = int(option.indexOf(QLatin1Char('=')));
    const int slash = int(option.left(eq).indexOf(QLatin1Char('/')));
    if (eq < 0 || slash < 0)
        return std::nullopt;
    QString error;
    const auto value = unquote(option.mid(eq + 1).trimmed(), &error);
    if (!value)
        return std::nullopt;
    return SettingAssignment{where, option.left(slash).trimmed(), option.mid(slash + 1, eq - slash - 1).trimmed(),
                             *value};
}

// ------------------------------------------------------------------ applying

SettingsChange applySettings(RadioImage& img, const QList<SettingAssignment>& assignments, const QStringList& models)
{
    SettingsChange result;
    const std::vector<Page> pages = settingsPages(models);
    const Context en{Language::English};
    const Context zh{Language::Chinese};

    // Which page and line each assignment names.
    struct Target {
        const SettingAssignment* a;
        std::size_t page;
        const Line* line;
    };
    std::vector<std::vector<Line>> pageLines;
    for (const Page& p : pages)
        pageLines.push_back(linesOf(p));
    std::vector<Target> targets;
    QStringList unknownSections;
    for (const SettingAssignment& a : assignments) {
        bool sectionKnown = false;
        const Line* found = nullptr;
        std::size_t page = 0;
        for (std::size_t p = 0; p < pages.size() && !found; ++p)
            for (const Line& l : pageLines[p]) {
                if (l.section != a.section)
                    continue;
                sectionKnown = true;
                if (l.key == a.key) {
                    found = &l;
                    page = p;
                    break;
                }
            }
        if (!sectionKnown)
            result.problems << QStringLiteral("%1: %2/%3: unknown section \"%2\"").arg(a.where, a.section, a.key);
        else if (!found)
            result.problems << QStringLiteral("%1: %2/%3: unknown setting").arg(a.where, a.section, a.key);
        else
            targets.push_back({&a, page, found});
    }

    RadioImage out = img;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const Page& page = pages[p];
        const QStringList nowEn = page.load(img, en);
        const QStringList nowZh = page.load(img, zh);
        QStringList texts = nowEn; // the page as it stands with the text's values applied
        std::vector<bool> changed(std::size_t(page.size()), false);
        // Lists and check boxes first, so that a text whose filter depends on another field
        // (the PTT ID texts on the PTT ID type) is checked against the value given here.
        for (int pass = 0; pass < 2; ++pass) {
            for (const Target& t : targets) {
                if (t.page != p)
                    continue;
                const Kind kind = page.field(t.line->fields.front()).kind;
                const bool choice = kind == Kind::List || kind == Kind::Check;
                if ((pass == 0) != choice)
                    continue;
                const Line& l = *t.line;
                if (t.a->value == joined(l, nowEn) || t.a->value == joined(l, nowZh)) {
                    for (int i : l.fields) {
                        texts[i] = nowEn[i];
                        changed[std::size_t(i)] = false;
                    }
                    continue;
                }
                const QStringList parts =
                    l.fields.size() == 1 ? QStringList{t.a->value} : t.a->value.split(QLatin1Char(','));
                const QString path = l.section + QLatin1Char('/') + l.key;
                if (parts.size() != int(l.fields.size())) {
                    result.problems << QStringLiteral("%1: %2: expected %3 values separated by commas")
                                           .arg(t.a->where, path)
                                           .arg(l.fields.size());
                    continue;
                }
                for (std::size_t k = 0; k < l.fields.size(); ++k) {
                    const int i = l.fields[k];
                    const QString given = l.fields.size() == 1 ? parts[0] : parts[int(k)].trimmed();
                    if (given == nowEn[i] || given == nowZh[i]) {
                        texts[i] = nowEn[i];
                        changed[std::size_t(i)] = false;
                        continue;
                    }
                    const auto accepted = page.accept(i, given, texts, en);
                    if (!accepted.error.isEmpty()) {
                        result.problems << QStringLiteral("%1: %2: %3").arg(t.a->where, path, accepted.error);
                        continue;
                    }
                    if (page.field(i).kind == Kind::Number && accepted.text != given)
                        result.notes << QStringLiteral("%1: %2: \"%3\" is taken as \"%4\"")
                                            .arg(t.a->where, path, given, accepted.text);
                    texts[i] = accepted.text;
                    changed[std::size_t(i)] = true;
                }
            }
        }
        bool any = false;
        for (int i = 0; i < page.size(); ++i) {
            if (!changed[std::size_t(i)])
                continue;
            any = true;
            page.storeField(i, out, texts[i]);
            const QString after = page.field(i).read(out, en);
            if (after != nowEn[i])
                result.changes << QStringLiteral("%1: %2 -> %3").arg(page.field(i).path(), nowEn[i], after);
        }
        // The radio's derived bytes (period counts, copies) follow the page's values.
        if (any)
            page.storeDerived(out, texts);
    }
    // Problems in the order of the lines (and options) that caused them.
    auto lineOf = [](const QString& p) {
        return p.section(QLatin1Char(' '), 1, 1).section(QLatin1Char(':'), 0, 0).toInt();
    };
    for (QStringList* l : {&result.problems, &result.notes})
        std::stable_sort(l->begin(), l->end(),
                         [&](const QString& a, const QString& b) { return lineOf(a) < lineOf(b); });
    if (result.problems.isEmpty())
        img = out;
    return result;
}

} // namespace zemtar::editors
