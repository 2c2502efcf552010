#pragma once

#include "bench/workbench.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class QMenu;

namespace voltaro {

class BoardAccessibility;
class BoardKeyboard;
class BoardMouse;
class FocusRing;
class BoardPanel;
class CurrentAnimation;
class MenuMirror;
class ProbeMarkers;
class Platform;
class WidgetMirror;

// The main window. It holds the one workbench, forwards every event to its handler and then
// mirrors the workbench back onto its widgets; it makes no decisions of its own.
class TCircuits : public QMainWindow {
    Q_OBJECT

public:
    // How a popup menu is put on the screen at a global point. The window shows it without
    // waiting (QMenu::popup); tests put their own in to look at it and choose from it.
    using PopupOpener = std::function<void(QMenu* menu, const QPoint& globalPoint)>;

    // `platform` talks to the outside world; none: Qt's message boxes, dialogs and files.
    explicit TCircuits(Platform* platform = nullptr, QWidget* parent = nullptr);
    ~TCircuits() override;

    Workbench& bench() { return m_bench; }
    BoardPanel* boardPanel() const { return m_panel; }
    QMenu* popupMenu(MenuId id) const;
    void setPopupOpener(PopupOpener opener) { m_openPopup = std::move(opener); }

    // Shows the workbench's state on the widgets.
    void mirror();
    // Opens the circuit file named on the command line, as the window has just been shown.
    void openAtStartUp(const std::string& path);

protected:
    void showEvent(QShowEvent* event) override;

private:
    static constexpr int kWindowWidth = 800; // at a view scale of 100 %
    static constexpr int kWindowHeight = 600;

    // After every handler: mirror, then carry out what the handler asked of the window.
    void afterHandler();
    void takeRequests();
    void connectStepArrows();
    void raiseBoxesAboveTheMeter();
    void showFocusRing();
    void followViewScale();
    // A control's box on the board panel.
    QRect boxOnPanel(const BoardControl& control) const;

    Workbench m_bench;
    std::unique_ptr<Platform> m_ownPlatform;
    BoardPanel* m_panel = nullptr;
    MenuMirror* m_menus = nullptr;
    WidgetMirror* m_widgets = nullptr;
    BoardMouse* m_mouse = nullptr;
    BoardKeyboard* m_keyboard = nullptr;
    FocusRing* m_focusRing = nullptr;
    BoardAccessibility* m_accessibility = nullptr;
    std::unique_ptr<ProbeMarkers> m_probes; // the meter leads, above every widget
    CurrentAnimation* m_currentDots = nullptr;
    PopupOpener m_openPopup;
    int m_shownScalePercent = 100;
    bool m_watchingTheScreen = false;
};

} // namespace voltaro
