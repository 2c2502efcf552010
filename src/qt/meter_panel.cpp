#include "qt/meter_panel.h"

#include "model/widgets.h"
#include "qt/widget_mirror.h"
#include "qt/zoomed_widgets.h"

#include <QFrame>
#include <QPalette>

namespace voltaro {

namespace {

QFont arialBold(int pixels) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(true);
    return font;
}

void whiteOnBlack(QWidget* w, int fontPixels) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    pal.setColor(QPalette::Window, Qt::black);
    w->setPalette(pal);
    w->setBackgroundRole(QPalette::Window); // buttons fill with the button colour otherwise
    w->setAutoFillBackground(true);
    w->setFont(arialBold(fontPixels));
}

// The strip at the bottom of the body that holds the mode buttons.
void addModeStrip(QWidget* body, QWidget* volts, QWidget* amps) {
    auto* strip = new QFrame(body);
    strip->setObjectName(QStringLiteral("meterstrip"));
    strip->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    strip->setGeometry(8, 120, body->width() - 16, 24);
    keepOwnGeometry(strip);
    whiteOnBlack(strip, 11);
    strip->lower();
    volts->raise();
    amps->raise();
}

} // namespace

void styleMeterPanel(const WidgetMirror& widgets) {
    QWidget* body = widgets.widget(WidgetId::meterpl);
    if (auto* frame = qobject_cast<QFrame*>(body))
        frame->setFrameStyle(QFrame::NoFrame);
    whiteOnBlack(widgets.widget(WidgetId::meterlb), 21);
    widgets.widget(WidgetId::meterlb)->setAutoFillBackground(false);
    for (WidgetId id : {WidgetId::arb, WidgetId::brb, WidgetId::crb, WidgetId::drb, WidgetId::erb,
                        WidgetId::voltrb, WidgetId::amprb})
        whiteOnBlack(widgets.widget(id), 11);
    for (WidgetId id : {WidgetId::arb, WidgetId::brb})
        widgets.widget(id)->setLayoutDirection(Qt::RightToLeft);
    addModeStrip(body, widgets.widget(WidgetId::voltrb), widgets.widget(WidgetId::amprb));
}

} // namespace voltaro
