#include "support/recording_canvas.h"

#include <algorithm>
#include <sstream>

namespace voltaro::test {

RecordingCanvas::Primitive RecordingCanvas::withState(Kind kind) const {
    Primitive p;
    p.kind = kind;
    p.pen = penColour();
    p.penWidth = penWidth();
    p.brush = brushColour();
    p.bold = bold();
    return p;
}

void RecordingCanvas::drawLine(Point from, Point to) {
    Primitive p = withState(Kind::Line);
    p.from = from;
    p.to = to;
    drawn.push_back(p);
}

void RecordingCanvas::rectangle(int left, int top, int right, int bottom) {
    Primitive p = withState(Kind::Rectangle);
    p.from = {left, top};
    p.to = {right, bottom};
    drawn.push_back(p);
}

void RecordingCanvas::ellipse(int left, int top, int right, int bottom) {
    Primitive p = withState(Kind::Ellipse);
    p.from = {left, top};
    p.to = {right, bottom};
    drawn.push_back(p);
}

void RecordingCanvas::text(Point topLeft, const std::string& text) {
    Primitive p = withState(Kind::Text);
    p.from = topLeft;
    p.text = text;
    drawn.push_back(p);
}

int RecordingCanvas::textWidth(const std::string& text, bool bold) const {
    return static_cast<int>(text.size()) * (bold ? 7 : 6);
}

void RecordingCanvas::blit(Point topLeft, const SmallPicture& picture) {
    Primitive p = withState(Kind::Blit);
    p.from = topLeft;
    p.picture = &picture;
    drawn.push_back(p);
}

Rgb RecordingCanvas::patternAt(int x, int y) {
    if (x < 0 || y < 0 || x >= kBoardWidth || y >= kBoardHeight)
        return Colour::White;
    return {std::uint8_t(x % 256), std::uint8_t(y % 256), std::uint8_t((x / 256) * 16 + y / 256)};
}

Picture RecordingCanvas::copyRect(int left, int top, int width, int height) {
    Picture picture;
    picture.width = std::max(width, 0);
    picture.height = std::max(height, 0);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            picture.pixels.push_back(patternAt(left + x, top + y));
    return picture;
}

std::string RecordingCanvas::differenceFromPattern(const Picture& picture, int left, int top) {
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            if (picture.at(x, y) != patternAt(left + x, top + y))
                return "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ")";
    return {};
}

std::vector<RecordingCanvas::Primitive> RecordingCanvas::all(Kind kind) const {
    std::vector<Primitive> out;
    for (const Primitive& p : drawn)
        if (p.kind == kind)
            out.push_back(p);
    return out;
}

std::vector<RecordingCanvas::Primitive> RecordingCanvas::lines(Rgb colour, int penWidth) const {
    std::vector<Primitive> out;
    for (const Primitive& p : drawn)
        if (p.kind == Kind::Line && p.pen == colour && (penWidth <= 0 || p.penWidth == penWidth))
            out.push_back(p);
    return out;
}

bool RecordingCanvas::hasLine(Point from, Point to, Rgb colour) const {
    for (const Primitive& p : lines(colour))
        if (p.from == from && p.to == to)
            return true;
    return false;
}

std::string RecordingCanvas::describe(const std::vector<Primitive>& primitives) {
    std::ostringstream out;
    for (const Primitive& p : primitives)
        out << "(" << p.from.x << "," << p.from.y << ")-(" << p.to.x << "," << p.to.y << ") ";
    return out.str();
}

} // namespace voltaro::test
