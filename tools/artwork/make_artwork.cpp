// Draws Zemtar's bitmaps and icons. Run once after changing a picture; its output is kept in
// res/: make_artwork RES_DIR
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

const QColor kBlue(0x1f, 0x4e, 0x9c), kDark(0x17, 0x22, 0x33), kOrange(0xf2, 0x8c, 0x28);

void radio(QPainter& p, QRectF r)
{
    // A handheld radio: antenna, body, speaker grille, display.
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = r.width(), h = r.height();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x30, 0x30, 0x30));
    p.drawRoundedRect(QRectF(r.x() + w * 0.22, r.y(), w * 0.12, h * 0.36), w * 0.05, w * 0.05);
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, QColor(0x45, 0x4b, 0x55));
    g.setColorAt(1, QColor(0x20, 0x24, 0x2a));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(r.x() + w * 0.12, r.y() + h * 0.28, w * 0.76, h * 0.72), w * 0.14, w * 0.14);
    p.setBrush(QColor(0x9c, 0xd6, 0xf5));
    p.drawRoundedRect(QRectF(r.x() + w * 0.24, r.y() + h * 0.38, w * 0.52, h * 0.16), w * 0.04, w * 0.04);
    p.setBrush(QColor(0x10, 0x10, 0x10));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col)
            p.drawEllipse(QPointF(r.x() + w * (0.3 + col * 0.13), r.y() + h * (0.64 + row * 0.1)), w * 0.035,
                          w * 0.035);
    p.setBrush(kOrange);
    p.drawEllipse(QPointF(r.x() + w * 0.7, r.y() + h * 0.31), w * 0.05, w * 0.05);
    p.restore();
}

QImage icon(int size, const std::function<void(QPainter&, qreal)>& draw)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p, size);
    return img;
}

void page(QPainter& p, qreal s, QColor fill = Qt::white)
{
    QPainterPath path;
    path.moveTo(s * 0.2, s * 0.08);
    path.lineTo(s * 0.62, s * 0.08);
    path.lineTo(s * 0.8, s * 0.26);
    path.lineTo(s * 0.8, s * 0.92);
    path.lineTo(s * 0.2, s * 0.92);
    path.closeSubpath();
    p.setPen(QPen(QColor(0x55, 0x5d, 0x6b), s / 24));
    p.setBrush(fill);
    p.drawPath(path);
}

void arrow(QPainter& p, qreal s, bool down, QColor c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    QPolygonF poly;
    const qreal x = s * 0.68, top = s * 0.42, bottom = s * 0.95;
    if (down)
        poly << QPointF(x - s * 0.1, top) << QPointF(x + s * 0.1, top) << QPointF(x + s * 0.1, bottom - s * 0.2)
             << QPointF(x + s * 0.22, bottom - s * 0.2) << QPointF(x, bottom) << QPointF(x - s * 0.22, bottom - s * 0.2)
             << QPointF(x - s * 0.1, bottom - s * 0.2);
    else
        poly << QPointF(x - s * 0.1, bottom) << QPointF(x + s * 0.1, bottom) << QPointF(x + s * 0.1, top + s * 0.2)
             << QPointF(x + s * 0.22, top + s * 0.2) << QPointF(x, top) << QPointF(x - s * 0.22, top + s * 0.2)
             << QPointF(x - s * 0.1, top + s * 0.2);
    p.drawPolygon(poly);
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");

    // Splash picture.
    QImage splash(520, 320, QImage::Format_RGB32);
    {
        QPainter p(&splash);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient g(0, 0, 520, 320);
        g.setColorAt(0, QColor(0x0f, 0x2a, 0x55));
        g.setColorAt(1, QColor(0x1f, 0x5f, 0xb0));
        p.fillRect(splash.rect(), g);
        p.setPen(QPen(QColor(255, 255, 255, 40), 2));
        for (int i = 1; i <= 6; ++i)
            p.drawArc(QRectF(300 - i * 38, 150 - i * 38, i * 76, i * 76), 30 * 16, 120 * 16);
        radio(p, QRectF(330, 70, 140, 220));
        p.setPen(Qt::white);
        QFont f(QStringLiteral("Liberation Sans"), 44, QFont::Bold);
        p.setFont(f);
        p.drawText(QRectF(36, 80, 300, 70), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Zemtar"));
        f.setPointSize(14);
        f.setBold(false);
        p.setFont(f);
        p.drawText(QRectF(40, 150, 300, 30), Qt::AlignLeft, QStringLiteral("Two-way radio programmer"));
        p.setPen(QColor(0xf2, 0x8c, 0x28));
        p.drawText(QRectF(40, 180, 300, 30), Qt::AlignLeft, QString::fromUtf8("对讲机写频软件"));
        p.setPen(QColor(255, 255, 255, 160));
        f.setPointSize(9);
        p.setFont(f);
        p.drawText(QRectF(40, 280, 300, 20), Qt::AlignLeft, QStringLiteral("Version 1.0   Loading..."));
    }
    splash.save(out + QStringLiteral("/startup.bmp"), "BMP");

    // Background tile: a quiet diagonal weave.
    QImage tile(96, 96, QImage::Format_RGB32);
    {
        QPainter p(&tile);
        p.fillRect(tile.rect(), QColor(0x5b, 0x6e, 0x8c));
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0x66, 0x7a, 0x99), 1.2));
        for (int i = -96; i < 192; i += 12) {
            p.drawLine(i, 0, i + 96, 96);
            p.drawLine(i + 96, 0, i, 96);
        }
    }
    tile.save(out + QStringLiteral("/background.bmp"), "BMP");

    // Application icon.
    QImage ico = icon(64, [](QPainter& p, qreal s) {
        p.setPen(Qt::NoPen);
        QRadialGradient g(s * 0.35, s * 0.3, s * 0.8);
        g.setColorAt(0, QColor(0x3b, 0x7d, 0xd8));
        g.setColorAt(1, kBlue);
        p.setBrush(g);
        p.drawRoundedRect(QRectF(2, 2, s - 4, s - 4), s * 0.18, s * 0.18);
        radio(p, QRectF(s * 0.22, s * 0.1, s * 0.56, s * 0.82));
    });
    ico.save(out + QStringLiteral("/title.ico"), "ICO");

    const QString icons = out + QStringLiteral("/icons/");
    const int n = 32;
    icon(n, [](QPainter& p, qreal s) {
        page(p, s);
        p.setPen(QPen(kOrange, s / 10));
        p.drawLine(QPointF(s * 0.5, s * 0.45), QPointF(s * 0.5, s * 0.75));
        p.drawLine(QPointF(s * 0.35, s * 0.6), QPointF(s * 0.65, s * 0.6));
    }).save(icons + "new.png");
    icon(n, [](QPainter& p, qreal s) {
        p.setPen(QPen(QColor(0x8a, 0x6a, 0x1a), s / 24));
        p.setBrush(QColor(0xf5, 0xc8, 0x4c));
        p.drawRoundedRect(QRectF(s * 0.08, s * 0.25, s * 0.84, s * 0.62), s * 0.05, s * 0.05);
        p.setBrush(QColor(0xfb, 0xdf, 0x8a));
        QPolygonF front;
        front << QPointF(s * 0.16, s * 0.45) << QPointF(s * 0.98, s * 0.45) << QPointF(s * 0.86, s * 0.87)
              << QPointF(s * 0.08, s * 0.87);
        p.drawPolygon(front);
    }).save(icons + "open.png");
    icon(n, [](QPainter& p, qreal s) {
        p.setPen(QPen(kDark, s / 24));
        p.setBrush(kBlue);
        p.drawRoundedRect(QRectF(s * 0.1, s * 0.1, s * 0.8, s * 0.8), s * 0.08, s * 0.08);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(s * 0.25, s * 0.1, s * 0.5, s * 0.3));
        p.setBrush(QColor(0xdd, 0xe4, 0xee));
        p.drawRect(QRectF(s * 0.22, s * 0.55, s * 0.56, s * 0.35));
    }).save(icons + "save.png");
    icon(n, [](QPainter& p, qreal s) {
        radio(p, QRectF(0, s * 0.04, s * 0.62, s * 0.92));
        arrow(p, s, true, QColor(0x2e, 0x9e, 0x4f));
    }).save(icons + "read.png");
    icon(n, [](QPainter& p, qreal s) {
        radio(p, QRectF(0, s * 0.04, s * 0.62, s * 0.92));
        arrow(p, s, false, QColor(0xd2, 0x3c, 0x2a));
    }).save(icons + "write.png");
    icon(n, [](QPainter& p, qreal s) {
        p.setPen(QPen(kDark, s / 24));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(s * 0.25, s * 0.08, s * 0.5, s * 0.35));
        p.setBrush(QColor(0x8d, 0x99, 0xab));
        p.drawRoundedRect(QRectF(s * 0.08, s * 0.38, s * 0.84, s * 0.36), s * 0.06, s * 0.06);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(s * 0.25, s * 0.62, s * 0.5, s * 0.3));
    }).save(icons + "print.png");
    icon(n, [](QPainter& p, qreal s) {
        page(p, s);
        p.setPen(QPen(kDark, s / 12));
        p.setBrush(QColor(0xcf, 0xe8, 0xff));
        p.drawEllipse(QPointF(s * 0.45, s * 0.5), s * 0.17, s * 0.17);
        p.drawLine(QPointF(s * 0.58, s * 0.63), QPointF(s * 0.82, s * 0.87));
    }).save(icons + "preview.png");
    icon(n, [](QPainter& p, qreal s) {
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        p.drawEllipse(QRectF(s * 0.08, s * 0.08, s * 0.84, s * 0.84));
        p.setPen(Qt::white);
        QFont f(QStringLiteral("Liberation Serif"));
        f.setPixelSize(int(s * 0.62));
        f.setBold(true);
        p.setFont(f);
        p.drawText(QRectF(0, 0, s, s), Qt::AlignCenter, QStringLiteral("i"));
    }).save(icons + "about.png");
    icon(n, [](QPainter& p, qreal s) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x2e, 0x9e, 0x4f));
        p.drawEllipse(QRectF(s * 0.08, s * 0.08, s * 0.84, s * 0.84));
        p.setPen(Qt::white);
        QFont f(QStringLiteral("Liberation Sans"));
        f.setPixelSize(int(s * 0.6));
        f.setBold(true);
        p.setFont(f);
        p.drawText(QRectF(0, 0, s, s), Qt::AlignCenter, QStringLiteral("?"));
    }).save(icons + "help.png");
    icon(n, [](QPainter& p, qreal s) {
        p.setPen(QPen(kDark, s / 24));
        p.setBrush(QColor(0xe8, 0xee, 0xf6));
        p.drawRoundedRect(QRectF(s * 0.08, s * 0.08, s * 0.84, s * 0.84), s * 0.08, s * 0.08);
        p.setBrush(kBlue);
        p.drawRect(QRectF(s * 0.08, s * 0.08, s * 0.28, s * 0.84));
        p.setPen(QPen(kBlue, s / 16));
        for (int i = 0; i < 4; ++i)
            p.drawLine(QPointF(s * 0.45, s * (0.25 + i * 0.16)), QPointF(s * 0.82, s * (0.25 + i * 0.16)));
    }).save(icons + "navigator.png");
    icon(16, [](QPainter& p, qreal s) {
        p.setPen(QPen(QColor(0x40, 0x40, 0x40), 2));
        p.drawLine(QPointF(s * 0.25, s * 0.25), QPointF(s * 0.75, s * 0.75));
        p.drawLine(QPointF(s * 0.75, s * 0.25), QPointF(s * 0.25, s * 0.75));
    }).save(icons + "close.png");
    return 0;
}
