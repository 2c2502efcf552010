#include "view/board_drawing.h"

#include "view/board_paint.h"

namespace voltaro {

DrawingRecorder::DrawingRecorder(const Canvas& measure) : m_measure(measure) {
    m_drawing.width = measure.width();
    m_drawing.height = measure.height();
}

DrawnPrimitive& DrawingRecorder::add(DrawnPrimitive::Kind kind, Point from, Point to) {
    DrawnPrimitive& p = m_drawing.primitives.emplace_back();
    p.kind = kind;
    p.from = from;
    p.to = to;
    p.pen = penColour();
    p.penWidth = penWidth();
    p.brush = brushColour();
    p.bold = bold();
    return p;
}

void DrawingRecorder::drawLine(Point from, Point to) {
    add(DrawnPrimitive::Kind::Line, from, to);
}

void DrawingRecorder::rectangle(int left, int top, int right, int bottom) {
    add(DrawnPrimitive::Kind::Rectangle, {left, top}, {right, bottom});
}

void DrawingRecorder::ellipse(int left, int top, int right, int bottom) {
    add(DrawnPrimitive::Kind::Ellipse, {left, top}, {right, bottom});
}

void DrawingRecorder::text(Point topLeft, const std::string& text) {
    add(DrawnPrimitive::Kind::Text, topLeft, topLeft).text = text;
}

int DrawingRecorder::textWidth(const std::string& text, bool bold) const {
    return m_measure.textWidth(text, bold);
}

void DrawingRecorder::blit(Point topLeft, const SmallPicture& picture) {
    add(DrawnPrimitive::Kind::Blit, topLeft, topLeft).picture = picture;
}

Picture DrawingRecorder::copyRect(int, int, int width, int height) {
    return NullCanvas().copyRect(0, 0, width, height);
}

void replayDrawing(const BoardDrawing& drawing, Canvas& canvas) {
    using Kind = DrawnPrimitive::Kind;
    for (const DrawnPrimitive& p : drawing.primitives) {
        canvas.setPenColour(p.pen);
        canvas.setPenWidth(p.penWidth);
        canvas.setBrushColour(p.brush);
        canvas.setBold(p.bold);
        switch (p.kind) {
        case Kind::Line:
            canvas.line(p.from, p.to);
            break;
        case Kind::Rectangle:
            canvas.rectangle(p.from.x, p.from.y, p.to.x, p.to.y);
            break;
        case Kind::Ellipse:
            canvas.ellipse(p.from.x, p.from.y, p.to.x, p.to.y);
            break;
        case Kind::Text:
            canvas.text(p.from, p.text);
            break;
        case Kind::Blit:
            canvas.blit(p.from, p.picture);
            break;
        }
    }
    canvas.finish();
}

BoardDrawing recordBoard(const Model& model, const MeterState& meter, const Canvas& board) {
    DrawingRecorder recorder(board);
    recorder.setPenColour(board.penColour());
    recorder.setPenWidth(board.penWidth());
    recorder.setBrushColour(board.brushColour());
    recorder.setBold(board.bold());
    recorder.moveTo(board.position());
    Model copy = model; // the paint moves markers; the ones on the board stay where they are
    paintCircuit(copy, recorder);
    paintMeterWires(copy, meter, recorder);
    return recorder.drawing();
}

} // namespace voltaro
