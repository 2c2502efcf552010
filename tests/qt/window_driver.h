#pragma once

#include "qt/board_panel.h"
#include "qt/tcircuits.h"
#include "support/scripted_platform.h"
#include "view/canvas.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPoint>
#include <QTest>

#include <memory>

namespace voltaro::test {

// A mouse event of the left button with the buttons `held`, as a drag delivers it.
inline void sendMouse(QWidget* to, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, to->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(to, &event);
}

// A fresh main window on a scripted platform, shown offscreen. Popups are recorded instead of
// put on the screen; an entry is chosen by triggering its action, as a click on it does.
class WindowDriver {
public:
    WindowDriver() : window(&platform) {
        window.setPopupOpener([this](QMenu* menu, const QPoint& at) {
            openedPopup = menu;
            popupPoint = at;
        });
        window.show();
        exposed = QTest::qWaitForWindowExposed(&window);
    }

    Workbench& bench() { return window.bench(); }
    BoardPanel* panel() { return window.boardPanel(); }
    QAction* action(const char* name) {
        return window.findChild<QAction*>(QString::fromLatin1(name));
    }
    void choose(const char* name) {
        openedPopup = nullptr;
        action(name)->trigger();
    }

    // A left click in the middle of a marker, in board coordinates.
    void clickMarker(const MarkerRef& ref) {
        const Marker& m = bench().model.markers.at(ref);
        openedPopup = nullptr;
        QTest::mouseClick(panel(), Qt::LeftButton, {}, QPoint(m.left + 3, m.top + 3));
    }

    // The board picture as it is after the last paint.
    QImage picture() {
        panel()->canvas().finish();
        return panel()->picture().copy();
    }

    ScriptedPlatform platform;
    bool exposed = false;
    TCircuits window;
    QMenu* openedPopup = nullptr;
    QPoint popupPoint;
};

} // namespace voltaro::test
