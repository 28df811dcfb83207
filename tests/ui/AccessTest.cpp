// Every window as a screen reader and a keyboard user meet it: each control a user can act
// on has a name of its own in its window, and each label and button of a dialog and each
// menu item an Alt+letter of its own.
#include "UiFixture.h"
#include "app/CChildFrame.h"
#include "channels/ui/CMSFlexGrid.h"
#include "channels/ui/CZemtarView.h"
#include "link/ui/CLinkController.h"
#include "link/ui/CProcessDlg.h"
#include "link/ui/CVerifyDlg.h"
#include "shell/ui/CNavigatorBar.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>

#include <functional>
#include <set>

using namespace zemtar;
using namespace zemtar::ui;
using namespace zemtar::ui::uitest;

namespace {

QString either(const char* en, const char* zh) { return g().chinese ? QString::fromUtf8(zh) : QString::fromUtf8(en); }

// The name a screen reader says: a list box's own name is its value on Linux, so it says the
// label the list is labelled by.
QString spokenName(QAccessibleInterface* iface)
{
    if (iface->role() != QAccessible::ComboBox)
        return iface->text(QAccessible::Name).trimmed();
    const auto labels = iface->relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name).trimmed();
}

bool interactive(QAccessible::Role r)
{
    switch (r) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::EditableText:
    case QAccessible::ComboBox:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::ScrollBar:
    case QAccessible::Tree:
    case QAccessible::Table:
    case QAccessible::List:
    case QAccessible::PageTab:
    case QAccessible::ProgressBar:
        return true;
    default:
        return false;
    }
}

// What a screen reader finds in a window: the shown controls a user acts on, with the name
// each is announced with.
struct Found {
    QStringList unnamed;    // role and object name of each control without a name
    QStringList duplicates; // names two controls share
    int controls = 0;
};

void walk(QAccessibleInterface* iface, QMultiMap<QString, QString>& names, Found& found, std::set<QObject*>& seen,
          int depth = 0)
{
    if (!iface || !iface->isValid() || depth > 40 || iface->state().invisible)
        return;
    if (QObject* o = iface->object(); o && !seen.insert(o).second)
        return;
    const QAccessible::Role role = iface->role();
    if (interactive(role)) {
        ++found.controls;
        QObject* o = iface->object();
        const QString name = spokenName(iface);
        const QString what = QStringLiteral("%1 %2").arg(int(role)).arg(
            o ? o->metaObject()->className() + (u':' + o->objectName()) : QStringLiteral("(item)"));
        if (qEnvironmentVariableIsSet("ZEMTAR_ACCESS_DUMP"))
            qInfo("  %s \"%s\"", qPrintable(what), qPrintable(name));
        if (name.isEmpty())
            found.unnamed << what;
        else
            names.insert(name, what);
    }
    // The cells of a table or tree are its own; the control itself is what is named.
    if (role == QAccessible::Table || role == QAccessible::Tree || role == QAccessible::List)
        return;
    for (int i = 0; i < iface->childCount(); ++i)
        walk(iface->child(i), names, found, seen, depth + 1);
}

Found findControls(QWidget* window)
{
    Found found;
    QMultiMap<QString, QString> names;
    std::set<QObject*> seen;
    walk(QAccessible::queryAccessibleInterface(window), names, found, seen);
    // The widgets the tree does not list (an editor over a table's cell, a view laid over
    // another) are met by a screen reader as they take the focus.
    for (QWidget* w : window->findChildren<QWidget*>())
        if (w->isVisible() && w->window() == window &&
            (w->focusPolicy() != Qt::NoFocus || qobject_cast<QAbstractItemView*>(w)))
            walk(QAccessible::queryAccessibleInterface(w), names, found, seen);
    for (const QString& n : names.uniqueKeys())
        if (names.count(n) > 1)
            found.duplicates << QStringLiteral("\"%1\" (%2)").arg(n, QStringList(names.values(n)).join(u','));
    return found;
}

// The tab page a widget is on, or nullptr for the parts of a dialog every page shares.
const QWidget* pageOf(const QWidget* w, const QWidget* window)
{
    for (; w && w != window; w = w->parentWidget())
        if (auto* stack = qobject_cast<const QStackedWidget*>(w->parentWidget());
            stack && qobject_cast<const QTabWidget*>(stack->parentWidget()))
            return w;
    return nullptr;
}

// Labels with a buddy and buttons shown in a dialog without an Alt+letter, and letters two of
// them share on one page (or one on a page and one the pages share).
QStringList mnemonicProblems(QWidget* window)
{
    struct Key {
        QString text;
        const QWidget* page;
        QChar letter;
    };
    QList<Key> keys;
    QStringList problems;
    auto add = [&](const QWidget* w, const QString& text) {
        if (!w->isVisibleTo(window) || text.trimmed().isEmpty())
            return;
        const QKeySequence k = QKeySequence::mnemonic(text);
        if (k.isEmpty()) {
            problems << QStringLiteral("no Alt+letter: \"%1\" (%2)").arg(text, w->objectName());
            return;
        }
        keys.append({text, pageOf(w, window), QChar(k[0].key()).toUpper()});
    };
    for (const QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
        if (qobject_cast<const QToolButton*>(b))
            continue; // the tab bar's scroll arrows and the like
        add(b, b->text());
    }
    for (const QLabel* l : window->findChildren<QLabel*>())
        if (l->buddy())
            add(l, l->text());
    for (int i = 0; i < keys.size(); ++i)
        for (int j = i + 1; j < keys.size(); ++j)
            if (keys[i].letter == keys[j].letter && (keys[i].page == keys[j].page || !keys[i].page || !keys[j].page))
                problems
                    << QStringLiteral("Alt+%1 twice: \"%2\", \"%3\"").arg(keys[i].letter, keys[i].text, keys[j].text);
    return problems;
}

QStringList menuProblems(QMenuBar* bar)
{
    QStringList problems;
    auto check = [&](const QString& where, const QList<QAction*>& actions) {
        std::set<QChar> used;
        for (QAction* a : actions) {
            if (a->isSeparator() || !a->isVisible())
                continue;
            const QKeySequence k = QKeySequence::mnemonic(a->text());
            if (k.isEmpty()) {
                problems << QStringLiteral("%1: no Alt+letter: \"%2\"").arg(where, a->text());
                continue;
            }
            if (!used.insert(QChar(k[0].key()).toUpper()).second)
                problems
                    << QStringLiteral("%1: Alt+%2 twice, \"%3\"").arg(where, QString(QChar(k[0].key())), a->text());
        }
    };
    check(QStringLiteral("menu bar"), bar->actions());
    for (QAction* m : bar->actions())
        if (m->menu()) {
            emit m->menu()->aboutToShow(); // the Window menu fills itself as it opens
            check(m->text(), m->menu()->actions());
        }
    return problems;
}

} // namespace

class AccessTest : public UiFixture {
    Q_OBJECT

    QProcess sim_;

    void startWithRadio(const QString& language)
    {
        if (sim_.state() == QProcess::NotRunning) {
            sim_.start(QStringLiteral(ZEMTAR_BIN_DIR "/zemtar-radiosim"), {});
            QVERIFY(sim_.waitForReadyRead(10000));
            const QString device = QString::fromUtf8(sim_.readLine()).trimmed();
            extraSetup_ = QStringLiteral("[Ports]\ncom1=%1\n").arg(device);
        }
        QVERIFY(start(language));
        QVERIFY(frame()->activeView());
    }

    // Opens the window named `window` as a user does and runs `check` on it.
    void inWindow(const QString& window, const std::function<void(QWidget*)>& check)
    {
        QWidget* checked = nullptr;
        auto modal = [&](int command) {
            onNextModal([&](QWidget* w) {
                checked = w;
                if (w)
                    check(w);
            });
            frame()->runCommand(command);
        };
        static const QHash<QString, int> commands = {
            {QStringLiteral("Product Information"), CMainFrame::ID_PRODUCT_INFO},
            {QStringLiteral("Optional Features"), CMainFrame::ID_OPTIONAL_FEATURES},
            {QStringLiteral("DTMF"), CMainFrame::ID_DTMF},
            {QStringLiteral("MSK"), CMainFrame::ID_MSK},
            {QStringLiteral("Two Tone"), CMainFrame::ID_TWO_TONE},
            {QStringLiteral("Key Assignment"), CMainFrame::ID_KEY_ASSIGN},
            {QStringLiteral("Com Setup"), CMainFrame::ID_COM_SETUP},
            {QStringLiteral("Language"), CMainFrame::ID_LANGUAGE},
            {QStringLiteral("About"), CMainFrame::ID_APP_ABOUT},
            {QStringLiteral("Print list"), CMainFrame::ID_FILE_PRINT},
            {QStringLiteral("Program Many Radios"), CMainFrame::ID_FLEET},
            {QStringLiteral("High Power Debug"), CMainFrame::ID_HIGH_POWER},
            {QStringLiteral("Low Power Debug"), CMainFrame::ID_LOW_POWER},
        };
        CZemtarView* view = frame()->activeView();
        if (window == QStringLiteral("Main frame") || window == QStringLiteral("Channel Edit")) {
            // A channel in the first row, and the editor of a cell open as a user leaves it.
            frame()->show();
            auto* grid = view->grid();
            const QModelIndex rx = grid->model()->index(0, ColRx - 1);
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(rx).center());
            QTest::keyClicks(view->frequencyEdit(), QStringLiteral("145.125"));
            QTest::keyClick(view->frequencyEdit(), Qt::Key_Return);
        }
        if (window == QStringLiteral("Main frame")) {
            checked = frame();
            check(frame());
        } else if (window == QStringLiteral("Channel Edit")) {
            onNextModal([&](QWidget* w) {
                checked = w;
                if (w)
                    check(w);
            });
            view->openChannelEdit(1); // the document's first channel
        } else if (window == QStringLiteral("Progress")) {
            frame()->runCommand(CMainFrame::ID_READ);
            CProcessDlg* dlg = frame()->activeChild()->link()->processDialog();
            checked = dlg;
            if (dlg) {
                check(dlg);
                dlg->cancelButton()->click();
            }
        } else if (window == QStringLiteral("Verify result")) {
            CVerifyDlg dlg({QStringLiteral("Channel 1: Rx Frequency 145.125 / 146.000")}, QStringLiteral("com1"),
                           frame());
            dlg.show();
            checked = &dlg;
            check(&dlg);
        } else {
            modal(commands.value(window));
        }
        QVERIFY2(checked, qPrintable(window + QStringLiteral(" did not open")));
    }

private slots:
    void cleanupTestCase()
    {
        if (sim_.state() != QProcess::NotRunning) {
            sim_.terminate();
            sim_.waitForFinished(10000);
        }
    }

    void windows_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("window");
        for (const char* lang : {"English", "Chinese"})
            for (const char* w :
                 {"Main frame", "Product Information", "Optional Features", "DTMF", "MSK", "Two Tone", "Key Assignment",
                  "Channel Edit", "Com Setup", "Language", "About", "Print list", "Program Many Radios", "Progress",
                  "Verify result", "High Power Debug", "Low Power Debug"})
                QTest::addRow("%s %s", lang, w) << QString::fromLatin1(lang) << QString::fromLatin1(w);
    }

    // Each control a user acts on is announced with a name, no two alike in one window.
    void controlsAreNamed_data() { windows_data(); }
    void controlsAreNamed()
    {
        QFETCH(QString, language);
        QFETCH(QString, window);
        startWithRadio(language);
        Found found;
        inWindow(window, [&](QWidget* w) {
            QTest::qWait(50); // laid out and shown
            found = findControls(w);
        });
        qInfo("%s / %s: %d controls, %d unnamed, %d duplicate names", qPrintable(language), qPrintable(window),
              found.controls, int(found.unnamed.size()), int(found.duplicates.size()));
        QVERIFY2(found.unnamed.isEmpty(), qPrintable(QStringLiteral("unnamed: ") + found.unnamed.join(u';')));
        QVERIFY2(found.duplicates.isEmpty(), qPrintable(QStringLiteral("duplicates: ") + found.duplicates.join(u';')));
    }

    // Every label with a field and every button of an English dialog has an Alt+letter of its own.
    void dialogsHaveMnemonics_data()
    {
        QTest::addColumn<QString>("window");
        for (const char* w : {"Product Information", "Optional Features", "DTMF", "MSK", "Two Tone", "Key Assignment",
                              "Channel Edit", "Com Setup", "Language", "About", "Print list", "Program Many Radios",
                              "Progress", "Verify result", "High Power Debug", "Low Power Debug"})
            QTest::addRow("%s", w) << QString::fromLatin1(w);
    }
    void dialogsHaveMnemonics()
    {
        QFETCH(QString, window);
        startWithRadio(QStringLiteral("English"));
        QStringList problems;
        inWindow(window, [&](QWidget* w) {
            QTest::qWait(50);
            problems = mnemonicProblems(w);
            if (qEnvironmentVariableIsSet("ZEMTAR_ACCESS_DUMP"))
                for (const QAbstractButton* b : w->findChildren<QAbstractButton*>())
                    qInfo("  %s", qPrintable(b->text()));
            // The tab pages not on screen are checked too.
            for (QTabWidget* tabs : w->findChildren<QTabWidget*>())
                for (int i = 1; i < tabs->count(); ++i) {
                    tabs->setCurrentIndex(i);
                    problems << mnemonicProblems(w);
                }
        });
        problems.removeDuplicates();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }

    // The editor over a cell is announced with its column and row, and a screen reader finds
    // the channel table above it; the More cell says what it opens.
    void cellEditorsAreNamedAfterTheirCell_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("name");
        QTest::newRow("frequency") << "English" << int(ColRx) << "Rx Frequency, channel 3";
        QTest::newRow("list") << "English" << int(ColPower) << "Power, channel 3";
        QTest::newRow("name, Chinese") << "Chinese" << int(ColName) << u8("信道名字，信道 3");
        QTest::newRow("W/N, Chinese") << "Chinese" << int(ColWidth) << u8("宽/窄，信道 3");
    }
    void cellEditorsAreNamedAfterTheirCell()
    {
        QFETCH(QString, language);
        QFETCH(int, column);
        QFETCH(QString, name);
        QVERIFY(start(language));
        frame()->show();
        CZemtarView* view = frame()->activeView();
        auto* grid = view->grid();
        auto click = [&](int row, int col) {
            const QModelIndex index = grid->model()->index(row - 1, col - 1);
            grid->scrollTo(index);
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index).center());
        };
        click(3, ColRx);
        QTest::keyClicks(view->frequencyEdit(), QStringLiteral("145.125"));
        QTest::keyClick(view->frequencyEdit(), Qt::Key_Return);
        click(3, column);
        QWidget* editor = view->visibleEditor();
        QVERIFY(editor && editor->isVisible());
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(editor);
        QCOMPARE(spokenName(iface), name);
        bool inTable = false;
        for (QAccessibleInterface* p = iface->parent(); p && !inTable; p = p->parent())
            inTable = p->object() == grid && p->text(QAccessible::Name) == either("Channels", "信道表");
        QVERIFY(inTable);
        // The More cell of the channel, as its table cell is read.
        QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(grid)->tableInterface();
        QVERIFY(table);
        QAccessibleInterface* more = table->cellAt(3 - 1, ColMore - 1);
        QVERIFY(more);
        QCOMPARE(more->text(QAccessible::Name), either("More: Channel Edit", "更多：信道编辑"));
    }

    // The editor of a settings table's cell says which call or tone it edits.
    void settingsTableEditorsAreNamed()
    {
        QVERIFY(start(QStringLiteral("English")));
        QString name;
        onNextModal([&](QWidget* w) {
            auto* grid = w ? w->findChild<QTableWidget*>(QStringLiteral("grid")) : nullptr;
            QVERIFY(grid);
            const QModelIndex index = grid->model()->index(2, 1);
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index).center());
            auto* edit = grid->viewport()->findChild<QLineEdit*>(QStringLiteral("cellEditor"));
            QVERIFY(edit);
            name = QAccessible::queryAccessibleInterface(edit)->text(QAccessible::Name);
        });
        frame()->runCommand(CMainFrame::ID_MSK);
        QCOMPARE(name, QStringLiteral("Call List, Num 3"));
    }

    // A read from the radio is said a few lines at a time (the status label's name, which a
    // screen reader follows), while the label shows every row; its result reaches the status bar.
    void aReadIsAnnouncedAtACalmPace()
    {
        startWithRadio(QStringLiteral("English"));
        frame()->runCommand(CMainFrame::ID_READ);
        CProcessDlg* dlg = frame()->activeChild()->link()->processDialog();
        QVERIFY(dlg);
        QCOMPARE(dlg->progressBar()->accessibleName(), QStringLiteral("Progress"));
        QStringList said, shown;
        QTimer watch; // runs while the transfer handles events between rows
        QObject::connect(&watch, &QTimer::timeout, [&] {
            QLabel* l = dlg->statusLabel();
            if (said.value(said.size() - 1) != l->accessibleName())
                said << l->accessibleName();
            if (shown.value(shown.size() - 1) != l->text())
                shown << l->text();
        });
        watch.start(2);
        QTest::mouseClick(dlg->startButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!dlg->isVisible(), 60000);
        watch.stop();
        const QStringList blocks = said.filter(QStringLiteral("block "));
        QVERIFY2(shown.filter(QStringLiteral("block ")).size() > 50, qPrintable(shown.join(u'|')));
        // How many depends on the read's speed (a loaded machine reads faster than the pace
        // allows); never one a row.
        QVERIFY2(!blocks.isEmpty() && blocks.size() <= 12, qPrintable(said.join(u'|')));
        QVERIFY2(blocks.last().startsWith(QStringLiteral("block 512 of 512")), qPrintable(blocks.last()));
        QVERIFY2(frame()->statusMessage().startsWith(QStringLiteral("Read from the radio on com1")),
                 qPrintable(frame()->statusMessage()));
    }

    // The navigator bar is named in the window's language.
    void navigatorIsNamedInTheWindowsLanguage()
    {
        QVERIFY(start(QStringLiteral("Chinese")));
        QCOMPARE(QAccessible::queryAccessibleInterface(frame()->navigator())->text(QAccessible::Name), u8("控制栏"));
    }

    // The print list's sections in the window's language.
    void printListSectionsInChinese()
    {
        QVERIFY(start(QStringLiteral("Chinese")));
        QStringList texts;
        onNextModal([&](QWidget* w) {
            for (int s = 0; s < 5; ++s)
                if (auto* c = w ? w->findChild<QAbstractButton*>(QStringLiteral("section%1").arg(s)) : nullptr)
                    texts << c->text().section(u'(', 0, 0).remove(u'&');
        });
        frame()->runCommand(CMainFrame::ID_FILE_PRINT);
        QCOMPARE(texts, QStringList({QStringLiteral("DTMF"), QStringLiteral("MSK"), u8("可选功能"), u8("两音"),
                                     u8("信道信息")}));
    }

    void menusHaveMnemonics()
    {
        startWithRadio(QStringLiteral("English"));
        const QStringList problems = menuProblems(frame()->menuBar());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }
};

QTEST_MAIN(AccessTest)
#include "AccessTest.moc"
