#pragma once

#include "model/menus.h"
#include "model/widgets.h"

#include <cstdint>
#include <string>
#include <vector>

namespace voltaro::fuzz {

// The steps of an editing run; each byte sequence of the editing target is a list of them, an
// opcode byte followed by its arguments.
enum class Op : std::uint8_t {
    Menu,       // u16 entry: chosen when it is reachable (a popup's entries only while it is open)
    Widget,     // byte widget, byte event (click, Enter, focus)
    Type,       // byte edit, byte text choice: a hostile value, or raw text after it
    Check,      // byte widget: a check box toggled or a radio button chosen, then its click
    MarkerDown, // u16 choice among the shown markers, then x and y
    MarkerMove, // x, y: to the marker holding the mouse, else u16 choice, x, y
    MarkerUp,   // x, y, to the marker holding the mouse
    Board,      // byte down/move/up, x, y on the bare board
    Arrows,     // byte x over the step arrows, byte: 1 clicks
    Answers,    // byte flags, then the answers of the dialogs the next steps open
    File,       // byte file, raw text: the contents of one of the pupil's files
    Key,        // byte key, byte: bit 0 holds Shift; a key on the board with the keyboard focus
    Count
};

// Coordinates: a byte choosing small, on the board or any int, then the value.
enum class Reach : std::uint8_t { Small, Board, Any };

// The widgets that Op::Type chooses from (edits and memos) and Op::Check (check boxes and radio
// buttons), in the order of their ids.
const std::vector<WidgetId>& typedWidgets();
const std::vector<WidgetId>& checkedWidgets();

// Values typed into the boxes that a solver or a paint must survive.
const std::vector<std::string>& hostileTexts();

// Encoders for the seed corpus.
struct OpWriter {
    std::string bytes;
    OpWriter& op(Op o);
    OpWriter& u8(int v);
    OpWriter& u16(int v);
    OpWriter& i32(std::int32_t v);
    OpWriter& point(int x, int y); // both Reach::Board
    OpWriter& text(const std::string& s);
    // Whole steps.
    OpWriter& menu(MenuId id);
    OpWriter& click(WidgetId id);
    OpWriter& mouse(Op op, int x, int y); // MarkerMove or MarkerUp to the marker holding it
    OpWriter& press(int shownMarker, int x, int y);
    OpWriter& type(WidgetId id, std::size_t hostileText);
    OpWriter& key(int boardKey, bool shift = false);
};

} // namespace voltaro::fuzz
