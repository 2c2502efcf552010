#pragma once

#include "model/colour.h"
#include "view/picture.h"
#include "view/point.h"

#include <string>
#include <vector>

namespace voltaro {

// Cuts a line to a box 8 pixels around a picture of the size given, so that a line towards a far
// point (a needle at a huge voltage, a corner dragged far away) costs no more than one across the
// board and no canvas sees absurd coordinates. Lines within the box are untouched; false when the
// line misses the box.
bool cutToPicture(Point& from, Point& to, int width, int height);

// A small picture copied onto the board pixel for pixel, such as the ohm sign.
using SmallPicture = Picture;

// The drawing surface of the board. It keeps its drawing state (pen, brush, bold style, the
// current position) from one paint to the next, as the board's canvas does for the whole run:
// whoever sets a colour or the bold style leaves it for the next one to draw.
//
// Lines are 1 or 2 pixels wide and leave out their end pixel; they reach the drawing cut to the
// picture. Rectangles and ellipses span
// (left, top) to (right, bottom) with the right and bottom edge left out, filled with the brush
// and outlined with the pen. Text is black in the board font (Arial 8 point, bold while bold
// is on) on an opaque white box whose top-left corner is the given point.
class Canvas {
public:
    virtual ~Canvas() = default;

    virtual int width() const = 0;
    virtual int height() const = 0;

    void setPenColour(Rgb colour) { m_penColour = colour; }
    void setPenWidth(int width) { m_penWidth = width; }
    void setBrushColour(Rgb colour) { m_brushColour = colour; }
    void setBold(bool bold) { m_bold = bold; }
    Rgb penColour() const { return m_penColour; }
    int penWidth() const { return m_penWidth; }
    Rgb brushColour() const { return m_brushColour; }
    bool bold() const { return m_bold; }
    Point position() const { return m_position; }

    void moveTo(Point p) { m_position = p; }
    // A line from the current position, cut to the picture first (see cutToPicture).
    void lineTo(Point p);
    void line(Point from, Point to) {
        moveTo(from);
        lineTo(to);
    }
    // Lines from point to point; the current position ends on the last one.
    void polyline(const std::vector<Point>& points);

    virtual void rectangle(int left, int top, int right, int bottom) = 0;
    virtual void ellipse(int left, int top, int right, int bottom) = 0;
    virtual void text(Point topLeft, const std::string& text) = 0;
    // Width in pixels of the text in the board font, regular or bold.
    virtual int textWidth(const std::string& text, bool bold) const = 0;
    virtual void blit(Point topLeft, const SmallPicture& picture) = 0;
    // The pixels of a rectangle of the picture as they are now, pixel for pixel; pixels outside
    // the picture read as white.
    virtual Picture copyRect(int left, int top, int width, int height) = 0;

    // Ends a run of drawing: whatever the canvas buffered reaches the picture. Drawing may go
    // on afterwards.
    virtual void finish() {}

protected:
    // A line in the current pen from `from` up to, but not including, `to`.
    virtual void drawLine(Point from, Point to) = 0;

private:
    Rgb m_penColour = Colour::Black;
    int m_penWidth = 1;
    Rgb m_brushColour = Colour::White;
    bool m_bold = false;
    Point m_position;
};

// A canvas that keeps nothing: the paint still moves the markers when no board is attached.
class NullCanvas : public Canvas {
public:
    int width() const override { return kBoardWidth; }
    int height() const override { return kBoardHeight; }
    void rectangle(int, int, int, int) override {}
    void ellipse(int, int, int, int) override {}
    void text(Point, const std::string&) override {}
    int textWidth(const std::string& text, bool) const override {
        return static_cast<int>(text.size()) * 6;
    }
    void blit(Point, const SmallPicture&) override {}
    Picture copyRect(int, int, int width, int height) override;

protected:
    void drawLine(Point, Point) override {}
};

} // namespace voltaro
