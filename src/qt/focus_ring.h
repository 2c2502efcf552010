#pragma once

#include <QWidget>

#include <optional>

namespace voltaro {

// The ring around the board's focused control: a 2-pixel dotted rectangle a pixel clear of the
// control, in a widget of its own above everything on the board panel and transparent to the
// mouse, so that it is never part of the board picture. It shows while the panel holds the
// keyboard focus and a box is set.
class FocusRing : public QWidget {
    Q_OBJECT

public:
    explicit FocusRing(QWidget* board);

    // The control's box in the panel's coordinates; none hides the ring.
    void setControlBox(const std::optional<QRect>& box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void showWhileFocused();

    QWidget* m_board;
    std::optional<QRect> m_box;
};

} // namespace voltaro
