#include "qt/zoomed_widgets.h"

#include "model/numbers.h"

#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace voltaro {

namespace {

const char* const kPixelsAtActualSize = "voltaroFontPixelsAtActualSize";
const char* const kGeometryAtActualSize = "voltaroGeometryAtActualSize";

void scaleFont(QWidget* widget, const ViewScale& scale) {
    QVariant pixels = widget->property(kPixelsAtActualSize);
    if (!pixels.isValid()) {
        const int own = widget->font().pixelSize();
        if (own <= 0)
            return; // a font in points follows the screen, not the board
        pixels = own;
        widget->setProperty(kPixelsAtActualSize, pixels);
    }
    QFont font = widget->font();
    font.setPixelSize(std::max(1, truncToInt(std::round(pixels.toInt() * scale.factor()))));
    widget->setFont(font);
}

} // namespace

QRect toView(const ViewScale& scale, const QRect& board) {
    const int left = scale.toView(board.left());
    const int top = scale.toView(board.top());
    return QRect(left, top, scale.toView(board.left() + board.width()) - left,
                 scale.toView(board.top() + board.height()) - top);
}

void scaleWidgets(QWidget* root, const ViewScale& scale) {
    scaleFont(root, scale);
    for (QWidget* child : root->findChildren<QWidget*>()) {
        if (child->testAttribute(Qt::WA_SetFont) || child->property(kPixelsAtActualSize).isValid())
            scaleFont(child, scale);
        const QVariant geometry = child->property(kGeometryAtActualSize);
        if (geometry.isValid())
            child->setGeometry(toView(scale, geometry.toRect()));
    }
}

void keepOwnGeometry(QWidget* widget) {
    widget->setProperty(kGeometryAtActualSize, widget->geometry());
}

} // namespace voltaro
