#pragma once

#include "qt/qt_canvas.h"
#include "qt/scaled_canvas.h"

#include <functional>
#include <memory>

namespace voltaro {

// The canvas the workbench draws the board on in the window (and the step arrows): the picture
// of 770 x 528 pixels, which copies, prints and every reading of its pixels come from, and, when
// the screen shows it larger (the view scale times the screen's device pixel ratio), the same
// drawing once more onto a ScaledCanvas of that size for the screen. The scale is read at each
// run of drawing (the first call after finish()), so a paint after a change of scale draws onto a
// picture of the new size.
class BoardCanvas : public Canvas {
public:
    using ScaleSource = std::function<double()>; // device pixels per board pixel

    BoardCanvas(QImage& picture, ScaleSource scale);
    ~BoardCanvas() override;

    int width() const override { return m_picture.width(); }
    int height() const override { return m_picture.height(); }
    // The picture for the screen at the present scale; null at a scale of 1, where the board
    // picture itself is shown.
    ScaledCanvas* scaled() const { return m_scaled.get(); }

    void rectangle(int left, int top, int right, int bottom) override;
    void ellipse(int left, int top, int right, int bottom) override;
    void text(Point topLeft, const std::string& text) override;
    int textWidth(const std::string& text, bool bold) const override;
    void blit(Point topLeft, const SmallPicture& picture) override;
    Picture copyRect(int left, int top, int width, int height) override;
    void finish() override;

protected:
    void drawLine(Point from, Point to) override;

private:
    // Calls `draw` on the board picture's canvas and on the scaled one, each in this canvas's
    // drawing state.
    template <typename Draw> void onBoth(const Draw& draw);
    void followScale();

    QtCanvas m_picture;
    ScaleSource m_scale;
    std::unique_ptr<ScaledCanvas> m_scaled;
    bool m_drawing = false; // between the first drawing call and finish()
};

} // namespace voltaro
