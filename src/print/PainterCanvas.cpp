#include "PainterCanvas.h"

#include "image/AtomicFile.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace zemtar::report {

namespace {

double scaleX(const QPaintDevice* d) { return d->logicalDpiX() / 1440.0; }
double scaleY(const QPaintDevice* d) { return d->logicalDpiY() / 1440.0; }

} // namespace

QFont PainterCanvas::qfont(const Font& font)
{
    QFont f;
    f.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                   QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")});
    f.setStyleHint(QFont::Serif);
    f.setPixelSize(std::max(1, font.height));
    f.setWeight(QFont::Normal);
    if (font.width > 0) {
        // The requested average character width, as the printer's font mapper would make it.
        const int natural = QFontMetrics(f).averageCharWidth();
        if (natural > 0)
            f.setStretch(std::clamp(font.width * 100 / natural, 50, 200));
    }
    return f;
}

PainterCanvas::PainterCanvas(QPainter& painter) : p_(painter)
{
    p_.resetTransform();
    p_.scale(scaleX(p_.device()), scaleY(p_.device()));
    QPen pen(Qt::black);
    pen.setWidthF(15); // about 1/100 inch
    p_.setPen(pen);
}

int PainterCanvas::lineHeight(const Font& font)
{
    const QFontMetrics m(qfont(font));
    return m.height() + m.leading();
}

void PainterCanvas::setFont(const Font& font) { p_.setFont(qfont(font)); }

void PainterCanvas::text(int x, int y, const QString& text)
{
    if (text.isEmpty())
        return;
    const QFontMetrics m(p_.font());
    p_.drawText(QPointF(x, -y + m.ascent()), text);
}

void PainterCanvas::line(int x1, int y1, int x2, int y2) { p_.drawLine(QPointF(x1, -y1), QPointF(x2, -y2)); }

QSize pageTwips(const QPagedPaintDevice& device)
{
    return QSize(int(device.width() / scaleX(&device)), int(device.height() / scaleY(&device)));
}

void paintJob(QPagedPaintDevice& device, const Layout& layout, Input in, int from, int to)
{
    const QSize twips = pageTwips(device);
    in.widthTwips = twips.width();
    in.heightTwips = twips.height();
    QPainter painter(&device);
    for (int p = from; p <= to; ++p) {
        if (p > from)
            device.newPage();
        PainterCanvas canvas(painter);
        drawPage(canvas, layout, p, in);
    }
}

bool writePdf(const QString& path, const Layout& layout, const Input& in, QPageSize::PageSizeId size, QString* error)
{
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(1200);
        writer.setPageSize(QPageSize(size));
        writer.setPageMargins(QMarginsF(6.35, 6.35, 6.35, 6.35), QPageLayout::Millimeter); // a printer's margins
        writer.setCreator(QStringLiteral("Zemtar"));
        writer.setTitle(QStringLiteral("Zemtar report"));
        paintJob(writer, layout, in, 1, layout.total);
    }
    return writeFileAtomically(path, pdf, error);
}

} // namespace zemtar::report
