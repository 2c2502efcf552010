#pragma once

#include "view/canvas.h"

#include <string>
#include <vector>

namespace voltaro::test {

// A canvas that keeps every primitive drawn, with the pen and brush it was drawn in, in order.
// Text is 6 pixels a character, 7 in bold.
class RecordingCanvas : public Canvas {
public:
    enum class Kind { Line, Rectangle, Ellipse, Text, Blit };

    struct Primitive {
        Kind kind = Kind::Line;
        Point from; // line start, or the top-left corner of a box, text or picture
        Point to;   // line end, or the bottom-right corner of a box
        Rgb pen;
        int penWidth = 1;
        Rgb brush;
        std::string text;
        bool bold = false;
        const SmallPicture* picture = nullptr;
    };

    std::vector<Primitive> drawn;

    int width() const override { return kBoardWidth; }
    int height() const override { return kBoardHeight; }
    void rectangle(int left, int top, int right, int bottom) override;
    void ellipse(int left, int top, int right, int bottom) override;
    void text(Point topLeft, const std::string& text) override;
    int textWidth(const std::string& text, bool bold) const override;
    void blit(Point topLeft, const SmallPicture& picture) override;
    // Reads back the pattern of patternAt(); keeps nothing.
    Picture copyRect(int left, int top, int width, int height) override;
    // What the recording canvas holds at a pixel: a colour made from its coordinates, so that a
    // copy shows which pixels it was taken from; white outside the board.
    static Rgb patternAt(int x, int y);
    // Where a picture first differs from the pattern read from (left, top) on, as "pixel (x, y)";
    // empty when it does not.
    static std::string differenceFromPattern(const Picture& picture, int left, int top);

    std::vector<Primitive> all(Kind kind) const;
    // Lines in one colour, and of one width when `penWidth` is above 0.
    std::vector<Primitive> lines(Rgb colour, int penWidth = 0) const;
    bool hasLine(Point from, Point to, Rgb colour) const;
    // Primitives as "(x,y)-(x,y)" pairs, for failure messages.
    static std::string describe(const std::vector<Primitive>& primitives);
    void clear() { drawn.clear(); }

protected:
    void drawLine(Point from, Point to) override;

private:
    Primitive withState(Kind kind) const;
};

} // namespace voltaro::test
