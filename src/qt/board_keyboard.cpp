#include "qt/board_keyboard.h"

#include "app/board_keys.h"
#include "bench/workbench.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QWidget>

#include <optional>

namespace voltaro {

namespace {

std::optional<BoardKey> boardKeyOf(int key) {
    switch (key) {
    case Qt::Key_Tab:
        return BoardKey::Tab;
    case Qt::Key_Backtab:
        return BoardKey::Backtab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return BoardKey::Enter;
    case Qt::Key_Space:
        return BoardKey::Space;
    case Qt::Key_Menu:
        return BoardKey::Menu;
    case Qt::Key_Escape:
        return BoardKey::Escape;
    case Qt::Key_Left:
        return BoardKey::Left;
    case Qt::Key_Right:
        return BoardKey::Right;
    case Qt::Key_Up:
        return BoardKey::Up;
    case Qt::Key_Down:
        return BoardKey::Down;
    default:
        return std::nullopt;
    }
}

bool takesTabFocus(const QWidget* w, const QWidget* window) {
    return w->window() == window && w->isVisible() && w->isEnabled() &&
           (w->focusPolicy() & Qt::TabFocus);
}

} // namespace

BoardKeyboard::BoardKeyboard(QWidget* panel, Workbench& bench, std::function<void()> afterEvent)
    : QObject(panel), m_panel(panel), m_bench(bench), m_afterEvent(std::move(afterEvent)) {
    panel->installEventFilter(this);
}

bool BoardKeyboard::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_panel)
        return false;
    if (event->type() == QEvent::KeyPress && m_panel->hasFocus())
        return keyPress(*static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) {
            enterBoardByTab(m_bench, reason == Qt::TabFocusReason);
            m_afterEvent();
        }
    }
    return false;
}

bool BoardKeyboard::keyPress(const QKeyEvent& key) {
    const std::optional<BoardKey> board = boardKeyOf(key.key());
    if (!board || (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    const bool shift = key.modifiers() & Qt::ShiftModifier;
    if (boardKeyPress(m_bench, *board, shift)) {
        m_afterEvent();
        return true;
    }
    if (*board == BoardKey::Tab || *board == BoardKey::Backtab) {
        leaveBoard(*board == BoardKey::Tab);
        return true;
    }
    return false;
}

void BoardKeyboard::leaveBoard(bool forward) {
    const QWidget* window = m_panel->window();
    for (QWidget* w = forward ? m_panel->nextInFocusChain() : m_panel->previousInFocusChain();
         w != m_panel; w = forward ? w->nextInFocusChain() : w->previousInFocusChain())
        if (takesTabFocus(w, window)) {
            w->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    enterBoardByTab(m_bench, forward);
    m_afterEvent();
}

} // namespace voltaro
