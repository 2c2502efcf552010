#include "qt/tcircuits.h"

#include "app/dispatch.h"
#include "app/open_file.h"
#include "bench/focus_order.h"
#include "bench/operations.h"
#include "edit/recent_files.h"
#include "edit/view_options.h"
#include "edit/view_zoom.h"
#include "qt/board_accessibility.h"
#include "qt/board_keyboard.h"
#include "qt/board_mouse.h"
#include "qt/board_panel.h"
#include "qt/current_animation.h"
#include "qt/focus_ring.h"
#include "qt/menu_mirror.h"
#include "qt/meter_panel.h"
#include "qt/picture_widget.h"
#include "qt/probe_markers.h"
#include "qt/qt_colours.h"
#include "qt/qt_platform.h"
#include "qt/translated.h"
#include "qt/widget_mirror.h"
#include "qt/zoomed_widgets.h"

#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QScreen>
#include <QWindow>

namespace voltaro {

namespace {

// Arial 13 pixels high, bold: the window's own font, which its boxes and buttons take.
QFont windowFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    font.setBold(true);
    return font;
}

// A menu opened by a key comes with its first entry selected, ready for the arrow keys.
void selectFirstEntry(QMenu& menu) {
    for (QAction* action : menu.actions())
        if (action->isVisible() && action->isEnabled() && !action->isSeparator()) {
            menu.setActiveAction(action);
            return;
        }
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
    m_panel->setViewScaleSource([this] { return m_bench.model.menus.viewScalePercent(); });
    m_accessibility = new BoardAccessibility(
        this, m_panel, m_bench, [this](const BoardControl& c) { return boxOnPanel(c); },
        [this] { afterHandler(); });
    setCentralWidget(m_panel);
    resize(kWindowWidth, kWindowHeight);

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
    m_keyboard = new BoardKeyboard(m_panel, m_bench, [this] { afterHandler(); });
    m_focusRing = new FocusRing(m_panel);
    m_openPopup = [](QMenu* menu, const QPoint& at) { menu->popup(at); };

    m_bench.canvas = &m_panel->canvas();
    connectStepArrows();
    m_panel->showMarkers(&m_bench.model.markers);
    m_panel->showCurrentDots(&m_bench.flow);
    m_currentDots = new CurrentAnimation(this, [this](double seconds) {
        advanceCurrentDots(m_bench, seconds);
        m_panel->updateCurrentDots();
    });
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
    arrows->setViewScaleSource([this] { return m_bench.model.menus.viewScalePercent(); });
    m_bench.arrowCanvas = &arrows->canvas();
    connect(arrows, &PictureWidget::mouseMoved, this, [this](int x, int y) {
        pictureMouseMove(m_bench, WidgetId::cirplayim, x, y);
        afterHandler();
    });
}

// On a screen of another device pixel ratio the board is painted again at the new resolution.
void TCircuits::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_watchingTheScreen || !windowHandle())
        return;
    m_watchingTheScreen = true;
    connect(windowHandle(), &QWindow::screenChanged, this, [this] {
        repaintForTheScreen(m_bench);
        mirror();
    });
}

QMenu* TCircuits::popupMenu(MenuId id) const {
    return m_menus->menu(id);
}

void TCircuits::mirror() {
    setWindowTitle(translated(m_bench.ui.caption));
    m_menus->sync(m_bench.model.menus);
    followViewScale();
    m_widgets->sync();
    m_probes->sync(m_panel->viewScale());
    showFocusRing();
    m_currentDots->setWanted(currentDotsMove(m_bench));
    m_panel->update();
    m_accessibility->sync();
}

// The window, its boxes and their fonts grow with the view scale; the board panel reads the scale
// itself. The menu bar keeps its size.
void TCircuits::followViewScale() {
    const ViewScale scale = m_panel->viewScale();
    if (scale.percent == m_shownScalePercent)
        return;
    m_shownScalePercent = scale.percent;
    m_widgets->setViewScale(scale);
    scaleWidgets(m_panel, scale);
    const int menuBarHeight = menuBar()->sizeHint().height();
    resize(scale.toView(kWindowWidth), menuBarHeight + scale.toView(kWindowHeight - menuBarHeight));
}

QRect TCircuits::boxOnPanel(const BoardControl& control) const {
    const BoardBox box = controlBox(m_bench, control);
    return m_panel->toView(QRect(box.left, box.top, box.width, box.height));
}

void TCircuits::showFocusRing() {
    std::optional<QRect> box;
    if (const std::optional<BoardBox> ring = focusRingBox(m_bench))
        box = m_panel->toView(QRect(ring->left, ring->top, ring->width, ring->height));
    m_focusRing->setControlBox(box);
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
        if (QMenu* menu = m_menus->menu(popup->menu)) {
            const QRect at = m_panel->toView(QRect(popup->x, popup->y, 1, 1));
            m_openPopup(menu, m_panel->mapToGlobal(at.topLeft()));
            if (popup->byKeyboard)
                selectFirstEntry(*menu);
        }
    }
    if (ui.closeRequested) {
        ui.closeRequested = false;
        close();
    }
}

} // namespace voltaro
