#include "edit/view_zoom.h"

#include "bench/operations.h"
#include "bench/view_scale.h"
#include "bench/workbench.h"

#include <algorithm>
#include <iterator>

namespace voltaro {

namespace {

constexpr MenuId kScaleEntries[] = {MenuId::Zoom100, MenuId::Zoom125, MenuId::Zoom150,
                                    MenuId::Zoom200};

// The offered scale `steps` away from the present one, held within the offered ones.
int scaleStepped(const Workbench& bench, int steps) {
    const int* begin = std::begin(kViewScales);
    const int* end = std::end(kViewScales);
    const int* at = std::lower_bound(begin, end, bench.model.menus.viewScalePercent());
    const auto index = std::clamp<std::ptrdiff_t>((at - begin) + steps, 0, (end - begin) - 1);
    return begin[index];
}

} // namespace

void setViewScale(Workbench& bench, int percent) {
    const int* offered = std::find(std::begin(kViewScales), std::end(kViewScales), percent);
    if (offered == std::end(kViewScales) || percent == bench.model.menus.viewScalePercent())
        return;
    bench.menu(MenuId::Zoom1).tag = percent;
    for (MenuId entry : kScaleEntries)
        bench.menu(entry).checked = bench.menu(entry).tag == percent;
    bench.menu(MenuId::ZoomIn1).enabled = percent < kViewScales[std::size(kViewScales) - 1];
    bench.menu(MenuId::ZoomOut1).enabled = percent > kViewScales[0];
    repaintForTheScreen(bench);
}

void repaintForTheScreen(Workbench& bench) {
    placeRbt(bench);
    playbt(bench);
}

void zoomScaleClick(Workbench& bench, MenuId entry) {
    setViewScale(bench, bench.menu(entry).tag);
}

void ZoomIn1Click(Workbench& bench, MenuId) {
    setViewScale(bench, scaleStepped(bench, 1));
}

void ZoomOut1Click(Workbench& bench, MenuId) {
    setViewScale(bench, scaleStepped(bench, -1));
}

void ActualSize1Click(Workbench& bench, MenuId) {
    setViewScale(bench, kViewScales[0]);
}

} // namespace voltaro
