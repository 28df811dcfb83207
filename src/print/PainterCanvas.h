#pragma once
// The report on paper and in PDF files: a canvas that draws the report's calls with QPainter
// on any paged device (a printer, the preview, a PDF writer).
#include "Report.h"

#include <QFont>
#include <QPageSize>

class QPainter;
class QPagedPaintDevice;

namespace zemtar::report {

class PainterCanvas : public Canvas {
public:
    // `painter` is active on the device; the canvas maps twips onto its resolution.
    explicit PainterCanvas(QPainter& painter);
    int lineHeight(const Font& font) override;
    void setFont(const Font& font) override;
    void text(int x, int y, const QString& text) override;
    void line(int x1, int y1, int x2, int y2) override;

    // "Times New Roman" (Liberation Serif where it is missing), Chinese from a CJK font.
    static QFont qfont(const Font& font);

private:
    QPainter& p_;
};

// The printable area of the device in twips.
QSize pageTwips(const QPagedPaintDevice& device);

// Draws pages `from`..`to` of the job (1-based), one device page each.
void paintJob(QPagedPaintDevice& device, const Layout& layout, Input in, int from, int to);

// Writes every page of the job to a PDF file, atomically. False with a message on failure.
bool writePdf(const QString& path, const Layout& layout, const Input& in, QPageSize::PageSizeId size, QString* error);

} // namespace zemtar::report
