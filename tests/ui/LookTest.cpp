// The windows on desks that are not at the default: a dark palette and back, a 16-point font,
// and a screen of 960 x 540 (a 1920 x 1080 screen at scale 2), on which every window fits.
#include "UiFixture.h"
#include "channels/ui/CMSFlexGrid.h"
#include "channels/ui/CZemtarView.h"
#include "editors/ui/CMskDlg.h"
#include "editors/ui/FieldBinder.h"
#include "shell/ui/CNavigatorBar.h"
#include "shell/ui/Legibility.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QStyleFactory>
#include <QToolButton>
#include <QTreeWidget>

using namespace zemtar;
using namespace zemtar::ui;
using namespace zemtar::ui::uitest;

namespace {

QPalette darkPalette()
{
    // A dark desktop that leaves the link colour at its light-desktop blue, the hardest case.
    QPalette p = QApplication::style()->standardPalette();
    const QColor window(53, 53, 53), base(35, 35, 35), text(230, 230, 230);
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Window, window);
        p.setColor(group, QPalette::Button, window);
        p.setColor(group, QPalette::Base, base);
        p.setColor(group, QPalette::AlternateBase, window);
        p.setColor(group, QPalette::WindowText, text);
        p.setColor(group, QPalette::ButtonText, text);
        p.setColor(group, QPalette::Text, text);
        p.setColor(group, QPalette::Link, QColor(0, 0, 255));
    }
    return p;
}

// The colour the opaque pixels of an icon are drawn in.
QColor inkOf(const QIcon& icon)
{
    const QImage img = icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) > 200)
                return QColor(img.pixel(x, y)).toRgb();
    return {};
}

} // namespace

class LookTest : public UiFixture {
    Q_OBJECT
    std::unique_ptr<QFont> defaultFont_;

    // With ZEMTAR_SHOTS_DIR set, a picture of the window for a person to look at.
    static void saveShot(QWidget* w, const char* name)
    {
        const QByteArray dir = qgetenv("ZEMTAR_SHOTS_DIR");
        if (dir.isEmpty())
            return;
        QTest::qWait(100);
        w->grab().save(QString::fromLocal8Bit(dir) + u'/' + QLatin1String(name) + QStringLiteral(".png"));
    }

    CMSFlexGrid* grid() const { return frame()->activeView()->findChild<CMSFlexGrid*>(QStringLiteral("channelGrid")); }

    // The fixed cells' colours of the channel table, the MSK list and the navigator's close
    // mark, each checked against the background it is drawn on.
    struct Seen {
        QColor channelHeader, channelNumbers, listHeader, listNumber;
    };
    void check(const char* palette, Seen& seen)
    {
        CMSFlexGrid* g = grid();
        const QColor button = g->palette().color(QPalette::Button);
        seen.channelHeader = g->model()->headerData(0, Qt::Horizontal, Qt::ForegroundRole).value<QColor>();
        seen.channelNumbers = g->model()->headerData(5, Qt::Vertical, Qt::ForegroundRole).value<QColor>();
        for (const QColor& c : {seen.channelHeader, seen.channelNumbers})
            if (contrast(c, button) < kMinContrast)
                qWarning() << palette << "channel table" << c << "on" << button << contrast(c, button);
        QVERIFY2(contrast(seen.channelHeader, button) >= kMinContrast, palette);
        QVERIFY2(contrast(seen.channelNumbers, button) >= kMinContrast, palette);

        auto* close = frame()->navigator()->findChild<QToolButton*>(QStringLiteral("navigatorClose"));
        const QColor ink = inkOf(close->icon());
        if (contrast(ink, close->palette().color(QPalette::Window)) < kMinContrast)
            qWarning() << palette << "close mark" << ink << "on" << close->palette().color(QPalette::Window);
        QVERIFY2(contrast(ink, close->palette().color(QPalette::Window)) >= kMinContrast, palette);

        onNextModal([&](QWidget* w) {
            auto* d = qobject_cast<CMskDlg*>(w);
            QVERIFY(d);
            FieldGrid* list = d->grid();
            const QColor back = list->palette().color(QPalette::Button);
            seen.listHeader = list->horizontalHeaderItem(1)->foreground().color();
            seen.listNumber = list->item(2, 0)->foreground().color();
            QCOMPARE(list->item(2, 0)->background().color(), back);
            QVERIFY2(contrast(seen.listHeader, back) >= kMinContrast, palette);
            QVERIFY2(contrast(seen.listNumber, back) >= kMinContrast, palette);
        });
        frame()->runCommand(CMainFrame::ID_MSK);
    }

private slots:
    void init()
    {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        if (!defaultFont_)
            defaultFont_ = std::make_unique<QFont>(QApplication::font());
    }
    void cleanup()
    {
        app_.reset();
        QApplication::setPalette(QApplication::style()->standardPalette());
        QApplication::setFont(*defaultFont_);
    }

    void fixedCellsFollowTheRadioOnLightAndThePaletteOnDark()
    {
        QVERIFY(start(QStringLiteral("English")));
        Seen light, dark, fresh, back;
        check("light", light);
        QCOMPARE(light.channelHeader, QColor(0, 50, 240)); // the radio's blue reads on a light desktop
        QCOMPARE(light.listHeader, QColor(0, 70, 213));

        QApplication::setPalette(darkPalette());
        QApplication::processEvents();
        check("dark", dark);
        QVERIFY(dark.channelHeader != light.channelHeader);
        QVERIFY(dark.listHeader != light.listHeader);

        // A document opened on the dark desktop starts with its colours, not the light ones.
        frame()->runCommand(CMainFrame::ID_FILE_NEW);
        check("dark, new document", fresh);

        QApplication::setPalette(QApplication::style()->standardPalette());
        QApplication::processEvents();
        check("light again", back);
        QCOMPARE(back.channelHeader, light.channelHeader);
        QCOMPARE(back.listNumber, light.listNumber);
    }

    void legibleColoursReachTheContrast_data()
    {
        QTest::addColumn<QColor>("wanted");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("link");
        QTest::newRow("blue on white stays") << QColor(0, 50, 240) << QColor(Qt::white) << QColor(0, 0, 255);
        QTest::newRow("blue on dark grey") << QColor(0, 50, 240) << QColor(53, 53, 53) << QColor(0, 0, 255);
        QTest::newRow("blue on black, light link") << QColor(0, 70, 213) << QColor(Qt::black) << QColor(42, 130, 218);
        QTest::newRow("blue on mid grey") << QColor(0, 70, 213) << QColor(118, 118, 118) << QColor(0, 0, 255);
        QTest::newRow("yellow on white") << QColor(255, 255, 0) << QColor(Qt::white) << QColor(255, 255, 0);
    }
    void legibleColoursReachTheContrast()
    {
        QFETCH(QColor, wanted);
        QFETCH(QColor, background);
        QFETCH(QColor, link);
        QPalette p;
        p.setColor(QPalette::Link, link);
        const QColor got = legibleOn(wanted, background, p);
        // Mid grey cannot reach the contrast with any colour: the better of black and white.
        const double best = std::max(contrast(Qt::white, background), contrast(Qt::black, background));
        QVERIFY2(contrast(got, background) >= std::min(kMinContrast, best), qPrintable(got.name()));
        if (contrast(wanted, background) >= kMinContrast)
            QCOMPARE(got, wanted);
    }

    void aLargeFontNeverClipsAHeader()
    {
        QVERIFY(start(QStringLiteral("English")));
        const int before = grid()->columnWidth(ColRx - 1);
        // At the default font every column keeps its designed width (the frozen columns and
        // the fit to a wide screen rest on them).
        const double scale = frame()->activeView()->scale();
        for (int c = ColRx; c < ColumnCount; ++c)
            QCOMPARE(grid()->columnWidth(c - 1), CMSFlexGrid::twipsToPixels(long(CZemtarView::kBaseColumnWidthTwips *
                                                                                 columns::info(c).width * scale),
                                                                            grid()->logicalDpiX()));
        QFont large = QApplication::font();
        large.setPointSize(16);
        QApplication::setFont(large);
        QTest::qWait(50); // the windows measure their texts once the font has reached them
        // The open window follows the new font; windows opened with it start that way.
        for (const char* language : {"live", "English", "Chinese"}) {
            const bool live = QLatin1String(language) == QLatin1String("live");
            if (!live) {
                app_.reset();
                QVERIFY(start(QLatin1String(language)));
            }
            CMSFlexGrid* g = grid();
            const QFontMetrics fm = g->horizontalHeader()->fontMetrics();
            QVERIFY(fm.height() > 20);
            for (int c = 0; c < g->model()->columnCount(); ++c) {
                const QString text = g->model()->headerData(c, Qt::Horizontal).toString();
                QVERIFY2(fm.horizontalAdvance(text) + 8 <= g->columnWidth(c),
                         qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(language), text)));
            }
            for (int r : {0, 8, g->model()->rowCount() - 1}) {
                const QString text = g->model()->headerData(r, Qt::Vertical).toString();
                QVERIFY2(fm.horizontalAdvance(text) + 8 <= g->verticalHeader()->width(), qPrintable(text));
            }
            QVERIFY(g->rowHeight(0) >= fm.height() + 4);
            auto* header = frame()->navigator()->findChild<QLabel*>();
            QVERIFY(header->height() >= header->fontMetrics().height());
            QVERIFY(header->font().pixelSize() > 12);
            // The navigator's entries are not cut short either.
            QTreeWidget* tree = frame()->navigator()->tree();
            for (int i = 0; !live && i < tree->topLevelItem(0)->childCount(); ++i) {
                QTreeWidgetItem* entry = tree->topLevelItem(0)->child(i);
                QVERIFY2(tree->visualItemRect(entry).left() + tree->fontMetrics().horizontalAdvance(entry->text(0)) <=
                             tree->viewport()->width(),
                         qPrintable(entry->text(0)));
            }
        }
        QVERIFY(grid()->columnWidth(ColRx - 1) >= before);
    }

    void everyWindowFitsASmallScreen()
    {
        QVERIFY(start(QStringLiteral("English")));
        QScreen* screen = QGuiApplication::primaryScreen();
        // A pixel of slack for the rounding of a scaled screen's window frames.
        const QRect area = screen->availableGeometry().adjusted(-1, -1, 1, 1);
        QVERIFY2(area.height() <= 770, "the test runs on the small screen it is given");
        frame()->show();
        QApplication::processEvents();
        QVERIFY(QTest::qWaitForWindowExposed(frame()));
        const QRect mainFrame = frame()->frameGeometry();
        QVERIFY2(area.contains(mainFrame), qPrintable(QStringLiteral("main frame: %1,%2 %3 x %4 (minimum %5 x %6)")
                                                          .arg(mainFrame.x())
                                                          .arg(mainFrame.y())
                                                          .arg(mainFrame.width())
                                                          .arg(mainFrame.height())
                                                          .arg(frame()->minimumSizeHint().width())
                                                          .arg(frame()->minimumSizeHint().height())));
        saveShot(frame(), "main frame");

        const std::pair<int, const char*> commands[] = {
            {CMainFrame::ID_PRODUCT_INFO, "Product Information"},
            {CMainFrame::ID_OPTIONAL_FEATURES, "Optional Features"},
            {CMainFrame::ID_DTMF, "DTMF"},
            {CMainFrame::ID_MSK, "MSK"},
            {CMainFrame::ID_TWO_TONE, "2-Tone"},
            {CMainFrame::ID_KEY_ASSIGN, "Key Assignment"},
            {CMainFrame::ID_COM_SETUP, "Com Setup"},
            {CMainFrame::ID_LANGUAGE, "Language"},
            {CMainFrame::ID_APP_ABOUT, "About"},
            {CMainFrame::ID_FLEET, "Program Many Radios"},
            {CMainFrame::ID_FILE_PRINT_PREVIEW, "Print"},
        };
        for (const auto& [command, name] : commands) {
            bool seen = false;
            onNextModal([&, name = name](QWidget* w) {
                QVERIFY2(w, name);
                seen = true;
                QApplication::processEvents();
                saveShot(w, name);
                QVERIFY2(area.contains(w->frameGeometry()), qPrintable(QStringLiteral("%1: %2,%3 %4 x %5")
                                                                           .arg(QLatin1String(name))
                                                                           .arg(w->frameGeometry().x())
                                                                           .arg(w->frameGeometry().y())
                                                                           .arg(w->width())
                                                                           .arg(w->height())));
                // The buttons that close or run the window are on the screen without scrolling.
                for (QAbstractButton* b : w->findChildren<QAbstractButton*>()) {
                    if (!b->isVisible() || qobject_cast<QToolButton*>(b))
                        continue;
                    bool scrolled = false;
                    for (QWidget* p = b->parentWidget(); p && p != w; p = p->parentWidget())
                        scrolled = scrolled || qobject_cast<QScrollArea*>(p);
                    if (scrolled)
                        continue;
                    const QRect r(b->mapToGlobal(QPoint(0, 0)), b->size());
                    QVERIFY2(area.contains(r), qPrintable(QLatin1String(name) + QStringLiteral(": ") + b->text()));
                }
            });
            frame()->runCommand(command);
            QVERIFY2(seen, name);
        }
    }
};

QTEST_MAIN(LookTest)
#include "LookTest.moc"
