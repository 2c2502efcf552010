#include "qt/page_painter.h"

#include "qt/qt_picture.h"
#include "qt/translated.h"

#include <QPainter>

namespace voltaro {

void paintPage(QPainter& painter, const PrintedPage& page) {
    painter.setPen(Qt::black);
    const int ascent = painter.fontMetrics().ascent(); // from the top of a line to its baseline
    for (const PageText& line : page.texts)
        painter.drawText(QPoint(line.x, line.y + ascent), translated(line.text));
    if (const std::optional<PageImage>& image = page.image) {
        // No smoothing, and no lossy compression where the device would choose it (a PDF).
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.setRenderHint(QPainter::LosslessImageRendering, true);
        painter.drawImage(QRect(image->x, image->y, image->width, image->height),
                          toQImage(image->picture));
    }
}

} // namespace voltaro
