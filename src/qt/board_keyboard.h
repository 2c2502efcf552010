#pragma once

#include <QObject>

#include <functional>

class QKeyEvent;
class QWidget;

namespace voltaro {

struct Workbench;

// The keys on the board panel while it holds the keyboard focus, handed to the workbench's
// board keys (src/app/board_keys.h), and the focus coming to the board by Tab. Tab past the
// board's last control goes on to the next widget that takes the focus, or round to the
// board's first control when there is none.
class BoardKeyboard : public QObject {
    Q_OBJECT

public:
    BoardKeyboard(QWidget* panel, Workbench& bench, std::function<void()> afterEvent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPress(const QKeyEvent& key);
    void leaveBoard(bool forward);

    QWidget* m_panel;
    Workbench& m_bench;
    std::function<void()> m_afterEvent;
};

} // namespace voltaro
