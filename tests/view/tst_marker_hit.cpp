#include "support/test_runner.h"
#include "view/marker_hit.h"

using namespace voltaro;

class MarkerHitTest : public QObject {
    Q_OBJECT

private slots:
    void theTopmostVisibleMarkerIsHit() {
        Markers m = makeDesignMarkers();
        Marker& slot = m.slot(5);
        slot.left = 100;
        slot.top = 200;
        slot.visible = true;
        Marker& lead = m[MarkerId::vneg];
        lead.left = 103;
        lead.top = 203;

        const struct {
            const char* name;
            bool leadVisible;
            int x, y;
            std::optional<MarkerRef> expected;
        } rows[] = {
            {"inside the slot marker", false, 100, 200, MarkerRef::slot(5)},
            {"its last pixel", false, 106, 206, MarkerRef::slot(5)},
            {"just past it", false, 107, 203, std::nullopt},
            {"above it", false, 103, 199, std::nullopt},
            {"the hidden lead lets the slot marker through", false, 105, 205, MarkerRef::slot(5)},
            {"the lead lies above the slot marker", true, 105, 205,
             MarkerRef::named(MarkerId::vneg)},
            {"where only the lead is", true, 109, 209, MarkerRef::named(MarkerId::vneg)},
        };
        for (const auto& r : rows) {
            lead.visible = r.leadVisible;
            const auto hit = markerAt(m, r.x, r.y);
            QVERIFY2(hit == r.expected, r.name);
        }
    }

    void aSideSquareBeatsTheCornerBelowIt() {
        Markers m = makeDesignMarkers();
        m[MarkerId::cor1].left = m[MarkerId::p1].left;
        m[MarkerId::cor1].top = m[MarkerId::p1].top;
        const auto hit = markerAt(m, m[MarkerId::p1].left + 1, m[MarkerId::p1].top + 1);
        QVERIFY2(hit && hit->is(MarkerId::p1), "p1 is created after cor1 and lies above it");
    }
};

VOLTARO_TEST_CLASS(MarkerHitTest)
#include "tst_marker_hit.moc"
