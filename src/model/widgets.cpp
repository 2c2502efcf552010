#include "model/widgets.h"

#include "model/model_texts.h"

namespace voltaro {

namespace {

using W = WidgetId;
using K = WidgetKind;
constexpr std::optional<WidgetId> kBoard = std::nullopt;

// Columns: id, name, parent, kind, left, top, width, height, caption, text, visible, checked, tag.
// clang-format off
const WidgetDesign kDesign[] = {
    {W::Savepl,       "Savepl",       kBoard,     K::GroupBox,    208, 72, 385, 273, "",   "", false, false, 0},
    {W::expmem,       "expmem",       W::Savepl,  K::Memo,        5, 15, 374, 180, "",     "", true,  false, 0},
    {W::Showvaluecb,  "Showvaluecb",  W::Savepl,  K::CheckBox,    8, 204, 160, 17, "Show O&ptions Menu", "", true, true, 0},
    {W::nextbt,       "nextbt",       W::Savepl,  K::Button,      8, 232, 75, 25, "&Save", "", true,  false, 0},
    {W::cancelsavebt, "cancelsavebt", W::Savepl,  K::Button,      96, 232, 75, 25, "&Cancel", "", true, false, 0},
    {W::yngb,         "yngb",         W::Savepl,  K::GroupBox,    184, 198, 193, 65, "Is this the right Circuit?", "", false, false, 0},
    {W::ybt,          "ybt",          W::yngb,    K::Button,      12, 28, 75, 25, "&Yes",  "", true,  false, 0},
    {W::nbt,          "nbt",          W::yngb,    K::Button,      104, 28, 75, 25, "&No",  "", true,  false, 0},
    {W::Panel3,       "Panel3",       W::Savepl,  K::Panel,       8, 200, 369, 65, "",     "", false, false, 0},
    {W::okdokeybt,    "okdokeybt",    W::Panel3,  K::Button,      144, 24, 75, 25, "&Ok",  "", true,  false, 0},
    {W::rvgb,         "rvgb",         kBoard,     K::GroupBox,    0, 0, 121, 89, "Resistor", "", false, false, 0},
    {W::rveb,         "rveb",         W::rvgb,    K::Edit,        24, 24, 73, 24, "",      "", true,  false, 0},
    {W::okbt,         "okbt",         W::rvgb,    K::Button,      24, 56, 75, 25, "&Ok",   "", true,  false, 0},
    {W::battgb,       "battgb",       kBoard,     K::GroupBox,    64, 144, 121, 89, "Battery", "", false, false, 0},
    {W::batteb,       "batteb",       W::battgb,  K::Edit,        24, 24, 73, 24, "",      "1.5", true, false, 0},
    {W::battokbt,     "battokbt",     W::battgb,  K::Button,      24, 56, 75, 25, "&Ok",   "", true,  false, 0},
    {W::meterpl,      "meterpl",      kBoard,     K::Panel,       288, 248, 193, 145, "",  "", false, false, 0},
    {W::currenteb,    "currenteb",    W::meterpl, K::Edit,        56, 8, 73, 24, "",       "0.00", true, false, 0},
    {W::meterlb,      "meterlb",      W::meterpl, K::Label,       86, 59, 20, 26, "A",     "", true,  false, 0},
    {W::arb,          "arb",          W::meterpl, K::RadioButton, 24, 40, 80, 17, "       2 A", "", true, true, 1},
    {W::brb,          "brb",          W::meterpl, K::RadioButton, 15, 72, 70, 17, "200 mA", "", true, false, 2},
    {W::crb,          "crb",          W::meterpl, K::RadioButton, 86, 96, 70, 17, "20 mA", "", true,  false, 3},
    {W::drb,          "drb",          W::meterpl, K::RadioButton, 118, 72, 70, 17, "2 mA", "", true,  false, 4},
    {W::erb,          "erb",          W::meterpl, K::RadioButton, 104, 40, 80, 17, "200 \xC2\xB5" "A ", "", true, false, 5},
    {W::voltrb,       "voltrb",       W::meterpl, K::RadioButton, 16, 124, 70, 17, "Volts", "", true, true, 0},
    {W::amprb,        "amprb",        W::meterpl, K::RadioButton, 104, 124, 70, 17, "Amps", "", true, false, 0},
    {W::meterpl2,     "meterpl2",     kBoard,     K::Panel,       536, 248, 193, 145, "",  "", false, false, 0},
    {W::cirplayim,    "cirplayim",    kBoard,     K::Image,       8, 8, 100, 25, "",       "", false, false, 0},
    {W::clb,          "clb",          kBoard,     K::Label,       112, 13, 80, 16, "",     "", false, false, 0},
    {W::copyshape,    "copyshape",    kBoard,     K::Frame,       0, 0, 0, 0, "",          "", false, false, 0},
};
// clang-format on

static_assert(sizeof(kDesign) / sizeof(kDesign[0]) == kWidgetCount, "every widget has a row");

} // namespace

const WidgetDesign& widgetDesign(WidgetId id) {
    return kDesign[static_cast<std::size_t>(id)];
}

const char* widgetName(WidgetId id) {
    return widgetDesign(id).name;
}

std::optional<WidgetId> widgetByName(const std::string& name) {
    for (const WidgetDesign& d : kDesign)
        if (name == d.name)
            return d.id;
    return std::nullopt;
}

Text designCaption(WidgetId id) {
    const char* caption = widgetDesign(id).caption;
    if (!*caption)
        return {};
    return Phrase{kWidgetTexts, caption};
}

Widgets makeDesignWidgets() {
    Widgets widgets;
    for (const WidgetDesign& d : kDesign) {
        Widget& w = widgets[d.id];
        w.left = d.left;
        w.top = d.top;
        w.width = d.width;
        w.height = d.height;
        w.caption = designCaption(d.id);
        w.text = d.text;
        w.visible = d.visible;
        w.checked = d.checked;
        w.tag = d.tag;
    }
    widgets[WidgetId::meterpl].colour = Colour::Black;
    widgets[WidgetId::meterpl2].colour = Colour::Black;
    widgets[WidgetId::currenteb].readOnly = true;
    return widgets;
}

} // namespace voltaro
