#include "board_setup.h"
#include "qt/qt_canvas.h"
#include "support/test_runner.h"
#include "view/ohm_sign.h"

#include <QFontInfo>
#include <QPainter>

#include <limits>

using namespace voltaro;
using namespace voltaro::test;

namespace {

QImage blankBoard() {
    QImage image(kBoardWidth, kBoardHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QColor at(const QImage& image, Point p) {
    return QColor(image.pixel(p.x, p.y));
}

int countColour(const QImage& image, QRect box, QColor colour) {
    int n = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (QColor(image.pixel(x, y)) == colour)
                ++n;
    return n;
}

// The board drawing on a real picture.
struct PaintedBoard : StartedBoard {
    QImage image = blankBoard();
    QtCanvas canvas{image};

    PaintedBoard() { start(canvas); }
};

} // namespace

class QtCanvasTest : public QObject {
    Q_OBJECT

private slots:
    void linesLeaveOutTheirEndPixel_data() {
        QTest::addColumn<Point>("from");
        QTest::addColumn<Point>("to");
        QTest::newRow("right") << Point{10, 10} << Point{20, 10};
        QTest::newRow("left") << Point{20, 10} << Point{10, 10};
        QTest::newRow("down") << Point{10, 10} << Point{10, 20};
        QTest::newRow("up") << Point{10, 20} << Point{10, 10};
        QTest::newRow("diagonal down-right") << Point{10, 10} << Point{20, 20};
        QTest::newRow("diagonal up-left") << Point{20, 20} << Point{10, 10};
        QTest::newRow("steep") << Point{10, 10} << Point{13, 30};
        QTest::newRow("shallow back") << Point{40, 12} << Point{10, 10};
    }
    void linesLeaveOutTheirEndPixel() {
        QFETCH(Point, from);
        QFETCH(Point, to);
        QImage image = blankBoard();
        QtCanvas canvas(image);
        canvas.setPenColour(Colour::Red);
        canvas.line(from, to);
        canvas.finish();
        QCOMPARE(at(image, from), QColor(Qt::red));
        QCOMPARE(at(image, to), QColor(Qt::white));
        const int steps = std::max(std::abs(to.x - from.x), std::abs(to.y - from.y));
        QCOMPARE(countColour(image, image.rect(), Qt::red), steps);
    }

    void twoPixelLinesDoubleTowardSmallerCoordinates() {
        QImage image = blankBoard();
        QtCanvas canvas(image);
        canvas.setPenColour(Colour::Black);
        canvas.setPenWidth(2);
        canvas.line({10, 10}, {20, 10});
        canvas.line({40, 10}, {40, 20});
        canvas.finish();
        QCOMPARE(countColour(image, QRect(10, 9, 10, 2), Qt::black), 20);
        QCOMPARE(countColour(image, QRect(39, 10, 2, 10), Qt::black), 20);
        QCOMPARE(countColour(image, image.rect(), Qt::black), 40);
    }

    void aLineTowardAFarPointIsCutAtTheBoard() {
        QImage image = blankBoard();
        QtCanvas canvas(image);
        canvas.setPenColour(Colour::Black);
        canvas.line({100, 100}, {std::numeric_limits<int>::max(), 100});
        canvas.line({100, 200}, {std::numeric_limits<int>::min(), -1000000000});
        canvas.finish();
        QCOMPARE(countColour(image, QRect(0, 100, kBoardWidth, 1), Qt::black), kBoardWidth - 100);
        QCOMPARE(at(image, {100, 200}), QColor(Qt::black));
    }

    void rectanglesAreFilledAndOutlinedWithoutTheirFarEdges() {
        QImage image = blankBoard();
        QtCanvas canvas(image);
        canvas.setPenColour(Colour::Red);
        canvas.setBrushColour(Colour::Yellow);
        canvas.rectangle(10, 20, 16, 24);
        canvas.finish();
        QCOMPARE(countColour(image, image.rect(), Qt::red), 2 * 6 + 2 * 2);
        QCOMPARE(countColour(image, QRect(11, 21, 4, 2), Qt::yellow), 8);
        QCOMPARE(at(image, {16, 20}), QColor(Qt::white));
        QCOMPARE(at(image, {10, 24}), QColor(Qt::white));
    }

    void ellipsesKeepTheirBox() {
        QImage image = blankBoard();
        QtCanvas canvas(image);
        canvas.setPenColour(Colour::Red);
        canvas.setBrushColour(Colour::Yellow);
        canvas.ellipse(100, 100, 124, 124);
        canvas.finish();
        QCOMPARE(at(image, {112, 112}), QColor(Qt::yellow));
        QCOMPARE(countColour(image, QRect(0, 0, 100, kBoardHeight), Qt::red), 0);
        QCOMPARE(countColour(image, QRect(124, 0, 100, kBoardHeight), Qt::red), 0);
        QVERIFY(countColour(image, QRect(100, 100, 24, 24), Qt::red) > 40);
    }

    // Ellipses are drawn once and copied after: every copy has the painter's own pixels, wherever
    // it lies, cut at the picture's edge too.
    void ellipsesHaveThePaintersPixelsWhereverTheyLie_data() {
        QTest::addColumn<QRect>("box"); // left, top, right, bottom as the canvas takes them
        QTest::addColumn<int>("penWidth");
        QTest::addColumn<QPoint>("second"); // where the same ellipse is drawn again
        QTest::newRow("a bulb") << QRect(QPoint(100, 100), QPoint(124, 119)) << 1
                                << QPoint(301, 57);
        QTest::newRow("a wide pen") << QRect(QPoint(10, 20), QPoint(15, 25)) << 2 << QPoint(7, 500);
        QTest::newRow("over the edge")
            << QRect(QPoint(40, 40), QPoint(64, 64)) << 1 << QPoint(-5, 515);
        QTest::newRow("larger than the picture")
            << QRect(QPoint(-100, -50), QPoint(900, 600)) << 1 << QPoint(-90, -40);
    }
    void ellipsesHaveThePaintersPixelsWhereverTheyLie() {
        QFETCH(QRect, box);
        QFETCH(int, penWidth);
        QFETCH(QPoint, second);
        QImage drawn = blankBoard();
        QImage expected = blankBoard();
        {
            QtCanvas canvas(drawn);
            QPainter p(&expected);
            canvas.setPenColour(Colour::Red);
            canvas.setPenWidth(penWidth);
            canvas.setBrushColour(Colour::Yellow);
            p.setPen(QPen(Qt::red, penWidth <= 1 ? 0 : penWidth));
            p.setBrush(Qt::yellow);
            for (const QPoint corner : {box.topLeft(), second}) {
                const QRect r = box.translated(corner - box.topLeft());
                canvas.ellipse(r.left(), r.top(), r.right(), r.bottom());
                p.drawEllipse(QRect(r.left(), r.top(), r.width() - 2, r.height() - 2));
            }
        }
        QCOMPARE(drawn, expected);
    }

    void theBoardFontIsArialEightPointBold() {
        QImage image = blankBoard();
        QtCanvas canvas(image);
        const int regular = canvas.textWidth("abcdefghij", false);
        const int bold = canvas.textWidth("abcdefghij", true);
        QVERIFY2(regular >= 44 && regular <= 56, "Arial 8 point at 96 dpi: 11 pixels an em");
        QVERIFY2(bold > regular, "bold is wider");
        QFont font(QStringLiteral("arial"));
        QVERIFY2(QFontInfo(font).family().contains(QStringLiteral("Liberation Sans")) ||
                     QFontInfo(font).family().contains(QStringLiteral("Arial")),
                 "arial resolves to Arial or Liberation Sans");
    }

    void textStandsOnAnOpaqueWhiteBox() {
        QImage image = blankBoard();
        QtCanvas canvas(image);
        canvas.setPenColour(Colour::Red);
        canvas.setBrushColour(Colour::Red);
        canvas.rectangle(0, 0, 200, 100);
        canvas.setBrushColour(Colour::White);
        canvas.text({20, 30}, "R1= 100");
        canvas.finish();
        const QRect box(20, 30, canvas.textWidth("R1= 100", false), 11);
        QCOMPARE(countColour(image, box, Qt::red), 0);
        QVERIFY2(countColour(image, box, Qt::black) > 20, "the text is black");
        QCOMPARE(at(image, {19, 35}), QColor(Qt::red));
    }

    void theOhmSignIsCopiedPixelForPixel() {
        QImage image = blankBoard();
        image.fill(Qt::red);
        QtCanvas canvas(image);
        canvas.blit({50, 60}, ohmSign());
        canvas.finish();
        static const char* const rows[] = {"..####..", ".##..##.", "##....##", "##....##",
                                           "##....##", ".#....#.", ".#....#.", "###..###"};
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                QVERIFY2(at(image, {50 + x, 60 + y}) ==
                             (rows[y][x] == '#' ? QColor(Qt::black) : QColor(Qt::white)),
                         qPrintable(QStringLiteral("ohm sign pixel (%1, %2)").arg(x).arg(y)));
        QCOMPARE(at(image, {58, 60}), QColor(Qt::red));
    }

    void aResistorLabelEndsInTheOhmSign() {
        PaintedBoard board;
        board.bench.menu(MenuId::ShowResistance1).checked = true;
        CircuitTables tables = defaultTables();
        setBranch(tables, kTopSide, 1, 1, 1, {resistor(100)});
        board.paint(tables);
        const Marker& a = board.bench.model.markers.slot(1);
        const Marker& b = board.bench.model.markers.slot(2);
        const Point sign{(a.left + b.left) / 2 + board.canvas.textWidth("= 100", true) + 1,
                         a.top + 7};
        QCOMPARE(at(board.image, sign + Point({2, 0})), QColor(Qt::black));
        QCOMPARE(at(board.image, sign + Point({0, 0})), QColor(Qt::white));
        QCOMPARE(at(board.image, sign + Point({0, 2})), QColor(Qt::black));
        QCOMPARE(at(board.image, sign + Point({3, 4})), QColor(Qt::white));
    }

    void aBulbIsFilledByItsBrightness_data() {
        QTest::addColumn<bool>("dark");
        QTest::addColumn<bool>("showBrightness");
        QTest::addColumn<QColor>("fill");
        // Bulb #2 alone on 3 V: 0.3 A, 0.9 W, brightness Trunc(200 * sqrt(0.9)) = 189.
        QTest::newRow("lit") << false << true << QColor(189, 189, 0);
        QTest::newRow("dark behind an open switch") << true << true << QColor(Qt::black);
        QTest::newRow("brightness hidden") << false << false << QColor(Qt::white);
    }
    void aBulbIsFilledByItsBrightness() {
        QFETCH(bool, dark);
        QFETCH(bool, showBrightness);
        QFETCH(QColor, fill);
        PaintedBoard board;
        board.bench.menu(MenuId::ShowBright1).checked = showBrightness;
        CircuitTables tables = defaultTables();
        setBranch(tables, kTopSide, 1, 1, 1, {bulb(ElementKind::Bulb2)});
        if (dark)
            setBranch(tables, kRightSide, 1, 1, 1, {openSwitch()});
        board.paint(tables);
        const Point centre = board.anchor(1) + Point{455 / 2, 0};
        // Beside the filament, which crosses the centre itself.
        QCOMPARE(at(board.image, centre + Point({-9, 2})), fill);
        QCOMPARE(at(board.image, centre + Point({-12, 0})), QColor(Qt::red));
        const int rays =
            countColour(board.image, QRect(centre.x - 26, centre.y - 26, 53, 10), Qt::red);
        QVERIFY2((rays > 0) == (!dark && showBrightness), "rays only for a lit, shown bulb");
    }

    void theDefaultBoardShowsTheLoop() {
        PaintedBoard board;
        const QImage& image = board.image;
        QCOMPARE(at(image, {30, 200}), QColor(Qt::red));  // left edge
        QCOMPARE(at(image, {300, 121}), QColor(Qt::red)); // top side
        QCOMPARE(at(image, {550, 300}), QColor(Qt::red)); // right side
        QCOMPARE(at(image, {300, 452}), QColor(Qt::red)); // bottom side
        QCOMPARE(at(image, {300, 300}), QColor(Qt::white));
        QCOMPARE(at(image, {5, 298}), QColor(Qt::red)); // a long plate of the battery
    }
};

VOLTARO_TEST_CLASS(QtCanvasTest)
#include "tst_qt_canvas.moc"
