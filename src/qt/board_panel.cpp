#include "qt/board_panel.h"

#include "qt/qt_colours.h"

#include <QPainter>

namespace voltaro {

namespace {

constexpr int kPictureWidth = 770;
constexpr int kPictureHeight = 528;

// A lowered bevel of `width` pixels inside a one-pixel border, as the panel is drawn.
void drawLoweredBevel(QPainter& p, const QRect& outer, int width) {
    p.setPen(Qt::black);
    p.drawRect(outer.adjusted(0, 0, -1, -1));
    const QColor shadow = QColor(128, 128, 128);
    const QColor light = Qt::white;
    for (int i = 1; i <= width; ++i) {
        const QRect r = outer.adjusted(i, i, -i - 1, -i - 1);
        p.setPen(shadow);
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(light);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    }
}

} // namespace

BoardPanel::BoardPanel(QWidget* parent)
    : QWidget(parent), m_picture(kPictureWidth, kPictureHeight, QImage::Format_RGB32) {
    setObjectName(QStringLiteral("Panel1"));
    m_picture.fill(Qt::white);
}

void BoardPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), toQColor(Colour::PanelBrown));
    drawLoweredBevel(p, rect(), 3);
    p.drawImage(kPictureLeft, kPictureTop, m_picture);
}

} // namespace voltaro
