#include "support/circuits.h"
#include "support/compare.h"
#include "support/point_text.h"
#include "support/recording_canvas.h"
#include "support/test_runner.h"
#include "view/glyphs.h"

#include <cmath>
#include <limits>

using namespace voltaro;
using namespace voltaro::test;
using Kind = RecordingCanvas::Kind;

namespace {

constexpr double kPi = 3.14159265358979323846;
const Point kStart{100, 200};

RecordingCanvas drawn(Point direction, int pitch, const ElementRecord& record, int brightness = 0,
                      bool hidden = false) {
    RecordingCanvas canvas;
    canvas.setPenColour(Colour::Red);
    drawElementGlyph(canvas, kStart, direction, pitch, record, brightness, hidden);
    return canvas;
}

Point centreOf(Point direction, int pitch) {
    return kStart + Point{(pitch * direction.x) / 2, (pitch * direction.y) / 2};
}

void addDirectionColumns() {
    QTest::addColumn<Point>("direction");
}

void addSideRows() {
    QTest::newRow("top side") << Point{1, 0};
    QTest::newRow("right side") << Point{0, 1};
    QTest::newRow("bottom side") << Point{-1, 0};
}

QString rayText(const RecordingCanvas::Primitive& p) {
    return QString::fromStdString(RecordingCanvas::describe({p}));
}

} // namespace

class GlyphTest : public QObject {
    Q_OBJECT

private slots:
    void resistorStrokeSizeFollowsThePitch_data() {
        QTest::addColumn<int>("pitch");
        QTest::addColumn<int>("stroke");
        const int rows[][2] = {{45, 1},  {60, 3},  {129, 9}, {130, 10}, {139, 10},
                               {140, 9}, {455, 9}, {39, 1},  {0, 1},    {-60, 1}};
        for (const auto& r : rows)
            QTest::newRow(qPrintable(QStringLiteral("pitch %1").arg(r[0]))) << r[0] << r[1];
    }
    void resistorStrokeSizeFollowsThePitch() {
        QFETCH(int, pitch);
        QFETCH(int, stroke);
        QCOMPARE(resistorStrokeSize(pitch), stroke);
    }

    void everyGlyphFirstWipesItsStretchOfWire() {
        const ElementRecord records[] = {wire(), closedSwitch(), openSwitch(), resistor(5),
                                         bulb(ElementKind::Bulb1)};
        for (const ElementRecord& r : records) {
            const RecordingCanvas c = drawn({0, 1}, 60, r, 40);
            QVERIFY(!c.drawn.empty());
            const auto& first = c.drawn.front();
            QVERIFY2(first.kind == Kind::Line && first.pen == Colour::White &&
                         first.from == kStart && first.to == (kStart + Point{0, 60}),
                     "a white line from the start to the end comes first");
            QVERIFY2(c.penColour() == Colour::Red && c.penWidth() == 1 &&
                         c.brushColour() == Colour::White,
                     "the glyph leaves a red 1-pixel pen and a white brush");
        }
    }

    void aLoadOfAnUnknownKindLeavesItsWireWiped() {
        ElementRecord r = resistor(5);
        r.kind = static_cast<ElementKind>(5);
        const RecordingCanvas c = drawn({1, 0}, 60, r);
        QCOMPARE(int(c.drawn.size()), 1);
    }

    void resistorZigZagIsCentredAndStepsAcross_data() {
        addDirectionColumns();
        addSideRows();
    }
    void resistorZigZagIsCentredAndStepsAcross() {
        QFETCH(Point, direction);
        const int pitch = 60; // stroke 3: a 30-pixel zig-zag from 15 to 45
        const auto red = drawn(direction, pitch, resistor(100)).lines(Colour::Red);
        QCOMPARE(int(red.size()), 12);
        QCOMPARE(red.front().from, kStart);
        QCOMPARE(red.front().to, kStart + 15 * direction);
        QCOMPARE(red[10].to, kStart + 45 * direction);
        QCOMPARE(red.back().to, kStart + pitch * direction);
        // The first stroke runs along, the second steps 3 pixels across: down on the top side,
        // right on the right side, up on the bottom side.
        QCOMPARE(red[1].to, kStart + 18 * direction);
        const Point across{direction.y * 3, direction.x * 3};
        QCOMPARE(red[2].to, kStart + 21 * direction + across);
        QCOMPARE(red[3].to, kStart + 24 * direction - across);
    }

    void switchContactsSitAroundAThirtyPixelGap_data() {
        addDirectionColumns();
        addSideRows();
    }
    void switchContactsSitAroundAThirtyPixelGap() {
        QFETCH(Point, direction);
        for (const ElementRecord& r : {closedSwitch(), openSwitch()}) {
            const auto contacts = drawn(direction, 45, r).all(Kind::Ellipse);
            QCOMPARE(int(contacts.size()), 2);
            const Point first = kStart + 7 * direction; // 7 after the start, 8 before the end
            const Point second = first + 30 * direction;
            for (int i = 0; i < 2; ++i) {
                const Point c = i == 0 ? first : second;
                QCOMPARE(contacts[i].from, c - Point({2, 2}));
                QCOMPARE(contacts[i].to, c + Point({2, 2}));
                QVERIFY2(contacts[i].brush == Colour::Red, "contacts are filled red");
            }
        }
    }

    void aClosedConductorIsOneStraightLine() {
        for (const ElementRecord& r : {wire(), closedSwitch()}) {
            const auto red = drawn({1, 0}, 45, r).lines(Colour::Red);
            QCOMPARE(int(red.size()), 2);
            QCOMPARE(red[0].from, kStart);
            QCOMPARE(red[0].to, kStart + Point({7, 0}));
            QCOMPARE(red[1].to, kStart + Point({45, 0}));
        }
        QVERIFY2(drawn({1, 0}, 45, wire()).all(Kind::Ellipse).empty(), "a wire has no contacts");
    }

    void openSwitchLeverPointsAwayFromTheGap_data() {
        addDirectionColumns();
        QTest::addColumn<Point>("lever");
        QTest::newRow("top side: up and right") << Point{1, 0} << Point{20, -20};
        QTest::newRow("right side: right and down") << Point{0, 1} << Point{20, 20};
        QTest::newRow("bottom side: up and left") << Point{-1, 0} << Point{-20, -20};
    }
    void openSwitchLeverPointsAwayFromTheGap() {
        QFETCH(Point, direction);
        QFETCH(Point, lever);
        const auto red = drawn(direction, 45, openSwitch()).lines(Colour::Red);
        QCOMPARE(int(red.size()), 3);
        const Point contact = kStart + 7 * direction;
        QCOMPARE(red[1].from, contact);
        QCOMPARE(red[1].to, contact + lever);
        QCOMPARE(red[2].from, kStart + 38 * direction);
        QCOMPARE(red[2].to, kStart + 45 * direction);
    }

    void bulbFillFollowsBrightness_data() {
        QTest::addColumn<int>("brightness");
        QTest::addColumn<bool>("hidden");
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("green");
        QTest::addColumn<int>("blue");
        QTest::newRow("dark") << 0 << false << 0 << 0 << 0;
        QTest::newRow("dim") << 63 << false << 63 << 63 << 0;
        QTest::newRow("255") << 255 << false << 255 << 255 << 0;
        QTest::newRow("256 is full yellow") << 256 << false << 255 << 255 << 0;
        QTest::newRow("300") << 300 << false << 255 << 255 << 0;
        QTest::newRow("hidden") << 189 << true << 255 << 255 << 255;
        QTest::newRow("hidden and dark") << 0 << true << 255 << 255 << 255;
    }
    void bulbFillFollowsBrightness() {
        QFETCH(int, brightness);
        QFETCH(bool, hidden);
        QFETCH(int, red);
        QFETCH(int, green);
        QFETCH(int, blue);
        const auto globes =
            drawn({1, 0}, 60, bulb(ElementKind::Bulb2), brightness, hidden).all(Kind::Ellipse);
        QCOMPARE(int(globes.size()), 1);
        const Rgb fill = globes[0].brush;
        QCOMPARE(QVector<int>({fill.r, fill.g, fill.b}), QVector<int>({red, green, blue}));
        QVERIFY2(globes[0].pen == Colour::Red, "the globe is outlined red");
    }

    void globeShapeFollowsKindAndSide_data() {
        addDirectionColumns();
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("halfWidth");
        QTest::addColumn<int>("halfHeight");
        QTest::newRow("bulb 1, top") << Point{1, 0} << int(ElementKind::Bulb1) << 12 << 12;
        QTest::newRow("bulb 2, top") << Point{1, 0} << int(ElementKind::Bulb2) << 12 << 9;
        QTest::newRow("bulb 2, right") << Point{0, 1} << int(ElementKind::Bulb2) << 9 << 12;
        QTest::newRow("bulb 2, bottom") << Point{-1, 0} << int(ElementKind::Bulb2) << 12 << 9;
        QTest::newRow("bulb 3, top") << Point{1, 0} << int(ElementKind::Bulb3) << 9 << 12;
        QTest::newRow("bulb 3, right") << Point{0, 1} << int(ElementKind::Bulb3) << 12 << 9;
        QTest::newRow("bulb 3, bottom") << Point{-1, 0} << int(ElementKind::Bulb3) << 9 << 12;
    }
    void globeShapeFollowsKindAndSide() {
        QFETCH(Point, direction);
        QFETCH(int, kind);
        QFETCH(int, halfWidth);
        QFETCH(int, halfHeight);
        const auto globes =
            drawn(direction, 60, bulb(static_cast<ElementKind>(kind)), 40).all(Kind::Ellipse);
        QCOMPARE(int(globes.size()), 1);
        const Point c = centreOf(direction, 60);
        QCOMPARE(globes[0].from, c - Point({halfWidth, halfHeight}));
        QCOMPARE(globes[0].to, c + Point({halfWidth, halfHeight}));
    }

    void filamentLoopsOffTheWire_data() {
        addDirectionColumns();
        QTest::addColumn<Point>("firstOffset");
        QTest::newRow("top side: 6 up, tip below") << Point{1, 0} << Point{0, 6};
        QTest::newRow("right side: 6 right, tip left") << Point{0, 1} << Point{-6, 0};
        QTest::newRow("bottom side") << Point{-1, 0} << Point{0, 6};
    }
    void filamentLoopsOffTheWire() {
        QFETCH(Point, direction);
        QFETCH(Point, firstOffset);
        const RecordingCanvas c = drawn(direction, 60, bulb(ElementKind::Bulb1), 0, true);
        const auto red = c.lines(Colour::Red, 1);
        QCOMPARE(int(red.size()), 1 + 20); // the wire under the bulb, then the filament
        const Point centre = centreOf(direction, 60);
        QCOMPARE(red[1].from, centre + firstOffset);
        QCOMPARE(red.back().to, centre + firstOffset);
        // Half way round (theta = pi) the curve passes through the element's centre.
        QCOMPARE(red[10].to, centre);
        QVERIFY2(c.lines(Colour::Red, 2).empty(), "hidden brightness draws no rays");
    }

    void raysFanOverAHalfCircle_data() {
        QTest::addColumn<int>("brightness");
        QTest::addColumn<int>("raySlots");
        QTest::addColumn<int>("full");
        QTest::addColumn<int>("partialLength"); // 0: no partial ray
        QTest::newRow("0: none") << 0 << 0 << 0 << 0;
        QTest::newRow("2: a slot, no ray") << 2 << 1 << 0 << 0;
        QTest::newRow("3: a short ray") << 3 << 1 << 0 << 1;
        QTest::newRow("25: one straight up") << 25 << 1 << 1 << 0;
        QTest::newRow("26: one at a third") << 26 << 2 << 1 << 0;
        QTest::newRow("62: two and a partial") << 62 << 3 << 2 << 4;
        QTest::newRow("100: four") << 100 << 4 << 4 << 0;
        QTest::newRow("300: twelve") << 300 << 12 << 12 << 0;
    }
    void raysFanOverAHalfCircle() {
        QFETCH(int, brightness);
        QFETCH(int, raySlots);
        QFETCH(int, full);
        QFETCH(int, partialLength);
        for (Point direction : {Point{1, 0}, Point{0, 1}}) {
            const RecordingCanvas c = drawn(direction, 60, bulb(ElementKind::Bulb1), brightness);
            const auto rays = c.lines(Colour::Red, 2);
            QCOMPARE(int(rays.size()), full + (partialLength > 0 ? 1 : 0));
            const Point centre = centreOf(direction, 60);
            const double base = direction.y != 0 ? -kPi / 2 : 0.0;
            for (int j = 0; j < int(rays.size()); ++j) {
                const auto& ray = rays[j];
                const double angle = (j + 1) * kPi / (raySlots + 1) + base;
                const double length = j < full ? 25.0 : 17.0 + partialLength;
                // Every end is cut toward the centre, so it lies within a pixel of the circle.
                const double dx = ray.to.x - centre.x, dy = centre.y - ray.to.y;
                VOLTARO_COMPARE_NEAR(std::hypot(dx, dy), length, 1.5);
                VOLTARO_COMPARE_NEAR(std::atan2(dy, dx),
                                     std::atan2(std::sin(angle), std::cos(angle)), 0.08);
                QVERIFY2(std::hypot(ray.from.x - centre.x, centre.y - ray.from.y) > 15.5,
                         qPrintable("ray starts at radius 17: " + rayText(ray)));
            }
        }
    }

    void aStraightUpRayIsExact() {
        const auto rays = drawn({1, 0}, 60, bulb(ElementKind::Bulb1), 25).lines(Colour::Red, 2);
        QCOMPARE(int(rays.size()), 1);
        const Point c = centreOf({1, 0}, 60);
        QCOMPARE(rays[0].from, c + Point({0, -17}));
        QCOMPARE(rays[0].to, c + Point({0, -25}));
    }

    void aHugeBrightnessStillDrawsQuickly() {
        const RecordingCanvas c =
            drawn({1, 0}, 60, bulb(ElementKind::Bulb1), std::numeric_limits<int>::max());
        const auto rays = c.lines(Colour::Red, 2);
        QVERIFY2(!rays.empty() && rays.size() <= 1001,
                 "a saturated brightness draws a full fan of at most a thousand rays");
        QVERIFY2(c.all(Kind::Ellipse)[0].brush == Colour::Yellow, "filled full yellow");
    }
};

VOLTARO_TEST_CLASS(GlyphTest)
#include "tst_glyphs.moc"
