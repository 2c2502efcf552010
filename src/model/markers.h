#pragma once

#include "model/circuit_tables.h"
#include "model/colour.h"

#include <array>
#include <vector>

namespace voltaro {

enum class MarkerShape { Circle, Square };
enum class MarkerCursor { Arrow, Hand, Cross, SizeNeSw, SizeNwSe, SizeAll };

// A small control laid over the board: position in board coordinates (the board picture lies at
// (7, 7) in them), size, look, Tag and visibility.
struct Marker {
    int left = 0;
    int top = 0;
    int width = 7;
    int height = 7;
    MarkerShape shape = MarkerShape::Circle;
    Rgb brush = Colour::White;
    Rgb pen = Colour::Black;
    MarkerCursor cursor = MarkerCursor::Hand;
    int tag = 0;
    bool visible = false;

    // The picture pixel under the centre of a 7 x 7 marker: (Left - 4, Top - 4).
    int anchorX() const { return left - 4; }
    int anchorY() const { return top - 4; }
    void moveAnchorTo(int x, int y) {
        left = x + 4;
        top = y + 4;
    }
};

// The markers that have a name of their own.
enum class MarkerId {
    cor1, // top-left corner
    cor2, // top-right corner
    cor3, // bottom-right corner
    cor4, // bottom-left corner
    p1,   // side squares: anchors of the top, right, hidden and bottom sides
    p2,
    p3,
    p4,
    battneg,  // battery negative terminal
    battpos,  // battery positive terminal
    battpos1, // three more terminals of the window's layout, never shown
    battpos2,
    battpos3,
    topsh,   // gray handle that sets the top edge
    botsh,   // gray handle that sets the bottom and the right edge
    movesh,  // gray handle that moves the meter panel `meterpl`
    movesh2, // the same for the second meter's panel
    ampsh,   // break marker: the meter's own side of a break
    vpos,    // black lead
    vneg,    // red lead
    vpos2,   // the second meter's black and red leads
    vneg2,
    Count
};
constexpr int kNamedMarkerCount = static_cast<int>(MarkerId::Count);

const char* markerName(MarkerId id);
bool isCornerMarker(MarkerId id);

enum class MarkerFamily { Named, Slot, Branch };

// Identifies one marker: a named one, the slot marker of a slot number, or the branch marker
// of a block (index (side - 1) * 9 + (lane - 1) * 3 + block).
struct MarkerRef {
    MarkerFamily family = MarkerFamily::Named;
    int index = 0;

    static MarkerRef named(MarkerId id) { return {MarkerFamily::Named, static_cast<int>(id)}; }
    static MarkerRef slot(int slotNumber) { return {MarkerFamily::Slot, slotNumber}; }
    static MarkerRef branch(int side, int lane, int block) {
        return {MarkerFamily::Branch, (side - 1) * 9 + (lane - 1) * 3 + block};
    }
    bool is(MarkerId id) const {
        return family == MarkerFamily::Named && index == static_cast<int>(id);
    }
    bool isValid() const;
    // One of the four corners `cor1`..`cor4`.
    bool isCorner() const {
        return family == MarkerFamily::Named && isValid() &&
               isCornerMarker(static_cast<MarkerId>(index));
    }

    friend bool operator==(const MarkerRef& a, const MarkerRef& b) {
        return a.family == b.family && a.index == b.index;
    }
    friend bool operator!=(const MarkerRef& a, const MarkerRef& b) { return !(a == b); }
};

struct Markers {
    std::array<Marker, kNamedMarkerCount> named{};
    Table1<Marker, kSlots> slotMarkers{};
    Table1<Table1<Table1<Marker, kBlocks>, kLanes>, kSides> branchMarkers{};

    Marker& operator[](MarkerId id) { return named[static_cast<std::size_t>(id)]; }
    const Marker& operator[](MarkerId id) const { return named[static_cast<std::size_t>(id)]; }
    Marker& slot(int slotNumber) { return slotMarkers[slotNumber]; }
    const Marker& slot(int slotNumber) const { return slotMarkers[slotNumber]; }
    Marker& branch(int side, int lane, int block) { return branchMarkers[side][lane][block]; }
    const Marker& branch(int side, int lane, int block) const {
        return branchMarkers[side][lane][block];
    }
    // The marker a reference names; the reference must be valid.
    Marker& at(const MarkerRef& ref);
    const Marker& at(const MarkerRef& ref) const;
};

// Every marker as the window lays it out before start-up moves anything: the named controls at
// their design places, the slot markers as hidden white circles tagged with their slot number,
// the branch markers as hidden green squares tagged with their block's first slot.
Markers makeDesignMarkers();
// One named marker as the window lays it out.
Marker designMarker(MarkerId id);

// All markers from the bottom of the stack to the top: the loop controls, then the branch and
// slot markers, then the four meter leads, which stay above everything else.
const std::vector<MarkerRef>& markerStackBottomToTop();

} // namespace voltaro
