#include "board_setup.h"
#include "solver/meter_potential.h"
#include "support/test_runner.h"
#include "view/ohm_sign.h"

#include <cmath>
#include <limits>

using namespace voltaro;
using namespace voltaro::test;
using Kind = RecordingCanvas::Kind;

namespace {

QStringList textsOf(const RecordingCanvas& c) {
    QStringList out;
    for (const auto& t : c.all(Kind::Text))
        out << QString::fromStdString(t.text);
    return out;
}

int firstIndex(const RecordingCanvas& c, Kind kind, const std::string& text) {
    for (std::size_t i = 0; i < c.drawn.size(); ++i)
        if (c.drawn[i].kind == kind && c.drawn[i].text == text)
            return int(i);
    return -1;
}

} // namespace

class PaintLabelTest : public QObject {
    Q_OBJECT

private slots:
    void labelsNumberLoadsAndSwitchesApart_data() {
        QTest::addColumn<bool>("showResistance");
        QTest::addColumn<bool>("labelLoads");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("neither") << false << false << QStringList{};
        QTest::newRow("label loads")
            << false << true << QStringList{"R1", "L2", "R3", "S1", "S2", "L4"};
        QTest::newRow("show resistance")
            << true << false << QStringList{"= 100", "= 99", "S1", "S2"};
        QTest::newRow("both") << true << true
                              << QStringList{"R1= 100", "L2", "R3= 99", "S1", "S2", "L4"};
    }
    void labelsNumberLoadsAndSwitchesApart() {
        QFETCH(bool, showResistance);
        QFETCH(bool, labelLoads);
        QFETCH(QStringList, texts);
        CircuitTables tables = defaultTables();
        setBranch(tables, kTopSide, 1, 1, 1,
                  {resistor(100), bulb(ElementKind::Bulb2), resistor(99.9)});
        setBranch(tables, kTopSide, 1, 1, 2, {wire(), closedSwitch()});
        setBranch(tables, kBottomSide, 1, 1, 1, {openSwitch(), bulb(ElementKind::Bulb3)});
        RecordedBoard board;
        board.bench.menu(MenuId::ShowResistance1).checked = showResistance;
        board.bench.menu(MenuId::Labelloads1).checked = labelLoads;
        board.paint(tables);
        QStringList got = textsOf(board.canvas);
        QCOMPARE(got, texts);
        QCOMPARE(int(board.canvas.all(Kind::Blit).size()), showResistance ? 2 : 0);
    }

    void aValueOnAHorizontalSideIsFollowedByTheOhmSign() {
        CircuitTables tables = defaultTables();
        setBranch(tables, kTopSide, 1, 1, 1, {resistor(100)});
        RecordedBoard board;
        board.bench.menu(MenuId::ShowResistance1).checked = true;
        board.paint(tables);
        const Marker& a = board.bench.model.markers.slot(1);
        const Marker& b = board.bench.model.markers.slot(2);
        const auto texts = board.canvas.all(Kind::Text);
        QCOMPARE(int(texts.size()), 1);
        const int x = (a.left + b.left) / 2;
        QCOMPARE(texts[0].from, Point({x, a.top + 4}));
        const auto blits = board.canvas.all(Kind::Blit);
        QCOMPARE(int(blits.size()), 1);
        // Placed by the bold width of "= 100", 7 pixels a character on this canvas.
        QCOMPARE(blits[0].from, Point({x + 35 + 1, a.top + 7}));
        QVERIFY(blits[0].picture == &ohmSign());
    }

    void onTheRightSideTheValueStandsUnderTheName() {
        CircuitTables tables = defaultTables();
        setBranch(tables, kRightSide, 1, 1, 1, {resistor(47)});
        RecordedBoard board;
        board.bench.menu(MenuId::ShowResistance1).checked = true;
        board.bench.menu(MenuId::Labelloads1).checked = true;
        board.paint(tables);
        const Marker& a = board.bench.model.markers.slot(109);
        const Marker& b = board.bench.model.markers.slot(110);
        const int y = (a.top + b.top) / 2;
        const auto texts = board.canvas.all(Kind::Text);
        QCOMPARE(int(texts.size()), 2);
        QCOMPARE(QString::fromStdString(texts[0].text), QStringLiteral("R1"));
        QCOMPARE(texts[0].from, Point({a.left + 5, y}));
        QCOMPARE(QString::fromStdString(texts[1].text), QStringLiteral("= 47"));
        QCOMPARE(texts[1].from, Point({a.left + 5, y + 15}));
        QCOMPARE(board.canvas.all(Kind::Blit)[0].from, Point({a.left + 6 + 4 * 7, y + 18}));
    }

    void theLabelComesBeforeItsGlyph() {
        CircuitTables tables = defaultTables();
        setBranch(tables, kTopSide, 1, 1, 1, {resistor(100)});
        RecordedBoard board;
        board.bench.menu(MenuId::Labelloads1).checked = true;
        board.paint(tables);
        const int label = firstIndex(board.canvas, Kind::Text, "R1");
        int wipe = -1;
        for (std::size_t i = 0; i < board.canvas.drawn.size(); ++i) {
            const auto& p = board.canvas.drawn[i];
            if (p.kind == Kind::Line && p.pen == Colour::White && p.from == board.anchor(1))
                wipe = int(i);
        }
        QVERIFY2(label >= 0 && wipe > label, "the glyph draws over its label");
    }

    void resistanceLabelsAreTruncatedAndSaturated_data() {
        QTest::addColumn<double>("ohms");
        QTest::addColumn<QString>("text");
        QTest::newRow("99.9 is 99") << 99.9 << "= 99";
        QTest::newRow("negative") << -12.7 << "= -12";
        QTest::newRow("-0.5 is 0") << -0.5 << "= 0";
        QTest::newRow("above the int range") << 2147483648.9 << "= 2147483648";
        QTest::newRow("1e20") << 1e20 << "= 100000000000000000000";
        QTest::newRow("-1e20") << -1e20 << "= -100000000000000000000";
        QTest::newRow("not a number") << std::nan("") << "= 0";
        QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << "= 2147483647";
    }
    void resistanceLabelsAreTruncatedAndSaturated() {
        QFETCH(double, ohms);
        QFETCH(QString, text);
        CircuitTables tables = defaultTables();
        setBranch(tables, kTopSide, 1, 1, 1, {resistor(ohms), bulb(ElementKind::Bulb1)});
        RecordedBoard board;
        board.bench.menu(MenuId::ShowResistance1).checked = true;
        board.paint(tables);
        QCOMPARE(textsOf(board.canvas), QStringList{text});
        QVERIFY2(!board.canvas.all(Kind::Ellipse).empty(), "the bulb after it is still drawn");
    }

    void meterLeadsRunToThePanelCentre() {
        RecordedBoard board;
        Workbench& bench = board.bench;
        bench.menu(MenuId::None1).checked = false;
        bench.menu(MenuId::Voltage1).checked = true;
        bench.marker(MarkerId::vpos).moveAnchorTo(96, 96);
        bench.marker(MarkerId::vneg).moveAnchorTo(116, 96);
        board.paint(defaultTables());
        // meterpl at (288, 248), 193 x 145: centre (384, 320).
        const auto black = board.canvas.lines(Colour::Black, 2);
        QCOMPARE(int(black.size()), 1);
        QCOMPARE(black[0].from, Point({96, 96}));
        QCOMPARE(black[0].to, Point({376, 312}));
        QVERIFY2(board.canvas.hasLine({116, 96}, {376, 328}, Colour::Red), "the red lead");
        QVERIFY2(board.canvas.lines(Colour::Red, 2).size() == 1, "only the first meter's leads");
        QCOMPARE(board.canvas.penWidth(), 1);
    }

    void noLeadsWhileTheMeterIsOff() {
        RecordedBoard board;
        board.paint(defaultTables());
        QVERIFY(board.canvas.lines(Colour::Black, 2).empty());
    }

    void aBreakIsAWhiteGapToTheBreakMarker() {
        RecordedBoard board;
        Workbench& bench = board.bench;
        bench.meter.breakCount = 1;
        bench.meter.breakShape = MarkerRef::slot(2);
        bench.meter.breakMarkerLeft = -15;
        Marker& ampsh = bench.marker(MarkerId::ampsh);
        ampsh.left = bench.model.markers.slot(2).left - 15;
        ampsh.top = bench.model.markers.slot(2).top;
        ampsh.visible = true;
        board.paint(defaultTables());
        const auto white = board.canvas.lines(Colour::White, 2);
        QCOMPARE(int(white.size()), 1);
        QCOMPARE(white[0].from, Point({529, 121}));
        QCOMPARE(white[0].to, Point({514, 121}));
        QVERIFY2(board.canvas.drawn.back().kind == Kind::Line &&
                     board.canvas.drawn.back().pen == Colour::White,
                 "the break mark is drawn last");
        QVERIFY2(board.canvas.penColour() == Colour::Black && board.canvas.penWidth() == 1,
                 "the pen is left black and 1 pixel wide");
    }

    void variableSupplyDialAndBoldCaption() {
        RecordedBoard board;
        board.bench.menu(MenuId::Source1).tag = int(SourceKind::Variable);
        board.paint(defaultTables());
        const RecordingCanvas& c = board.canvas;
        // battneg (34, 236), battpos top 340: the middle at 288.
        const auto boxes = c.all(Kind::Rectangle);
        QCOMPARE(int(boxes.size()), 2);
        QCOMPARE(boxes[1].from, Point({30, 258}));
        QCOMPARE(boxes[1].to, Point({89, 306}));
        QCOMPARE(boxes[1].penWidth, 2);
        QVERIFY2(c.hasLine({59, 288}, {49, 258}, Colour::Black), "3.0 V: 15 pixels from the left");
        QVERIFY2(c.hasLine({59, 288}, {34, 258}, Colour::Red), "the dial's left limit");
        QVERIFY2(c.hasLine({59, 288}, {84, 258}, Colour::Red), "the dial's right limit");
        const auto texts = c.all(Kind::Text);
        QCOMPARE(int(texts.size()), 1);
        QCOMPARE(QString::fromStdString(texts[0].text), QStringLiteral("V: 3.0 V"));
        QCOMPARE(texts[0].from, Point({35, 290}));
        QVERIFY(texts[0].bold);
    }

    void theBoldStyleStaysForTheRestOfTheRun() {
        RecordedBoard board;
        board.bench.menu(MenuId::Source1).tag = int(SourceKind::Variable);
        board.paint(defaultTables());
        board.bench.menu(MenuId::Source1).tag = int(SourceKind::Cells);
        board.bench.menu(MenuId::Labelloads1).checked = true;
        CircuitTables tables = defaultTables();
        setBranch(tables, kTopSide, 1, 1, 1, {resistor(10)});
        board.paint(tables);
        const auto texts = board.canvas.all(Kind::Text);
        QCOMPARE(int(texts.size()), 1);
        QVERIFY2(texts[0].bold, "a label painted after the supply's caption is bold");
    }

    void aLockedCircuitShowsNoVariableSupply() {
        RecordedBoard board;
        board.bench.menu(MenuId::Source1).tag = int(SourceKind::Variable);
        board.bench.menu(MenuId::Options1).enabled = false;
        board.paint(defaultTables());
        QCOMPARE(int(board.canvas.all(Kind::Rectangle).size()), 1);
        QVERIFY(board.canvas.all(Kind::Text).empty());
        QVERIFY2(!board.canvas.bold(), "the style stays regular");
    }

    void anAbsurdSupplyStillPaints_data() {
        QTest::addColumn<double>("volts");
        QTest::newRow("1e300") << 1e300;
        QTest::newRow("1e150: a saturated brightness") << 1e150;
        QTest::newRow("-1e300") << -1e300;
        QTest::newRow("not a number") << std::nan("");
    }
    void anAbsurdSupplyStillPaints() {
        QFETCH(double, volts);
        RecordedBoard board;
        board.bench.menu(MenuId::Source1).tag = int(SourceKind::Variable);
        board.bench.model.source.supplyVoltage = volts;
        CircuitTables tables = defaultTables();
        setBranch(tables, kTopSide, 1, 1, 1, {bulb(ElementKind::Bulb1), resistor(1e-300)});
        board.paint(tables);
        const auto needle = board.canvas.lines(Colour::Black, 2);
        QVERIFY2(!needle.empty(), "the needle is drawn");
        QCOMPARE(needle[0].from, Point({59, 288}));
        QVERIFY2(board.canvas.lines(Colour::Red, 2).size() <= 1001, "at most a full fan of rays");
        // Found by fuzzing: the needle ran to the end of the int range; it is cut at the board.
        for (const auto& line : board.canvas.all(Kind::Line))
            for (Point p : {line.from, line.to})
                QVERIFY2(p.x >= -8 && p.x <= kBoardWidth + 8 && p.y >= -8 &&
                             p.y <= kBoardHeight + 8,
                         "every line lies on the board");
    }

    void theMeterRefreshMeasuresAtTheLeadsOrTheBreak() {
        Workbench bench;
        startUp(bench);
        bench.menu(MenuId::None1).checked = false;
        bench.menu(MenuId::Voltage1).checked = true;
        bench.meter.leadSlot[1] = 5;
        bench.meter.leadSlot[2] = kNoLeadSlot;
        bench.ui.currentSlot = 0;
        placeRbt(bench);
        const std::optional<double> atSlot5 = nodePotential(bench.model.tables, bench.results, 5);
        QVERIFY(atSlot5);
        QCOMPARE(bench.meter.leadPotential[1], *atSlot5);
        QCOMPARE(bench.meter.leadPotential[2], kOpenSentinel);
        QVERIFY2(bench.ui.currentSlot == 0 && bench.meter.leadIndex == 1,
                 "the leads are measured without the current slot and the lead index");

        bench.menu(MenuId::Voltage1).checked = false;
        bench.menu(MenuId::current1).checked = true;
        bench.meter.breakSlot = 7;
        placeRbt(bench);
        QCOMPARE(bench.ui.currentSlot, 7);

        bench.menu(MenuId::current1).checked = false;
        bench.menu(MenuId::None1).checked = true;
        bench.ui.currentSlot = 3;
        placeRbt(bench);
        QCOMPARE(bench.ui.currentSlot, 3);
    }
};

VOLTARO_TEST_CLASS(PaintLabelTest)
#include "tst_paint_labels.moc"
