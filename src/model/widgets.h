#pragma once

#include "model/colour.h"
#include "model/memo_lines.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace voltaro {

// The panels, boxes, edits, buttons and labels of the window, by component name. Positions are
// relative to the parent; the parent of the top-level ones is the board panel `Panel1`, whose
// client area gives the board coordinates.
enum class WidgetId {
    Savepl, // save-and-load panel, also the intro panel of lessons and worksheets
    expmem,
    Showvaluecb,
    nextbt,
    cancelsavebt,
    yngb,
    ybt,
    nbt,
    Panel3,
    okdokeybt,
    rvgb, // resistor value box
    rveb,
    okbt,
    battgb, // cell value box
    batteb,
    battokbt,
    meterpl, // the multimeter
    currenteb,
    meterlb,
    arb,
    brb,
    crb,
    drb,
    erb,
    voltrb,
    amprb,
    meterpl2,  // the second meter: exists, never shown
    cirplayim, // step arrows of a worksheet
    clb,
    copyshape, // selection frame of "C&opy Select"
    Count
};
constexpr int kWidgetCount = static_cast<int>(WidgetId::Count);

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
    std::string caption;
    std::string text;
    MemoLines lines;
    Rgb colour = Colour::White;
};

const WidgetDesign& widgetDesign(WidgetId id);
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
