#include "edit/edit_bindings.h"

#include "edit/branch_tree.h"
#include "edit/element_menu.h"
#include "edit/element_placement.h"
#include "edit/resistor_box.h"
#include "edit/source_config.h"
#include "edit/view_options.h"
#include "edit/view_zoom.h"

namespace voltaro {

namespace {

// One handler for every entry of a submenu: the entries differ only in their Tag.
void bindEntriesOf(std::vector<MenuBinding>& bindings, MenuId submenu, MenuHandler handler) {
    for (MenuId entry : menuChildren(submenu))
        bindings.push_back({entry, handler});
}

std::vector<MenuBinding> buildMenuBindings() {
    using M = MenuId;
    std::vector<MenuBinding> bindings = {
        {M::Add1, Add1Click},
        {M::Open3, Open3Click},
        {M::Closed3, Closed3Click},
        {M::Wire2, Wire1Click},
        {M::reisitor1, reisitor1Click},
        {M::Lightbulb1, reisitor1Click},
        {M::CellValue1, CellValue1Click},
        {M::ShowResistance1, ShowResistance1Click},
        {M::Labelloads1, ShowResistance1Click},
        {M::ShowBright1, ShowResistance1Click},
        {M::ShowCurrent1, ShowResistance1Click},
        {M::ElectronFlow1, ShowResistance1Click},
        {M::ZoomIn1, ZoomIn1Click},
        {M::ZoomOut1, ZoomOut1Click},
        {M::ActualSize1, ActualSize1Click},
        {M::Zoom100, zoomScaleClick},
        {M::Zoom125, zoomScaleClick},
        {M::Zoom150, zoomScaleClick},
        {M::Zoom200, zoomScaleClick},
    };
    bindEntriesOf(bindings, M::Bulb1, Add1Click);
    bindEntriesOf(bindings, M::firstParallel01, N03Click);
    bindEntriesOf(bindings, M::SecondParallel01, N02Click);
    bindEntriesOf(bindings, M::thirdParallel31, N01Click);
    bindEntriesOf(bindings, M::firstpu1, N07Click);
    bindEntriesOf(bindings, M::secondpu1, N08Click);
    bindEntriesOf(bindings, M::thirdpu1, N09Click);
    bindEntriesOf(bindings, M::Source1, Variable1Click);
    bindEntriesOf(bindings, M::Numser1, N110Click);
    bindEntriesOf(bindings, M::NumPar1, N111Click);
    return bindings;
}

} // namespace

const std::vector<MenuBinding>& editMenuBindings() {
    static const std::vector<MenuBinding> bindings = buildMenuBindings();
    return bindings;
}

const std::vector<MarkerBinding>& editMarkerBindings() {
    const auto named = [](MarkerId id) { return static_cast<int>(id); };
    static const std::vector<MarkerBinding> bindings = {
        {MarkerFamily::Slot, -1, c7MouseDown},
        {MarkerFamily::Named, named(MarkerId::ampsh), c7MouseDown},
        {MarkerFamily::Branch, -1, c11MouseDown},
        {MarkerFamily::Named, named(MarkerId::p1), p1MouseDown},
        {MarkerFamily::Named, named(MarkerId::p2), p1MouseDown},
        {MarkerFamily::Named, named(MarkerId::p3), p1MouseDown},
        {MarkerFamily::Named, named(MarkerId::p4), p1MouseDown},
        {MarkerFamily::Named, named(MarkerId::battneg), battnegMouseDown},
        {MarkerFamily::Named, named(MarkerId::battpos), battnegMouseDown},
    };
    return bindings;
}

const std::vector<WidgetBinding>& editWidgetBindings() {
    using W = WidgetId;
    using E = WidgetEvent;
    static const std::vector<WidgetBinding> bindings = {
        {W::okbt, E::Click, okbtClick},
        {W::rveb, E::Enter, okbtClick},
        {W::battokbt, E::Click, battokbtClick},
        {W::batteb, E::Enter, battokbtClick},
    };
    return bindings;
}

} // namespace voltaro
