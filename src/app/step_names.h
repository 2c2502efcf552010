#pragma once

#include "model/markers.h"
#include "model/menus.h"
#include "model/text.h"
#include "model/widgets.h"

#include <optional>

namespace voltaro {

struct Workbench;

// What an event that may be a step of the pupil's came from: a menu entry chosen, a widget
// clicked or confirmed, or a press on the board with its drag (on a marker, or on the bare
// picture).
struct StepEvent {
    enum class Source { Menu, Widget, Pointer };
    Source source = Source::Menu;
    MenuId menu = MenuId::File1;
    WidgetId widget = WidgetId::Savepl;
    std::optional<MarkerRef> pressed;

    static StepEvent ofMenu(MenuId id) {
        StepEvent e;
        e.menu = id;
        return e;
    }
    static StepEvent ofWidget(WidgetId id) {
        StepEvent e;
        e.source = Source::Widget;
        e.widget = id;
        return e;
    }
    static StepEvent ofPointer(std::optional<MarkerRef> pressed) {
        StepEvent e;
        e.source = Source::Pointer;
        e.pressed = pressed;
        return e;
    }
};

// The name of the step an event took, as the Edit menu shows it after "&Undo": read after the
// handler has run, so that a circuit read is named by its set ("Series #1", "pupil.cir").
Text stepName(const Workbench& bench, const StepEvent& event);

// Whether the event reads a circuit from the list or a file; such a step cannot be undone when
// the circuit it read is locked.
bool readsCircuit(const StepEvent& event);

} // namespace voltaro
