#pragma once

#include "bench/board_focus.h"
#include "model/text.h"

#include <QObject>
#include <QRect>

#include <functional>
#include <map>
#include <optional>
#include <tuple>
#include <vector>

class QAccessibleInterface;
class QWidget;

namespace voltaro {

struct FocusStop;
struct Workbench;

// The board to a screen reader: the board panel's accessibility (BoardAccessible) lists the
// controls of the focus order as children of their own, named and described from the workbench
// (src/bench/accessible_names.h), and the meter's display is a value that raises an event when
// the reading changes. After every handler sync() raises the events of what changed: the focus
// moving to another control, its words, the reading.
class BoardAccessibility : public QObject {
    Q_OBJECT

public:
    using AfterEvent = std::function<void()>;
    using BoxOnPanel = std::function<QRect(const BoardControl&)>;

    BoardAccessibility(QWidget* window, QWidget* panel, Workbench& bench, BoxOnPanel boxOnPanel,
                       AfterEvent afterEvent);
    ~BoardAccessibility() override;

    // The one for a widget of the window it serves, found from the widget's window.
    static BoardAccessibility* of(QObject* object);

    QWidget* panel() const { return m_panel; }
    const Workbench& bench() const { return m_bench; }
    std::vector<FocusStop> stops() const;
    QString words(const Text& text) const;
    QRect screenRect(const BoardControl& control) const;
    bool isFocused(const BoardControl& control) const;
    // The interface of a control, kept while the window lives.
    QAccessibleInterface* interfaceOf(const BoardControl& control);

    // What an assistive tool asks of a control: the keyboard focus on it, or its click.
    void focus(const BoardControl& control);
    void press(const BoardControl& control);

    void sync();

private:
    using Key = std::tuple<int, int, int>;
    static Key keyOf(const BoardControl& control);
    void focusChanged(const std::optional<BoardControl>& focused);
    void meterChanged();

    QWidget* m_panel;
    Workbench& m_bench;
    BoxOnPanel m_boxOnPanel;
    AfterEvent m_afterEvent;
    std::map<Key, QAccessibleInterface*> m_interfaces;
    std::optional<BoardControl> m_lastFocused;
    QString m_lastFocusWords;
    QString m_lastReading;
};

} // namespace voltaro
