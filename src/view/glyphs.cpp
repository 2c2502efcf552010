#include "view/glyphs.h"

#include "model/numbers.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace voltaro {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kContactGap = 30; // the gap of a switch, centred in its element

// Past about a thousand rays the half circle is solid; more would only cost time.
constexpr int kMostRays = 1000;

Point halfway(Point from, Point direction, int length) {
    return from + Point{(length * direction.x) / 2, (length * direction.y) / 2};
}

void drawContacts(Canvas& canvas, Point first, Point direction) {
    canvas.setBrushColour(Colour::Red);
    for (Point c : {first, first + kContactGap * direction})
        canvas.ellipse(c.x - 2, c.y - 2, c.x + 2, c.y + 2);
    canvas.setBrushColour(Colour::White);
}

// Wires and switches: a straight line, or a gap with a lever when open; switches get their
// two contacts.
void drawConductor(Canvas& canvas, Point start, Point d, int pitch, const ElementRecord& r) {
    const Point end = start + pitch * d;
    const int g = pitch - kContactGap;
    const Point contact = halfway(start, d, g);
    canvas.lineTo(contact);
    if (r.openFlag == 0) {
        canvas.lineTo(end);
    } else {
        if (d.x > 0)
            canvas.lineTo(contact + Point{20, -20});
        else if (d.x == 0 && d.y > 0)
            canvas.lineTo(contact + Point{20, 20});
        else if (d.x < 0)
            canvas.lineTo(contact + Point{-20, -20});
        canvas.moveTo(end - Point{(g * d.x) / 2, (g * d.y) / 2});
        canvas.lineTo(end);
    }
    if (r.wireFlag == 0)
        drawContacts(canvas, contact, d);
}

// Ten strokes centred in the element, stepping across the side by k = 0, 1, -1, ...
void drawResistor(Canvas& canvas, Point start, Point d, int pitch) {
    const int s = resistorStrokeSize(pitch);
    const Point zig = halfway(start, d, pitch - 10 * s);
    canvas.lineTo(zig);
    for (int i = 1; i <= 10; ++i) {
        const int k = (i % 3) - 1;
        canvas.lineTo(zig + Point{d.x * i * s + d.y * k * s, d.y * i * s + d.x * k * s});
    }
    canvas.lineTo(start + pitch * d);
}

void drawGlobe(Canvas& canvas, Point c, Point d, ElementKind kind) {
    const int along = 12;
    const int across = truncToInt(12 * 0.8);
    int left = c.x - 12, top = c.y - 12, right = c.x + 12, bottom = c.y + 12;
    if (kind == ElementKind::Bulb2) {
        left = c.x - along * d.x - across * d.y;
        right = c.x + along * d.x + across * d.y;
        top = c.y - across * d.x - along * d.y;
        bottom = c.y + across * d.x + along * d.y;
    } else if (kind == ElementKind::Bulb3) {
        left = c.x - along * d.y - across * d.x;
        right = c.x + along * d.y + across * d.x;
        top = c.y - along * d.x - across * d.y;
        bottom = c.y + along * d.x + across * d.y;
    }
    // On the bottom side the corners come out swapped; the box is the same.
    canvas.ellipse(std::min(left, right), std::min(top, bottom), std::max(left, right),
                   std::max(top, bottom));
}

constexpr int kFilamentPoints = 21;
using FilamentShape = std::array<Point, kFilamentPoints>;

// A small loop with an inner loop around the globe's centre, turned by `baseAngle`.
FilamentShape filamentShape(double baseAngle) {
    FilamentShape shape{};
    for (int p = 0; p < kFilamentPoints; ++p) {
        const double theta = p * 2.0 * kPi / 20.0;
        const double rho = (3.0 * std::cos(theta) + 1.0) * 3.0;
        const double phi = theta + baseAngle - kPi / 2.0;
        shape[static_cast<std::size_t>(p)] = {truncToInt(rho * std::cos(phi)),
                                              -truncToInt(rho * std::sin(phi))};
    }
    return shape;
}

// The filament, 6 pixels off the wire. Its two shapes, along a side and across, are worked out
// once: the fullest board draws hundreds of bulbs.
void drawFilament(Canvas& canvas, Point c, Point d, double baseAngle) {
    static const FilamentShape kAlong = filamentShape(0.0);
    static const FilamentShape kAcross = filamentShape(-kPi / 2.0);
    const FilamentShape& shape = baseAngle == 0.0 ? kAlong : kAcross;
    const Point centre{c.x + 6 * d.y, c.y - 6 * std::abs(d.x)};
    canvas.moveTo(centre + shape[0]);
    for (std::size_t p = 1; p < shape.size(); ++p)
        canvas.lineTo(centre + shape[p]);
}

void drawRay(Canvas& canvas, Point c, double angle, int outer) {
    const double cs = std::cos(angle);
    const double sn = std::sin(angle);
    canvas.line({c.x + truncToInt(17 * cs), c.y - truncToInt(17 * sn)},
                {c.x + truncToInt(outer * cs), c.y - truncToInt(outer * sn)});
}

// A fan of rays over a half circle, one slot for every 25 of brightness, the first and the
// last slot left free; the rest of 25 gives a shorter ray.
void drawRays(Canvas& canvas, Point c, int brightness, double baseAngle) {
    const int b = std::clamp(brightness, 0, 25 * kMostRays);
    const int slots = (b + 24) / 25;
    const double step = kPi / (slots + 1);
    canvas.setPenWidth(2);
    const int full = b / 25;
    for (int j = 1; j <= full; ++j)
        drawRay(canvas, c, j * step + baseAngle, 25);
    const int partial = (b % 25) / 3;
    if (partial != 0)
        drawRay(canvas, c, (full + 1) * step + baseAngle, 17 + partial);
    canvas.setPenWidth(1);
}

void drawBulb(Canvas& canvas, Point start, Point d, int pitch, ElementKind kind, int brightness,
              bool brightnessHidden) {
    const double baseAngle = d.y != 0 ? -kPi / 2.0 : 0.0;
    const Point c = halfway(start, d, pitch);
    canvas.moveTo(start);
    canvas.lineTo(start + pitch * d);
    canvas.setBrushColour(bulbFill(brightness, brightnessHidden));
    drawGlobe(canvas, c, d, kind);
    canvas.setBrushColour(Colour::White);
    drawFilament(canvas, c, d, baseAngle);
    if (!brightnessHidden)
        drawRays(canvas, c, brightness, baseAngle);
}

} // namespace

int resistorStrokeSize(int pitch) {
    const int s = std::max(1, (pitch - 30) / 10);
    return s > 10 ? 9 : s;
}

Rgb bulbFill(int brightness, bool brightnessHidden) {
    if (brightnessHidden)
        return Colour::White;
    if (brightness >= 256)
        return Colour::Yellow;
    const auto level = static_cast<std::uint8_t>(std::max(brightness, 0));
    return {level, level, 0};
}

void drawElementGlyph(Canvas& canvas, Point start, Point direction, int pitch,
                      const ElementRecord& record, int brightness, bool brightnessHidden) {
    canvas.setPenColour(Colour::White);
    canvas.line(start, start + pitch * direction);
    canvas.setPenColour(Colour::Red);
    canvas.moveTo(start);
    if (record.switchFlag == 1)
        drawConductor(canvas, start, direction, pitch, record);
    else if (record.kind == ElementKind::Resistor)
        drawResistor(canvas, start, direction, pitch);
    else if (isBulbKind(record.kind))
        drawBulb(canvas, start, direction, pitch, record.kind, brightness, brightnessHidden);
}

} // namespace voltaro
