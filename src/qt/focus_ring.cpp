#include "qt/focus_ring.h"

#include <QEvent>
#include <QPainter>

namespace voltaro {

namespace {

constexpr int kRingWidth = 2;
constexpr int kRingGap = 1;
constexpr int kRingMargin = kRingWidth + kRingGap;

} // namespace

FocusRing::FocusRing(QWidget* board) : QWidget(board), m_board(board) {
    setObjectName(QStringLiteral("focusring"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    board->installEventFilter(this);
}

void FocusRing::setControlBox(const std::optional<QRect>& box) {
    if (box != m_box) {
        m_box = box;
        if (box)
            setGeometry(box->adjusted(-kRingMargin, -kRingMargin, kRingMargin, kRingMargin));
        update();
    }
    showWhileFocused();
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_board &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        showWhileFocused();
    return QWidget::eventFilter(watched, event);
}

void FocusRing::showWhileFocused() {
    const bool shown = m_box && m_board->hasFocus();
    if (shown)
        raise();
    if (isVisibleTo(m_board) != shown)
        setVisible(shown);
}

// White under black dots, so that the ring shows on the board's white, its red wires and the
// brown panel alike.
void FocusRing::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRectF ring = QRectF(rect()).adjusted(1, 1, -1, -1);
    p.setPen(QPen(Qt::white, kRingWidth));
    p.drawRect(ring);
    p.setPen(QPen(Qt::black, kRingWidth, Qt::DotLine));
    p.drawRect(ring);
}

} // namespace voltaro
