#pragma once

#include "bench/bench_texts.h"
#include "bench/board_focus.h"
#include "bench/output_state.h"
#include "bench/platform_slot.h"
#include "bench/step_recording.h"
#include "bench/undo_history.h"
#include "model/circuit_list.h"
#include "model/markers.h"
#include "model/menus.h"
#include "model/model.h"
#include "model/widgets.h"
#include "solver/meter_state.h"
#include "solver/results.h"
#include "view/current_flow.h"

#include <optional>
#include <string>
#include <vector>

namespace voltaro {

class Canvas;

// A popup menu to open at a board point (the pressed marker's position plus 10 pixels).
struct PopupRequest {
    MenuId menu = MenuId::secondpu;
    int x = 0;
    int y = 0;
    bool byKeyboard = false; // opened by a key: its first entry comes selected
};

// What a press on the board reached: a marker, or none for the bare picture.
using PointerTarget = std::optional<MarkerRef>;

// What holds the mouse from a press on the board to its release.
struct PointerCapture {
    bool held = false;
    PointerTarget target;
};

// The pupil's interaction state.
struct Interaction {
    int currentSlot = 0;     // slot of the marker last pressed (a side number for side squares)
    MarkerRef lastClicked;   // the marker whose menu was opened last
    bool mouseHeld = false;  // drag state between a press and its release
    PointerCapture captured; // what holds the mouse, from a press to its release
    BoardFocus boardFocus;   // the board's control that the keys act on
    ElementKind selectedKind = ElementKind::Resistor; // element kind last chosen
    Text caption = kProgramCaption;                   // the window caption

    // One-shot requests for the window, taken and cleared by it after each handler.
    std::optional<PopupRequest> popup;
    std::optional<WidgetId> focus;
    bool closeRequested = false;
};

// What the action button of the save panel `Savepl` does (the panel's Tag in the original
// window: 0 save, 1 load). The lessons' intro panel is the same panel, put in save mode.
enum class FilePanelMode { Save, Load };

// The save panel's mode, the file whose explanation it shows, and the files used last.
struct FileDialogs {
    FilePanelMode panelMode = FilePanelMode::Save;
    std::string openedFile;
    std::vector<std::string> recentFiles; // loaded or saved, the newest first
    std::string lastFolder;               // of the last file used, where the dialogs start
    bool rememberingFailed = false;       // said once a run: the list cannot be kept
};

// Everything the main window owns. Every handler and internal operation is a plain function
// over it; the Qt window only forwards events and mirrors it back onto its widgets.
struct Workbench {
    Model model;
    SolverResults results;
    MeterState meter;
    CircuitList circuits;
    Interaction ui;
    FileDialogs files;
    OutputState output;
    CurrentFlow flow;        // the current's dots, while "Show C&urrent" is checked
    UndoHistory history;     // the pupil's steps, to undo and redo
    StepRecording recording; // what recording the steps keeps between events

    Canvas* canvas = nullptr;      // the board picture; not owned
    Canvas* arrowCanvas = nullptr; // the step-arrow picture `cirplayim`; not owned
    PlatformSlot platform;         // dialogs, files, clipboard, printer; never null
    // Off, `placeRbt` solves (and refreshes the meter) but neither paints nor moves a marker:
    // for answers that need no picture of the board.
    bool paintsBoard = true;

    MenuEntry& menu(MenuId id) { return model.menus[id]; }
    const MenuEntry& menu(MenuId id) const { return model.menus[id]; }
    Widget& widget(WidgetId id) { return model.widgets[id]; }
    const Widget& widget(WidgetId id) const { return model.widgets[id]; }
    Marker& marker(MarkerId id) { return model.markers[id]; }
    const Marker& marker(MarkerId id) const { return model.markers[id]; }
};

} // namespace voltaro
