#pragma once

#include "model/markers.h"

#include <QObject>

#include <functional>
#include <optional>

class QMouseEvent;
class QWidget;

namespace voltaro {

struct Workbench;

// The mouse on the board panel, as a toolkit delivers it to the small controls over a
// picture: a press goes to the topmost visible marker under the pointer, or to the bare
// picture; that target keeps the mouse until the release, and its moves and release come to
// it with X, Y relative to the marker's present top-left corner (picture pixels for the
// picture). Moves with no button held go to whatever lies under the pointer, whose cursor the
// panel shows.
class BoardMouse : public QObject {
    Q_OBJECT

public:
    BoardMouse(QWidget* panel, Workbench& bench, std::function<void()> afterEvent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The marker, or nothing for the picture.
    using Target = std::optional<MarkerRef>;

    Target targetAt(const QPoint& point) const;
    void press(const QPoint& point);
    void move(const QPoint& point, bool buttonHeld);
    void release(const QPoint& point);
    void deliverMove(const Target& target, const QPoint& point);
    void showCursorFor(const Target& target);
    bool onPicture(const QPoint& point) const;

    QWidget* m_panel;
    Workbench& m_bench;
    std::function<void()> m_afterEvent;
    std::optional<Target> m_captured; // set between a press and its release
};

} // namespace voltaro
