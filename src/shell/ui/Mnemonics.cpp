#include "Mnemonics.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QKeySequence>
#include <QLabel>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>

#include <map>
#include <set>

namespace zemtar::ui {

namespace {

// The tab page a widget is on, or nullptr for the parts every page shares.
const QWidget* pageOf(const QWidget* w, const QWidget* window)
{
    for (; w && w != window; w = w->parentWidget())
        if (auto* stack = qobject_cast<const QStackedWidget*>(w->parentWidget());
            stack && qobject_cast<const QTabWidget*>(stack->parentWidget()))
            return w;
    return nullptr;
}

bool isLetter(QChar c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9'); }

// The text without its mnemonic mark (a literal "&&" stays).
QString withoutMarks(const QString& text)
{
    QString out;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] != u'&') {
            out += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == u'&') {
            out += QStringLiteral("&&");
            ++i;
        }
    }
    return out;
}

struct Item {
    QWidget* widget;
    const QWidget* page;
    QString text;
};

class Letters {
public:
    bool free(QChar c, const QWidget* page) const
    {
        c = c.toUpper();
        if (common_.count(c))
            return false;
        if (!page) {
            for (const auto& p : pages_)
                if (p.second.count(c))
                    return false;
            return true;
        }
        auto it = pages_.find(page);
        return it == pages_.end() || !it->second.count(c);
    }
    void take(QChar c, const QWidget* page) { (page ? pages_[page] : common_).insert(c.toUpper()); }

private:
    std::set<QChar> common_;
    std::map<const QWidget*, std::set<QChar>> pages_;
};

QString marked(const QString& plain, const QWidget* page, Letters& letters)
{
    // The first letter of a word, then any letter of the text.
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 0; i < plain.size(); ++i) {
            if (plain[i] == u'&' || !isLetter(plain[i]) || (plain[i].isDigit() && pass == 0))
                continue;
            const bool startsWord = i == 0 || !plain[i - 1].isLetterOrNumber();
            if ((pass == 0 && !startsWord) || !letters.free(plain[i], page))
                continue;
            letters.take(plain[i], page);
            return plain.left(i) + u'&' + plain.mid(i);
        }
    // A text without a free letter of its own: the letter after it, before a closing colon.
    for (QChar c = u'A'; c <= u'Z'; c = QChar(c.unicode() + 1)) {
        if (!letters.free(c, page))
            continue;
        letters.take(c, page);
        int at = int(plain.size());
        while (at > 0 && (plain[at - 1] == u':' || plain[at - 1] == u'\uFF1A' || plain[at - 1] == u' '))
            --at;
        return plain.left(at) + QStringLiteral("(&%1)").arg(c) + plain.mid(at);
    }
    return plain;
}

void setText(QWidget* w, const QString& text)
{
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        b->setText(text);
    else if (auto* l = qobject_cast<QLabel*>(w))
        l->setText(text);
}

class MnemonicWatcher : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() != QEvent::Show || !o->isWidgetType())
            return false;
        auto* w = static_cast<QWidget*>(o);
        // The program's own dialogs; Qt's (files, printing, message boxes) bring their own letters.
        const QString cls = QString::fromLatin1(w->metaObject()->className());
        if (w->isWindow() && qobject_cast<QDialog*>(w) &&
            (cls.startsWith(QStringLiteral("zemtar::")) || cls == QStringLiteral("QDialog")))
            giveMnemonics(w);
        return false;
    }
};

} // namespace

void giveMnemonics(QWidget* window)
{
    QList<Item> items;
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
        if (qobject_cast<QToolButton*>(b) || b->text().trimmed().isEmpty())
            continue;
        items.append({b, pageOf(b, window), b->text()});
    }
    for (QLabel* l : window->findChildren<QLabel*>())
        if (l->buddy() && !l->text().trimmed().isEmpty() && l->textFormat() != Qt::RichText)
            items.append({l, pageOf(l, window), l->text()});
    // The shared parts first (their letters hold on every page), and short texts before long
    // ones, which have more letters to choose from: OK, Close and Stop keep their first letters.
    std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& b) {
        if (!a.page != !b.page)
            return !a.page;
        return a.text.size() < b.text.size();
    });
    Letters letters;
    QList<Item*> unmarked;
    for (Item& it : items) {
        const QKeySequence k = QKeySequence::mnemonic(it.text);
        const QChar c = k.isEmpty() ? QChar() : QChar(k[0].key());
        if (!c.isNull() && letters.free(c, it.page))
            letters.take(c, it.page);
        else
            unmarked << &it;
    }
    for (Item* it : unmarked) {
        const QString text = marked(withoutMarks(it->text), it->page, letters);
        if (text != it->text)
            setText(it->widget, text);
    }
}

QObject* installMnemonicWatcher(QObject* parent)
{
    auto* w = new MnemonicWatcher(parent);
    qApp->installEventFilter(w);
    return w;
}

} // namespace zemtar::ui
