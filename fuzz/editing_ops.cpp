#include "editing_ops.h"

#include <algorithm>

namespace voltaro::fuzz {

namespace {

std::vector<WidgetId> widgetsOfKind(std::initializer_list<WidgetKind> kinds) {
    std::vector<WidgetId> ids;
    for (int i = 0; i < kWidgetCount; ++i)
        for (WidgetKind kind : kinds)
            if (widgetDesign(static_cast<WidgetId>(i)).kind == kind)
                ids.push_back(static_cast<WidgetId>(i));
    return ids;
}

} // namespace

const std::vector<WidgetId>& typedWidgets() {
    static const std::vector<WidgetId> ids = widgetsOfKind({WidgetKind::Edit, WidgetKind::Memo});
    return ids;
}

const std::vector<WidgetId>& checkedWidgets() {
    static const std::vector<WidgetId> ids =
        widgetsOfKind({WidgetKind::CheckBox, WidgetKind::RadioButton});
    return ids;
}

const std::vector<std::string>& hostileTexts() {
    static const std::vector<std::string> texts = {
        "1e-320",
        "-1e308",
        "1e308",
        "-1e-320",
        "4.9e-324",
        "2.2250738585072014e-308",
        "0",
        "-0",
        "-5",
        "1e400",
        "nan",
        "inf",
        "-inf",
        "",
        " ",
        "1,5",
        "0x10",
        "99999999999999999999",
        "1e-300",
        "3",
        "1.7976931348623157e308",
        "1e200",
        "1e15",
        "1000000.5",
        "START CIRCUIT DATA",
        "Text\nSTART CIRCUIT DATA\n1 *",
    };
    return texts;
}

OpWriter& OpWriter::op(Op o) {
    return u8(static_cast<int>(o));
}

OpWriter& OpWriter::u8(int v) {
    bytes.push_back(static_cast<char>(v & 0xFF));
    return *this;
}

OpWriter& OpWriter::u16(int v) {
    return u8(v >> 8).u8(v);
}

OpWriter& OpWriter::i32(std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    return u8(static_cast<int>(u >> 24))
        .u8(static_cast<int>(u >> 16))
        .u8(static_cast<int>(u >> 8))
        .u8(static_cast<int>(u));
}

OpWriter& OpWriter::point(int x, int y) {
    return u8(static_cast<int>(Reach::Board))
        .u16(x + 200)
        .u8(static_cast<int>(Reach::Board))
        .u16(y + 200);
}

OpWriter& OpWriter::text(const std::string& s) {
    u8(static_cast<int>(s.size()));
    bytes += s;
    return *this;
}

OpWriter& OpWriter::menu(MenuId id) {
    return op(Op::Menu).u16(static_cast<int>(id));
}

OpWriter& OpWriter::click(WidgetId id) {
    return op(Op::Widget).u8(static_cast<int>(id)).u8(0);
}

OpWriter& OpWriter::mouse(Op o, int x, int y) {
    return op(o).point(x, y);
}

OpWriter& OpWriter::type(WidgetId id, std::size_t hostileText) {
    const auto& ids = typedWidgets();
    const auto at = std::find(ids.begin(), ids.end(), id) - ids.begin();
    return op(Op::Type).u8(static_cast<int>(at)).u8(static_cast<int>(hostileText));
}

OpWriter& OpWriter::key(int boardKey, bool shift) {
    return op(Op::Key).u8(boardKey).u8(shift ? 1 : 0);
}

OpWriter& OpWriter::press(int shownMarker, int x, int y) {
    return op(Op::MarkerDown).u16(shownMarker).point(x, y);
}

} // namespace voltaro::fuzz
