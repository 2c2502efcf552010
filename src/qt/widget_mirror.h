#pragma once

#include "app/dispatch.h"
#include "bench/view_scale.h"
#include "model/widgets.h"

#include <QObject>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

class QAbstractButton;
class QWidget;

namespace voltaro {

// The panels, boxes, edits, buttons and labels of the workbench as Qt widgets on the board
// panel, created from their kind. What the user types or checks is written straight into the
// workbench's widget state; clicks, Enter and focus are reported as widget events. sync()
// copies the workbench's state onto the widgets. A widget hidden while it holds the keyboard focus
// gives the focus back to the board, so that the window's shortcuts act on the board again.
class WidgetMirror : public QObject {
    Q_OBJECT

public:
    using EventHandler = std::function<void(WidgetId, WidgetEvent)>;

    WidgetMirror(QWidget* board, Widgets& state, EventHandler onEvent);

    void sync();
    // The scale the widgets are placed at, from the next sync on.
    void setViewScale(const ViewScale& scale) { m_scale = scale; }
    QWidget* widget(WidgetId id) const { return m_widgets[index(id)]; }
    // Moves the keyboard focus into a widget; an edit selects its text, ready to be retyped.
    void focus(WidgetId id);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static std::size_t index(WidgetId id) { return static_cast<std::size_t>(id); }
    QWidget* create(WidgetId id, QWidget* parent);
    void connectInput(WidgetId id, QWidget* widget);
    void syncOne(WidgetId id);
    // A click checks a radio button (which of a panel's buttons form one group is the
    // handlers' business, so Qt's own exclusivity is off) and toggles a check box.
    void readCheckMark(WidgetId id, QAbstractButton* button);
    void report(WidgetId id, WidgetEvent event);

    QWidget* m_board;
    Widgets& m_state;
    EventHandler m_onEvent;
    std::array<QWidget*, kWidgetCount> m_widgets{};
    // The change count of each memo's lines as its widget shows them; none before the first.
    std::array<std::optional<std::uint64_t>, kWidgetCount> m_shownLines{};
    bool m_syncing = false;
    ViewScale m_scale;
};

} // namespace voltaro
