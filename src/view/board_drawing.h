#pragma once

#include "model/model.h"
#include "solver/meter_state.h"
#include "view/canvas.h"

#include <string>
#include <vector>

namespace voltaro {

// One primitive of a paint, in board pixels, with the drawing state it was drawn in.
struct DrawnPrimitive {
    enum class Kind { Line, Rectangle, Ellipse, Text, Blit };

    Kind kind = Kind::Line;
    Point from; // a line's start, or the top-left corner of a box, a text or a picture
    Point to;   // a line's end, or the corner after a box's bottom-right pixel
    Rgb pen;
    int penWidth = 1;
    Rgb brush;
    bool bold = false;
    std::string text;
    SmallPicture picture;
};

// The board's paint as the primitives it drew, to draw again on another canvas: the printed
// page and a worksheet's page draw it as lines, shapes and text at their own scale.
struct BoardDrawing {
    int width = kBoardWidth;
    int height = kBoardHeight;
    std::vector<DrawnPrimitive> primitives;
};

// A canvas that keeps what is drawn on it. Text is measured by another canvas (the board's), so
// that the paint places its labels as it does on the board.
class DrawingRecorder : public Canvas {
public:
    explicit DrawingRecorder(const Canvas& measure);

    int width() const override { return m_drawing.width; }
    int height() const override { return m_drawing.height; }
    void rectangle(int left, int top, int right, int bottom) override;
    void ellipse(int left, int top, int right, int bottom) override;
    void text(Point topLeft, const std::string& text) override;
    int textWidth(const std::string& text, bool bold) const override;
    void blit(Point topLeft, const SmallPicture& picture) override;
    // The recording holds no pixels: a copy is white.
    Picture copyRect(int left, int top, int width, int height) override;

    const BoardDrawing& drawing() const { return m_drawing; }

protected:
    void drawLine(Point from, Point to) override;

private:
    DrawnPrimitive& add(DrawnPrimitive::Kind kind, Point from, Point to);

    const Canvas& m_measure;
    BoardDrawing m_drawing;
};

// Draws the primitives again, in order, on the canvas.
void replayDrawing(const BoardDrawing& drawing, Canvas& canvas);

// The board as it was painted last on `board`: the paint run again over a copy of the model,
// from the board canvas's drawing state, without solving. The workbench is left as it was.
BoardDrawing recordBoard(const Model& model, const MeterState& meter, const Canvas& board);

} // namespace voltaro
