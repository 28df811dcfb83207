#include "Page.h"

namespace zemtar::fields {

QString checkText(bool on, Language lang)
{
    if (lang == Language::Chinese)
        return on ? QStringLiteral("开") : QStringLiteral("关");
    return on ? QStringLiteral("On") : QStringLiteral("Off");
}

std::optional<bool> parseCheck(const QString& text)
{
    if (text.compare(QStringLiteral("On"), Qt::CaseInsensitive) == 0 || text == QStringLiteral("开"))
        return true;
    if (text.compare(QStringLiteral("Off"), Qt::CaseInsensitive) == 0 || text == QStringLiteral("关"))
        return false;
    return std::nullopt;
}

long leadingNumber(const QString& text)
{
    const QString t = text.trimmed();
    int i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+'))) {
        negative = t[i] == QLatin1Char('-');
        ++i;
    }
    long v = 0;
    for (; i < t.size() && t[i].isDigit() && t[i].unicode() < 128; ++i)
        v = v < 100000000 ? v * 10 + (t[i].unicode() - '0') : v; // large enough for every field
    return negative ? -v : v;
}

long parseFixed(const QString& text, int decimals)
{
    const QString t = text.trimmed();
    int i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+')))
        negative = t[i++] == QLatin1Char('-');
    long whole = 0, frac = 0;
    for (; i < t.size() && isDigit(t[i]); ++i)
        whole = whole < 100000000 ? whole * 10 + (t[i].unicode() - '0') : whole;
    int got = 0;
    if (i < t.size() && t[i] == QLatin1Char('.'))
        for (++i; i < t.size() && isDigit(t[i]); ++i)
            if (got < decimals) {
                frac = frac * 10 + (t[i].unicode() - '0');
                ++got;
            }
    for (; got < decimals; ++got)
        frac *= 10;
    long scale = 1;
    for (int d = 0; d < decimals; ++d)
        scale *= 10;
    const long v = whole * scale + frac;
    return negative ? -v : v;
}

int matchItem(const QStringList& items, const QString& text, Qt::CaseSensitivity cs)
{
    int found = -1;
    int matches = 0;
    for (int k = 0; k < items.size(); ++k)
        if (items[k].compare(text, cs) == 0 && matches++ == 0)
            found = k;
    // Equal texts are one item however often a list holds them; equal ignoring case, only alone.
    return matches == 1 || (matches > 1 && cs == Qt::CaseSensitive) ? found : -1;
}

int matchItem(const QStringList& items, const QString& text)
{
    const int exact = matchItem(items, text, Qt::CaseSensitive);
    return exact >= 0 ? exact : matchItem(items, text, Qt::CaseInsensitive);
}

QString formatFixed(long v, int decimals)
{
    long scale = 1;
    for (int d = 0; d < decimals; ++d)
        scale *= 10;
    const QString sign = v < 0 ? QStringLiteral("-") : QString();
    const long a = v < 0 ? -v : v;
    if (decimals == 0)
        return sign + QString::number(a);
    return sign + QStringLiteral("%1.%2").arg(a / scale).arg(a % scale, decimals, 10, QLatin1Char('0'));
}

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
bool isHexDigit(QChar c) { return isDigit(c) || (c >= QLatin1Char('A') && c <= QLatin1Char('F')); }
bool isDtmfChar(QChar c)
{
    return isDigit(c) || (c >= QLatin1Char('A') && c <= QLatin1Char('D')) || c == QLatin1Char('*') ||
           c == QLatin1Char('#');
}

Field listOnBits(QString section, QString key, QString zh, int help, std::size_t offset, int hi, int lo, QStringList en,
                 QStringList zhItems, std::function<int(unsigned)> show, std::function<unsigned(int)> store)
{
    Field f;
    f.section = std::move(section);
    f.key = std::move(key);
    f.labelZh = std::move(zh);
    f.kind = Kind::List;
    f.help = help;
    if (zhItems.isEmpty())
        zhItems = en;
    f.items = [en, zhItems](const Context& ctx) { return ctx.lang == Language::Chinese ? zhItems : en; };
    const int count = int(en.size());
    f.read = [=](const RadioImage& img, const Context& ctx) {
        const unsigned v = img.bits(offset, hi, lo);
        int i = show ? show(v) : int(v);
        i = std::clamp(i, 0, count - 1);
        return (ctx.lang == Language::Chinese ? zhItems : en).at(i);
    };
    f.writeIndex = [=](RadioImage& img, int i) { img.setBits(offset, hi, lo, store ? store(i) : unsigned(i)); };
    return f;
}

Field checkOnBit(QString section, QString key, QString zh, int help, std::size_t offset, int bit, bool inverted)
{
    Field f;
    f.section = std::move(section);
    f.key = std::move(key);
    f.labelZh = std::move(zh);
    f.kind = Kind::Check;
    f.help = help;
    f.read = [=](const RadioImage& img, const Context& ctx) {
        return checkText(img.bit(offset, bit) != inverted, ctx.lang);
    };
    f.writeCheck = [=](RadioImage& img, bool on) { img.setBit(offset, bit, on != inverted); };
    return f;
}

Field paddedText(QString section, QString key, QString zh, int help, std::size_t offset, int length, bool upperCase,
                 std::function<bool(QChar, const QStringList&)> accepts, bool zeroEnds)
{
    Field f;
    f.section = std::move(section);
    f.key = std::move(key);
    f.labelZh = std::move(zh);
    f.kind = Kind::Text;
    f.help = help;
    f.maxLength = length;
    f.upperCase = upperCase;
    f.accepts = std::move(accepts);
    f.read = [=](const RadioImage& img, const Context&) {
        QByteArray t = img.text(offset, std::size_t(length));
        if (zeroEnds) {
            const int z = t.indexOf('\0');
            if (z >= 0)
                t.truncate(z);
        }
        return QString::fromLatin1(t);
    };
    f.writeText = [=](RadioImage& img, const QString& text) {
        img.setText(offset, std::size_t(length), text.left(length).toLatin1());
    };
    return f;
}

// ------------------------------------------------------------------ page

int Page::indexOf(const QString& section, const QString& key) const
{
    for (int i = 0; i < size(); ++i)
        if (fields_[std::size_t(i)].section == section && fields_[std::size_t(i)].key == key)
            return i;
    return -1;
}

int Page::indexOf(const QString& key) const
{
    for (int i = 0; i < size(); ++i)
        if (fields_[std::size_t(i)].key == key)
            return i;
    return -1;
}

QStringList Page::load(const RadioImage& img, const Context& ctx) const
{
    QStringList texts;
    for (const Field& f : fields_)
        texts << f.read(img, ctx);
    return texts;
}

QStringList Page::printTexts(const RadioImage& img, const Context& ctx) const
{
    QStringList texts;
    for (const Field& f : fields_) {
        const QString shown = f.read(img, ctx);
        texts << (f.printText ? f.printText(shown, ctx) : shown);
    }
    return texts;
}

QString Page::normalise(int i, const QString& text) const
{
    const Field& f = field(i);
    switch (f.kind) {
    case Kind::Number:
        return f.normalise ? f.normalise(text) : text;
    case Kind::Text: {
        QString t = f.maxLength > 0 ? text.left(f.maxLength) : text;
        return f.upperCase ? t.toUpper() : t;
    }
    case Kind::List:
    case Kind::Check:
        break;
    }
    return text;
}

QString Page::spin(int i, const QString& text, int delta) const
{
    const Field& f = field(i);
    return f.spin ? f.spin(text, delta) : text;
}

bool Page::accepts(int i, QChar c, const QStringList& page) const
{
    const Field& f = field(i);
    return !f.accepts || f.accepts(c, page);
}

bool Page::enabled(int i, const QStringList& page) const
{
    const Field& f = field(i);
    return !f.enabled || f.enabled(page);
}

void Page::changed(int i, const QString& before, QStringList& page) const
{
    const Field& f = field(i);
    if (f.changed && page.value(i) != before)
        f.changed(before, page);
}

void Page::store(RadioImage& img, const QStringList& texts, const Context& ctx) const
{
    const QStringList now = load(img, ctx);
    QStringList stored = now;
    bool any = false;
    for (int i = 0; i < size() && i < texts.size(); ++i) {
        if (texts[i] != now[i]) {
            stored[i] = normalise(i, texts[i]);
            storeField(i, img, stored[i]);
            any = true;
        }
    }
    if (any)
        storeDerived(img, stored);
}

bool Page::hasDerived() const
{
    for (const Field& f : fields_)
        if (f.derive)
            return true;
    return false;
}

void Page::storeDerived(RadioImage& img, const QStringList& texts) const
{
    for (int i = 0; i < size() && i < texts.size(); ++i)
        if (const Field& f = field(i); f.derive)
            f.derive(img, normalise(i, texts[i]));
}

Page::Accepted Page::accept(int i, const QString& value, const QStringList& page, const Context& ctx) const
{
    const Field& f = field(i);
    switch (f.kind) {
    case Kind::List: {
        // The exact text first, then a text in another case where it names one item alone
        // ("auto" is Auto; in a list of "a" and "A" neither is taken for the other).
        for (Qt::CaseSensitivity cs : {Qt::CaseSensitive, Qt::CaseInsensitive}) {
            for (Language l : {Language::English, Language::Chinese}) {
                Context c = ctx;
                c.lang = l;
                if (const int found = matchItem(f.items(c), value, cs); found >= 0)
                    return {f.items(ctx).at(found), {}};
            }
        }
        const QStringList items = f.items(ctx);
        QString list = items.mid(0, 12).join(QStringLiteral(", "));
        if (items.size() > 12)
            list += QStringLiteral(" ... ") + items.last();
        return {{}, QStringLiteral("\"%1\" is not one of %2").arg(value, list)};
    }
    case Kind::Check:
        if (const auto on = parseCheck(value))
            return {checkText(*on, ctx.lang), {}};
        return {{}, QStringLiteral("\"%1\" is neither On nor Off").arg(value)};
    case Kind::Number:
    case Kind::Text: {
        const QString t = f.upperCase ? value.toUpper() : value;
        if (f.maxLength > 0 && t.size() > f.maxLength)
            return {{}, QStringLiteral("\"%1\" is longer than %2 characters").arg(value).arg(f.maxLength)};
        for (QChar c : t)
            if (!accepts(i, c, page))
                return {{},
                        QStringLiteral("\"%1\" holds \"%2\", which this field does not take").arg(value, QString(c))};
        if (f.refuse)
            if (const auto why = f.refuse(t, ctx))
                return {{}, *why};
        return {normalise(i, t), {}};
    }
    }
    return {{}, QStringLiteral("unknown field")};
}

void Page::storeField(int i, RadioImage& img, const QString& text) const
{
    const Field& f = field(i);
    switch (f.kind) {
    case Kind::List: {
        for (Language l : {Language::English, Language::Chinese}) {
            const int index = f.items(Context{l}).indexOf(text);
            if (index >= 0) {
                f.writeIndex(img, index);
                return;
            }
        }
        return; // a value no item shows (a time-out of 300) is never written
    }
    case Kind::Check:
        if (const auto on = parseCheck(text))
            f.writeCheck(img, *on);
        return;
    case Kind::Number:
    case Kind::Text:
        f.writeText(img, text);
        if (f.derive)
            f.derive(img, text);
        return;
    }
}

} // namespace zemtar::fields
