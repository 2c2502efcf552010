#pragma once

#include <QImage>
#include <QWidget>

namespace voltaro {

// The board panel `Panel1`: the brown panel with its lowered bevel, the board picture at (7, 7)
// and the markers over it. Its own coordinates are the board coordinates.
class BoardPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int kPictureLeft = 7;
    static constexpr int kPictureTop = 7;

    explicit BoardPanel(QWidget* parent = nullptr);

    QImage& picture() { return m_picture; }
    const QImage& picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
};

} // namespace voltaro
