#include "qt/tcircuits.h"

#include "app/dispatch.h"
#include "app/open_file.h"
#include "bench/operations.h"
#include "edit/recent_files.h"
#include "lessons/step_arrows.h"
#include "qt/board_mouse.h"
#include "qt/board_panel.h"
#include "qt/menu_mirror.h"
#include "qt/meter_panel.h"
#include "qt/picture_widget.h"
#include "qt/probe_markers.h"
#include "qt/qt_colours.h"
#include "qt/qt_platform.h"
#include "qt/translated.h"
#include "qt/widget_mirror.h"

#include <QMenu>
#include <QMenuBar>
#include <QPalette>

namespace voltaro {

namespace {

// Arial 13 pixels high, bold: the window's own font, which its boxes and buttons take.
QFont windowFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    font.setBold(true);
    return font;
}

} // namespace

TCircuits::TCircuits(Platform* platform, QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Circuits"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toQColor(Colour::WindowBackground));
    setPalette(pal);
    setAutoFillBackground(true);
    setFont(windowFont());

    if (!platform) {
        m_ownPlatform = std::make_unique<QtPlatform>(this);
        platform = m_ownPlatform.get();
    }
    m_bench.platform = platform;

    m_panel = new BoardPanel(this);
    setCentralWidget(m_panel);
    resize(800, 600);

    m_menus = new MenuMirror(menuBar(), this, [this](MenuId id) {
        triggerMenu(m_bench, id);
        afterHandler();
    });
    m_widgets =
        new WidgetMirror(m_panel, m_bench.model.widgets, [this](WidgetId id, WidgetEvent event) {
            widgetEvent(m_bench, id, event);
            afterHandler();
        });
    styleMeterPanel(*m_widgets);
    m_probes = std::make_unique<ProbeMarkers>(m_panel, m_bench.model.markers);
    raiseBoxesAboveTheMeter();
    m_mouse = new BoardMouse(m_panel, m_bench, [this] { afterHandler(); });
    m_openPopup = [](QMenu* menu, const QPoint& at) { menu->popup(at); };

    m_bench.canvas = &m_panel->canvas();
    connectStepArrows();
    m_panel->showMarkers(&m_bench.model.markers);
    startUp(m_bench);
    recallRecentFiles(m_bench);
    mirror();
    // A box or dialog opened in the middle of a handler shows over the window as it is then,
    // not as it was before the handler (the save panel hidden before the save dialog).
    if (auto* qtPlatform = dynamic_cast<QtPlatform*>(platform))
        qtPlatform->setBeforeModal([this] { mirror(); });
    m_panel->setFocus(Qt::OtherFocusReason);
}

TCircuits::~TCircuits() = default;

void TCircuits::openAtStartUp(const std::string& path) {
    openFileAtStartUp(m_bench, path);
    afterHandler();
}

// The leads, made last, lie above the meter panels; every other panel and box of the board goes
// above both, so that the meter never covers a lesson's text or a value box.
void TCircuits::raiseBoxesAboveTheMeter() {
    for (int i = 0; i < kWidgetCount; ++i) {
        const auto id = static_cast<WidgetId>(i);
        if (!widgetDesign(id).parent && id != WidgetId::meterpl && id != WidgetId::meterpl2)
            m_widgets->widget(id)->raise();
    }
}

// The step-arrow picture: the workbench draws on its canvas; a mouse move over it is its own
// handler's, as its click is a widget event.
void TCircuits::connectStepArrows() {
    auto* arrows = qobject_cast<PictureWidget*>(m_widgets->widget(WidgetId::cirplayim));
    m_bench.arrowCanvas = &arrows->canvas();
    connect(arrows, &PictureWidget::mouseMoved, this, [this](int x, int y) {
        pictureMouseMove(m_bench, WidgetId::cirplayim, x, y);
        afterHandler();
    });
}

QMenu* TCircuits::popupMenu(MenuId id) const {
    return m_menus->menu(id);
}

void TCircuits::mirror() {
    setWindowTitle(translated(m_bench.ui.caption));
    m_menus->sync(m_bench.model.menus);
    m_widgets->sync();
    m_probes->sync();
    m_panel->update();
}

void TCircuits::afterHandler() {
    mirror();
    takeRequests();
}

void TCircuits::takeRequests() {
    Interaction& ui = m_bench.ui;
    if (const std::optional<WidgetId> focus = ui.focus) {
        ui.focus.reset();
        m_widgets->focus(*focus);
    }
    if (const std::optional<PopupRequest> popup = ui.popup) {
        ui.popup.reset();
        if (QMenu* menu = m_menus->menu(popup->menu))
            m_openPopup(menu, m_panel->mapToGlobal(QPoint(popup->x, popup->y)));
    }
    if (ui.closeRequested) {
        ui.closeRequested = false;
        close();
    }
}

} // namespace voltaro
