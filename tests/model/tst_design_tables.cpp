#include "model/lane_labels.h"
#include "model/markers.h"
#include "model/menus.h"
#include "model/widgets.h"
#include "support/test_runner.h"

#include <set>
#include <string>

using namespace voltaro;

// The design tables are indexed by their enums; a row out of order would silently give one
// entry another's name and state.
class DesignTablesTest : public QObject {
    Q_OBJECT

private slots:
    void menuRowsFollowTheirIds() {
        std::set<std::string> names;
        for (int i = 0; i < kMenuCount; ++i) {
            const auto id = static_cast<MenuId>(i);
            QVERIFY2(menuDesign(id).id == id, menuName(id));
            QVERIFY2(names.insert(menuName(id)).second, menuName(id));
            QVERIFY(menuByName(menuName(id)) == id);
        }
    }

    void menusStartAsTheWindowDoes() {
        const Menus menus = makeDesignMenus();
        QCOMPARE(menus.sourceKind(), SourceKind::Cells);
        QCOMPARE(menus.cellsInSeries(), 2);
        QCOMPARE(menus.cellsInParallel(), 1);
        QVERIFY(menus.showBrightness());
        QVERIFY(!menus.showResistance() && !menus.labelLoads());
        QVERIFY(menus.meterOff());
        QVERIFY(!menus[MenuId::Join1].enabled);
        QVERIFY(!menus[MenuId::N04].visible && !menus[MenuId::N07].visible);
        QVERIFY(!menus[MenuId::Meter21].visible);
        QCOMPARE(QString::fromStdString(menus[MenuId::NumPar1].caption.english()),
                 QStringLiteral("Number of Parallel (1)"));
    }

    void menuTreeHangsTogether() {
        const std::vector<MenuId> expectedTop = {
            MenuId::File1,    MenuId::Edit1,    MenuId::Circuits1, MenuId::Reset1,
            MenuId::Options1, MenuId::Measure1, MenuId::Meter21,   MenuId::Help1};
        QVERIFY(mainMenuEntries() == expectedTop);
        const std::vector<MenuId> element = {MenuId::Add1,  MenuId::Bulb1, MenuId::Switch1,
                                             MenuId::Wire2, MenuId::N5,    MenuId::Break1,
                                             MenuId::Join1};
        QVERIFY(menuChildren(MenuId::secondpu) == element);
        QCOMPARE(menuChildren(MenuId::firstParallel01).size(), std::size_t(4));
        QVERIFY(isSeparator(MenuId::N5));
        QVERIFY(!isSeparator(MenuId::Add1));
    }

    void widgetRowsFollowTheirIds() {
        for (int i = 0; i < kWidgetCount; ++i) {
            const auto id = static_cast<WidgetId>(i);
            QVERIFY2(widgetDesign(id).id == id, widgetName(id));
            QVERIFY(widgetByName(widgetName(id)) == id);
        }
    }

    void markersStackWithTheLeadsOnTop() {
        const auto& stack = markerStackBottomToTop();
        QCOMPARE(static_cast<int>(stack.size()), kNamedMarkerCount + kSlots + 36);
        const std::vector<MarkerRef> top(stack.end() - 4, stack.end());
        QVERIFY(top[0].is(MarkerId::vpos) && top[1].is(MarkerId::vneg));
        std::set<std::pair<int, int>> seen;
        for (const MarkerRef& ref : stack) {
            QVERIFY(ref.isValid());
            QVERIFY(seen.insert({static_cast<int>(ref.family), ref.index}).second);
        }
    }

    void branchMarkersCarryTheirBlocksFirstSlot() {
        const Markers markers = makeDesignMarkers();
        for (int side = 1; side <= kSides; ++side)
            for (int lane = 1; lane <= kLanes; ++lane)
                for (int block = 1; block <= kBlocks; ++block) {
                    const int tag = side * 108 + lane * 36 + block * 12 - 155;
                    QCOMPARE(markers.branch(side, lane, block).tag, tag);
                    QCOMPARE(&markers.at(MarkerRef::branch(side, lane, block)),
                             &markers.branch(side, lane, block));
                }
    }

    void laneCaptionsBySide_data() {
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("k");
        QTest::addColumn<QString>("caption");
        QTest::newRow("top 1") << 1 << 1 << "Top Parallel (2)";
        QTest::newRow("top 3") << 1 << 3 << "Bottom Parallel (2)";
        QTest::newRow("right 1") << 2 << 1 << "Left Parallel (2)";
        QTest::newRow("right 2") << 2 << 2 << "Middle Parallel (2)";
        QTest::newRow("right 3") << 2 << 3 << "Right Parallel (2)";
        QTest::newRow("hidden") << 3 << 1 << "";
        QTest::newRow("bottom 2") << 4 << 2 << "Middle Parallel (2)";
        QTest::newRow("outside") << 5 << 1 << "";
    }
    void laneCaptionsBySide() {
        QFETCH(int, side);
        QFETCH(int, k);
        QFETCH(QString, caption);
        QCOMPARE(QString::fromStdString(laneCaption(side, k, 2).english()), caption);
    }
};

VOLTARO_TEST_CLASS(DesignTablesTest)
#include "tst_design_tables.moc"
