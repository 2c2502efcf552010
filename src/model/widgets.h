#pragma once

#include "model/colour.h"
#include "model/memo_lines.h"
#include "model/text.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace voltaro {

// The panels, boxes, edits, buttons and labels of the window, by component name. Positions are
// relative to the parent; the parent of the top-level ones is the board panel `Panel1`, whose
// client area gives the board coordinates.
enum class WidgetId {
    Savepl,       // save-and-load panel, also the intro panel of lessons and worksheets
    expmem,       // its explanation box (memo)
    Showvaluecb,  // its check box "Show O&ptions Menu": the options flag a save writes
    nextbt,       // its action button, "&Save" or "&Load"
    cancelsavebt, // its "&Cancel"
    yngb,         // its question box "Is this the right Circuit?" after a file was opened
    ybt,          // the question's "&Yes"
    nbt,          // the question's "&No"
    Panel3,       // the strip over the panel's buttons while a lesson's explanation shows
    okdokeybt,    // its "&Ok", which starts the lesson
    rvgb,         // resistor value box
    rveb,         // its edit, the value in ohms
    okbt,         // its "&Ok"
    battgb,       // cell value box
    batteb,       // its edit, the cell value in volts
    battokbt,     // its "&Ok"
    meterpl,      // the multimeter
    currenteb,    // its display
    meterlb,      // its unit letter, "V" or "A"
    arb,          // its range buttons, ranges 1..5
    brb,
    crb,
    drb,
    erb,
    voltrb, // its mode buttons "Volts" and "Amps"
    amprb,
    meterpl2,  // the second meter: exists, never shown
    cirplayim, // step arrows of a worksheet
    clb,       // the label "Circuit #" and the current circuit's number, beside the arrows
    copyshape, // selection frame of "C&opy Select"
    Count
};
constexpr int kWidgetCount = static_cast<int>(WidgetId::Count);

// The step arrows' picture `cirplayim` holds four cells (first, previous, next, last) of 25 pixels.
constexpr int kArrowCells = 4;
constexpr int kArrowCellWidth = 25;

enum class WidgetKind {
    GroupBox,
    Panel,
    Memo,
    Edit,
    Button,
    CheckBox,
    RadioButton,
    Label,
    Image,
    Frame
};

struct WidgetDesign {
    WidgetId id;
    const char* name;
    std::optional<WidgetId> parent; // none: on the board panel
    WidgetKind kind;
    int left, top, width, height;
    const char* caption;
    const char* text;
    bool visible;
    bool checked;
    int tag;
};

// The live state of one widget. `caption` is the caption of boxes, buttons and labels, `text`
// the contents of an edit, `lines` the contents of a memo, `colour` the background.
struct Widget {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool visible = true;
    bool enabled = true;
    bool checked = false;
    bool readOnly = false;
    int tag = 0;
    Text caption;
    std::string text;
    MemoLines lines;
    Rgb colour = Colour::White;
};

const WidgetDesign& widgetDesign(WidgetId id);
// The design caption as a text of the widget table; no text for a widget without one.
Text designCaption(WidgetId id);
const char* widgetName(WidgetId id);
std::optional<WidgetId> widgetByName(const std::string& name);

struct Widgets {
    std::array<Widget, kWidgetCount> items{};

    Widget& operator[](WidgetId id) { return items[static_cast<std::size_t>(id)]; }
    const Widget& operator[](WidgetId id) const { return items[static_cast<std::size_t>(id)]; }
};

// Every widget as the window starts.
Widgets makeDesignWidgets();

} // namespace voltaro
