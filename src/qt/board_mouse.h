#pragma once

#include <QObject>
#include <QPoint>

#include <functional>

class QMouseEvent;

namespace voltaro {

class BoardPanel;
struct Workbench;

// The mouse on the board panel: each press, move and release goes to the workbench's pointer
// (src/app/board_pointer.h), which decides which marker holds it; the panel shows the cursor of
// the marker under the pointer while nothing holds it. Points reach it in board pixels, whatever
// the view scale.
class BoardMouse : public QObject {
    Q_OBJECT

public:
    BoardMouse(BoardPanel* panel, Workbench& bench, std::function<void()> afterEvent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPoint onBoard(const QMouseEvent* event) const;
    void press(const QPoint& point);
    void move(const QPoint& point, bool buttonHeld);
    void release(const QPoint& point);
    void showCursorAt(const QPoint& point);

    BoardPanel* m_panel;
    Workbench& m_bench;
    std::function<void()> m_afterEvent;
};

} // namespace voltaro
