#include "bench/operations.h"
#include "qt/current_animation.h"
#include "support/circuits.h"
#include "support/test_runner.h"
#include "window_driver.h"

#include <algorithm>

using namespace voltaro;
using namespace voltaro::test;

namespace {

constexpr Rgb kDotBlue{0, 0, 139};

bool showsADot(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (QColor(image.pixel(x, y)) == QColor(kDotBlue.r, kDotBlue.g, kDotBlue.b))
                return true;
    return false;
}

// A bulb on the top side, lit by the battery, shown in the window.
void lightABulb(WindowDriver& w) {
    CircuitTables tables = defaultTables();
    setBranch(tables, kTopSide, 1, 1, 1, {bulb(ElementKind::Bulb1)});
    w.bench().model.tables = tables;
    getsizebt(w.bench());
    w.window.mirror();
}

} // namespace

class CurrentWindowTest : public QObject {
    Q_OBJECT

private slots:
    // The dots lie over the board, never in its picture: what is copied or printed holds none.
    void dotsLeaveTheBoardPictureAsItWas() {
        WindowDriver w;
        lightABulb(w);
        const QImage before = w.picture();
        w.choose("ShowCurrent1");
        QVERIFY(w.bench().menu(MenuId::ShowCurrent1).checked);
        QCOMPARE(w.picture(), before);
        QVERIFY2(showsADot(w.panel()->grab().toImage()), "the board shows the dots");
        w.choose("Copy1");
        const std::vector<Rgb>& copied = w.platform.clipboard.back().pixels;
        QVERIFY2(std::find(copied.begin(), copied.end(), kDotBlue) == copied.end(),
                 "the copy holds no dot");
    }

    // 30 frames a second only while Show Current is on, current flows and the window is shown.
    void dotsMoveOnlyWhileTheWindowShowsThem() {
        WindowDriver w;
        auto* animation = w.window.findChild<CurrentAnimation*>();
        QVERIFY2(animation && !animation->isRunning(), "still until Show Current is chosen");
        w.choose("ShowCurrent1");
        QVERIFY2(animation->isRunning(), "the default loop's short races");
        w.window.showMinimized();
        QVERIFY2(!animation->isRunning(), "minimised");
        w.window.showNormal();
        QVERIFY2(animation->isRunning(), "shown again");
        w.bench().model.tables.record(1) = openSwitch();
        placeRbt(w.bench());
        w.window.mirror();
        QVERIFY2(!animation->isRunning(), "an open switch stops the current");
        QVERIFY2(!showsADot(w.panel()->grab().toImage()), "and its dots are gone");
    }
};

VOLTARO_TEST_CLASS(CurrentWindowTest)
#include "tst_current_window.moc"
