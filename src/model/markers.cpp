#include "model/markers.h"

namespace voltaro {

namespace {

struct NamedMarkerDesign {
    MarkerId id;
    const char* name;
    int left, top, width, height;
    MarkerShape shape;
    Rgb brush;
    Rgb pen;
    MarkerCursor cursor;
    int tag;
    bool visible;
};

using S = MarkerShape;
using C = MarkerCursor;
namespace K = Colour;

// clang-format off
const NamedMarkerDesign kNamedDesign[] = {
    {MarkerId::cor1,     "cor1",     48, 128, 7, 7, S::Circle, K::White, K::Black, C::Hand,     0,  true},
    {MarkerId::cor2,     "cor2",     552, 120, 7, 7, S::Circle, K::White, K::Black, C::Hand,    0,  true},
    {MarkerId::cor3,     "cor3",     544, 456, 7, 7, S::Circle, K::White, K::Black, C::Hand,    0,  true},
    {MarkerId::cor4,     "cor4",     48, 456, 7, 7, S::Circle, K::White, K::Black, C::Hand,     0,  true},
    {MarkerId::p1,       "p1",       48, 125, 7, 8, S::Square, K::Red,   K::Black, C::Hand,     1,  true},
    {MarkerId::p2,       "p2",       554, 138, 7, 7, S::Square, K::Red,  K::Black, C::Hand,     2,  true},
    {MarkerId::p3,       "p3",       686, 24, 7, 7, S::Square, K::White, K::Black, C::Cross,    3,  false},
    {MarkerId::p4,       "p4",       448, 456, 7, 7, S::Square, K::Red,  K::Black, C::Hand,     4,  true},
    {MarkerId::battneg,  "battneg",  48, 248, 7, 7, S::Circle, K::Black, K::Black, C::Hand,     0,  true},
    {MarkerId::battpos,  "battpos",  48, 320, 7, 7, S::Circle, K::Red,   K::Black, C::Hand,     0,  true},
    {MarkerId::battpos1, "battpos1", 48, 264, 7, 7, S::Circle, K::Black, K::Black, C::Hand,     -1, false},
    {MarkerId::battpos2, "battpos2", 48, 280, 7, 7, S::Circle, K::Black, K::Black, C::Hand,     -2, false},
    {MarkerId::battpos3, "battpos3", 48, 296, 7, 7, S::Circle, K::Black, K::Black, C::Hand,     -3, false},
    {MarkerId::topsh,    "topsh",    560, 112, 9, 9, S::Square, K::Gray, K::Black, C::SizeNeSw, 0,  true},
    {MarkerId::botsh,    "botsh",    560, 464, 9, 9, S::Square, K::Gray, K::Black, C::SizeNwSe, 0,  true},
    {MarkerId::movesh,   "movesh",   280, 240, 9, 9, S::Square, K::Gray, K::Black, C::SizeAll,  0,  false},
    {MarkerId::movesh2,  "movesh2",  528, 240, 9, 9, S::Square, K::Gray, K::Black, C::SizeAll,  0,  false},
    {MarkerId::ampsh,    "ampsh",    280, 220, 7, 7, S::Circle, K::White, K::Black, C::Hand,    0,  false},
    {MarkerId::vpos,     "vpos",     344, 228, 7, 7, S::Circle, K::Black, K::Black, C::Hand,    1,  false},
    {MarkerId::vneg,     "vneg",     384, 228, 7, 7, S::Circle, K::Red,   K::Red,   C::Hand,    2,  false},
    {MarkerId::vpos2,    "vpos2",    592, 228, 7, 7, S::Circle, K::Black, K::Black, C::Hand,    1,  false},
    {MarkerId::vneg2,    "vneg2",    632, 228, 7, 7, S::Circle, K::Red,   K::Red,   C::Hand,    2,  false},
};
// clang-format on

static_assert(sizeof(kNamedDesign) / sizeof(kNamedDesign[0]) == kNamedMarkerCount,
              "every named marker has a design row");

std::vector<MarkerRef> buildStack() {
    std::vector<MarkerRef> stack;
    const MarkerId leads[] = {MarkerId::vpos, MarkerId::vneg, MarkerId::vpos2, MarkerId::vneg2};
    auto isLead = [&](int i) {
        for (MarkerId lead : leads)
            if (static_cast<int>(lead) == i)
                return true;
        return false;
    };
    for (int i = 0; i < kNamedMarkerCount; ++i)
        if (!isLead(i))
            stack.push_back({MarkerFamily::Named, i});
    for (int b = 1; b <= kSides * kLanes * kBlocks; ++b)
        stack.push_back({MarkerFamily::Branch, b});
    for (int s = 1; s <= kSlots; ++s)
        stack.push_back(MarkerRef::slot(s));
    for (MarkerId lead : leads)
        stack.push_back(MarkerRef::named(lead));
    return stack;
}

} // namespace

const char* markerName(MarkerId id) {
    return kNamedDesign[static_cast<int>(id)].name;
}

bool isCornerMarker(MarkerId id) {
    return id == MarkerId::cor1 || id == MarkerId::cor2 || id == MarkerId::cor3 ||
           id == MarkerId::cor4;
}

bool MarkerRef::isValid() const {
    switch (family) {
    case MarkerFamily::Named:
        return index >= 0 && index < kNamedMarkerCount;
    case MarkerFamily::Slot:
        return isValidSlot(index);
    case MarkerFamily::Branch:
        return index >= 1 && index <= kSides * kLanes * kBlocks;
    }
    return false;
}

Marker& Markers::at(const MarkerRef& ref) {
    return const_cast<Marker&>(static_cast<const Markers&>(*this).at(ref));
}

const Marker& Markers::at(const MarkerRef& ref) const {
    switch (ref.family) {
    case MarkerFamily::Slot:
        return slotMarkers[ref.index];
    case MarkerFamily::Branch: {
        const int i = ref.index - 1;
        return branchMarkers[i / 9 + 1][(i % 9) / 3 + 1][i % 3 + 1];
    }
    case MarkerFamily::Named:
        break;
    }
    return named[ref.index];
}

Marker designMarker(MarkerId id) {
    const NamedMarkerDesign& d = kNamedDesign[static_cast<std::size_t>(id)];
    Marker marker;
    marker.left = d.left;
    marker.top = d.top;
    marker.width = d.width;
    marker.height = d.height;
    marker.shape = d.shape;
    marker.brush = d.brush;
    marker.pen = d.pen;
    marker.cursor = d.cursor;
    marker.tag = d.tag;
    marker.visible = d.visible;
    return marker;
}

Markers makeDesignMarkers() {
    Markers m;
    for (const NamedMarkerDesign& d : kNamedDesign)
        m[d.id] = designMarker(d.id);
    for (int s = 1; s <= kSlots; ++s)
        m.slotMarkers[s].tag = s;
    for (int side = 1; side <= kSides; ++side)
        for (int lane = 1; lane <= kLanes; ++lane)
            for (int block = 1; block <= kBlocks; ++block) {
                Marker& b = m.branch(side, lane, block);
                b.shape = MarkerShape::Square;
                b.brush = Colour::Green;
                b.tag = slotNumber(side, lane, block, 1, 1);
            }
    return m;
}

const std::vector<MarkerRef>& markerStackBottomToTop() {
    static const std::vector<MarkerRef> stack = buildStack();
    return stack;
}

} // namespace voltaro
