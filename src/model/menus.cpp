#include "model/menus.h"

#include "model/model_texts.h"

#include <map>

namespace voltaro {

namespace {

using M = MenuId;
constexpr std::optional<MenuId> kTop = std::nullopt;

// Columns: id, name, parent, caption, tag, checkable, checked, visible, enabled, shortcut, popup.
// clang-format off
const MenuDesign kDesign[] = {
    {M::File1,            "File1",            kTop,            "&File",            0, false, false, true,  true,  "", false},
    {M::SaveCircuit1,     "SaveCircuit1",     M::File1,        "&Save Circuit",    0, false, false, true,  true,  "", false},
    {M::Newfile1,         "Newfile1",         M::SaveCircuit1, "New file",         0, false, false, true,  true,  "", false},
    {M::Addtofile1,       "Addtofile1",       M::SaveCircuit1, "Add to file",      0, false, false, true,  true,  "", false},
    {M::LoadCircuit1,     "LoadCircuit1",     M::File1,        "&Load Circuit",    0, false, false, true,  true,  "", false},
    {M::RecentFiles1,     "RecentFiles1",     M::File1,        "Recent &Files",    0, false, false, true,  false, "", false},
    {M::RecentFile1,      "RecentFile1",      M::RecentFiles1, "",                 1, false, false, false, true,  "", false},
    {M::RecentFile2,      "RecentFile2",      M::RecentFiles1, "",                 2, false, false, false, true,  "", false},
    {M::RecentFile3,      "RecentFile3",      M::RecentFiles1, "",                 3, false, false, false, true,  "", false},
    {M::RecentFile4,      "RecentFile4",      M::RecentFiles1, "",                 4, false, false, false, true,  "", false},
    {M::RecentFile5,      "RecentFile5",      M::RecentFiles1, "",                 5, false, false, false, true,  "", false},
    {M::RecentFile6,      "RecentFile6",      M::RecentFiles1, "",                 6, false, false, false, true,  "", false},
    {M::RecentFile7,      "RecentFile7",      M::RecentFiles1, "",                 7, false, false, false, true,  "", false},
    {M::RecentFile8,      "RecentFile8",      M::RecentFiles1, "",                 8, false, false, false, true,  "", false},
    {M::N14,              "N14",              M::RecentFiles1, "-",                0, false, false, true,  true,  "", false},
    {M::ClearRecent1,     "ClearRecent1",     M::RecentFiles1, "Clear list",       0, false, false, true,  true,  "", false},
    {M::N3,               "N3",               M::File1,        "-",                0, false, false, true,  true,  "", false},
    {M::Copy1,            "Copy1",            M::File1,        "&Copy",            0, false, false, true,  true,  "Ctrl+C", false},
    {M::CopySelect1,      "CopySelect1",      M::File1,        "C&opy Select",     0, true,  false, true,  true,  "", false},
    {M::print1,           "print1",           M::File1,        "&Print",           0, false, false, true,  true,  "Ctrl+P", false},
    {M::N4,               "N4",               M::File1,        "-",                0, false, false, true,  true,  "", false},
    {M::Exit1,            "Exit1",            M::File1,        "E&xit",            0, false, false, true,  true,  "", false},
    {M::Edit1,            "Edit1",            kTop,            "&Edit",            0, false, false, true,  true,  "", false},
    {M::Undo1,            "Undo1",            M::Edit1,        "&Undo",            0, false, false, true,  false, "Ctrl+Z", false},
    {M::Redo1,            "Redo1",            M::Edit1,        "&Redo",            0, false, false, true,  false, "Ctrl+Shift+Z; Ctrl+Y", false},
    {M::Circuits1,        "Circuits1",        kTop,            "&Circuits",        0, false, false, true,  true,  "", false},
    {M::Howto1,           "Howto1",           M::Circuits1,    "How to",           0, false, false, true,  true,  "", false},
    {M::Firststeps1,      "Firststeps1",      M::Howto1,       "First steps",      0, false, false, true,  true,  "", false},
    {M::Largercircuits1,  "Largercircuits1",  M::Howto1,       "Larger circuits",  0, false, false, true,  true,  "", false},
    {M::Meters1,          "Meters1",          M::Howto1,       "Meter Use",        0, false, false, true,  true,  "", false},
    {M::Simple1,          "Simple1",          M::Circuits1,    "&Simple",          0, false, false, true,  true,  "", false},
    {M::Basic1,           "Basic1",           M::Simple1,      "&One light",       0, false, false, true,  true,  "", false},
    {M::Series1,          "Series1",          M::Simple1,      "&Series",          0, false, false, true,  true,  "", false},
    {M::Parallel2,        "Parallel2",        M::Simple1,      "&Parallel",        0, false, false, true,  true,  "", false},
    {M::combo1,           "combo1",           M::Simple1,      "&Combo",           0, false, false, true,  true,  "", false},
    {M::Advanced1,        "Advanced1",        M::Circuits1,    "&Advanced",        0, false, false, true,  true,  "", false},
    {M::Shortcircuit1,    "Shortcircuit1",    M::Advanced1,    "&Short circuit",   0, false, false, true,  true,  "", false},
    {M::N6,               "N6",               M::Circuits1,    "-",                0, false, false, true,  true,  "", false},
    {M::WorkSheets1,      "WorkSheets1",      M::Circuits1,    "Work Sheets",      0, false, false, true,  true,  "", false},
    {M::SeriesSheets1,    "SeriesSheets1",    M::WorkSheets1,  "Series",           0, false, false, true,  true,  "", false},
    {M::Series11,         "Series11",         M::SeriesSheets1, "Series #1",       0, false, false, true,  true,  "", false},
    {M::ParallelSheets1,  "ParallelSheets1",  M::WorkSheets1,  "Parallel",         0, false, false, true,  true,  "", false},
    {M::Parallel11,       "Parallel11",       M::ParallelSheets1, "Parallel #1",   0, false, false, true,  true,  "", false},
    {M::ComboSheets1,     "ComboSheets1",     M::WorkSheets1,  "Combo",            0, false, false, true,  true,  "", false},
    {M::Combo11,          "Combo11",          M::ComboSheets1, "Combo #1",         0, false, false, true,  true,  "", false},
    {M::Solving1,         "Solving1",         M::WorkSheets1,  "Solving #1",       0, false, false, true,  true,  "", false},
    {M::SimpleSeries1,    "SimpleSeries1",    M::Solving1,     "Simple Series",    0, false, false, true,  true,  "", false},
    {M::SimpleParallel1,  "SimpleParallel1",  M::Solving1,     "Simple Parallel",  0, false, false, true,  true,  "", false},
    {M::Seriesthenparallel1, "Seriesthenparallel1", M::Solving1, "Series/parallel", 0, false, false, true, true,  "", false},
    {M::ParallelSeries1,  "ParallelSeries1",  M::Solving1,     "Parallel/Series",  0, false, false, true,  true,  "", false},
    {M::ComboCircuit11,   "ComboCircuit11",   M::Solving1,     "Combo Circuit #1", 0, false, false, true,  true,  "", false},
    {M::Circuit11,        "Circuit11",        M::Solving1,     "Combo Circuit #2", 0, false, false, true,  true,  "", false},
    {M::Reset1,           "Reset1",           kTop,            "&Reset",           0, false, false, true,  true,  "", false},
    {M::Options1,         "Options1",         kTop,            "&Options",         0, false, false, true,  true,  "", false},
    {M::reisitor1,        "reisitor1",        M::Options1,     "&Resistor",        1, true,  true,  false, true,  "", false},
    {M::Lightbulb1,       "Lightbulb1",       M::Options1,     "&Light bulb",      2, true,  false, false, true,  "", false},
    {M::Source1,          "Source1",          M::Options1,     "Source (Cells)",   2, false, false, true,  true,  "", false},
    {M::Variable1,        "Variable1",        M::Source1,      "Variable",         1, false, false, true,  true,  "", false},
    {M::Cells1,           "Cells1",           M::Source1,      "Cells",            2, false, false, true,  true,  "", false},
    {M::N10,              "N10",              M::Options1,     "-",                0, false, false, true,  true,  "", false},
    {M::ShowResistance1,  "ShowResistance1",  M::Options1,     "Show Resistance",  0, true,  false, true,  true,  "", false},
    {M::Labelloads1,      "Labelloads1",      M::Options1,     "Label loads",      0, true,  false, true,  true,  "", false},
    {M::ShowBright1,      "ShowBright1",      M::Options1,     "Show Brightness",  0, true,  true,  true,  true,  "", false},
    {M::ShowCurrent1,     "ShowCurrent1",     M::Options1,     "Show C&urrent",    0, true,  false, true,  true,  "", false},
    {M::ElectronFlow1,    "ElectronFlow1",    M::Options1,     "&Electron Flow",   0, true,  false, true,  true,  "", false},
    {M::N15,              "N15",              M::Options1,     "-",                0, false, false, true,  true,  "", false},
    {M::Zoom1,            "Zoom1",            M::Options1,     "&Zoom",            100, false, false, true, true, "", false},
    {M::ZoomIn1,          "ZoomIn1",          M::Zoom1,        "Zoom &In",         0, false, false, true,  true,  "Ctrl++", false},
    {M::ZoomOut1,         "ZoomOut1",         M::Zoom1,        "Zoom &Out",        0, false, false, true,  false, "Ctrl+-", false},
    {M::ActualSize1,      "ActualSize1",      M::Zoom1,        "&Actual Size",     0, false, false, true,  true,  "Ctrl+0", false},
    {M::N16,              "N16",              M::Zoom1,        "-",                0, false, false, true,  true,  "", false},
    {M::Zoom100,          "Zoom100",          M::Zoom1,        "100 %",            100, true, true,  true,  true,  "", false},
    {M::Zoom125,          "Zoom125",          M::Zoom1,        "125 %",            125, true, false, true,  true,  "", false},
    {M::Zoom150,          "Zoom150",          M::Zoom1,        "150 %",            150, true, false, true,  true,  "", false},
    {M::Zoom200,          "Zoom200",          M::Zoom1,        "200 %",            200, true, false, true,  true,  "", false},
    {M::Measure1,         "Measure1",         kTop,            "&Meter",           0, false, false, true,  true,  "", false},
    {M::On1,              "On1",              M::Measure1,     "On",               0, true,  false, true,  true,  "", false},
    {M::None1,            "None1",            M::Measure1,     "&Off",             0, true,  true,  false, true,  "", false},
    {M::Voltage1,         "Voltage1",         M::Measure1,     "&Voltage",         0, true,  false, false, true,  "", false},
    {M::current1,         "current1",         M::Measure1,     "&Current",         0, true,  false, false, true,  "", false},
    {M::N2,               "N2",               M::Measure1,     "-",                0, false, false, true,  true,  "", false},
    {M::ChangeFuse1,      "ChangeFuse1",      M::Measure1,     "Change Fuse",      0, false, false, true,  true,  "", false},
    {M::Meter21,          "Meter21",          kTop,            "Meter &2",         0, false, false, false, true,  "", false},
    {M::On2,              "On2",              M::Meter21,      "On",               0, true,  false, true,  true,  "", false},
    {M::Help1,            "Help1",            kTop,            "&Help",            0, false, false, true,  true,  "", false},
    {M::Keyboard1,        "Keyboard1",        M::Help1,        "&Keyboard",        0, false, false, true,  true,  "", false},
    {M::DescribeCircuit1, "DescribeCircuit1", M::Help1,        "&Describe Circuit", 0, false, false, true, true, "Ctrl+D", false},
    {M::N20,              "N20",              M::Help1,        "-",                0, false, false, true,  true,  "", false},
    {M::About1,           "About1",           M::Help1,        "&About",           0, false, false, true,  true,  "", false},

    {M::secondpu,         "secondpu",         kTop,            "",                 0, false, false, true,  true,  "", true},
    {M::Add1,             "Add1",             M::secondpu,     "Resistor",         1, false, false, true,  true,  "", false},
    {M::Bulb1,            "Bulb1",            M::secondpu,     "Bulb",             0, false, false, true,  true,  "", false},
    {M::Bulb11,           "Bulb11",           M::Bulb1,        "Bulb #1",          2, false, false, true,  true,  "", false},
    {M::Bulb21,           "Bulb21",           M::Bulb1,        "Bulb #2",          3, false, false, true,  true,  "", false},
    {M::Bulb31,           "Bulb31",           M::Bulb1,        "Bulb #3",          4, false, false, true,  true,  "", false},
    {M::Switch1,          "Switch1",          M::secondpu,     "Switch (Closed)",  0, false, false, true,  true,  "", false},
    {M::Open3,            "Open3",            M::Switch1,      "Open",             0, false, false, true,  true,  "", false},
    {M::Closed3,          "Closed3",          M::Switch1,      "Closed",           1, false, false, true,  true,  "", false},
    {M::Wire2,            "Wire2",            M::secondpu,     "Wire",             0, false, false, true,  true,  "", false},
    {M::N5,               "N5",               M::secondpu,     "-",                0, false, false, true,  true,  "", false},
    {M::Break1,           "Break1",           M::secondpu,     "&Break",           0, false, false, true,  true,  "", false},
    {M::Join1,            "Join1",            M::secondpu,     "&Join",            0, false, false, true,  false, "", false},

    {M::firstpu,          "firstpu",          kTop,            "",                 0, false, false, true,  true,  "", true},
    {M::firstParallel01,  "firstParallel01",  M::firstpu,      "Top Parallel (1)", 0, false, false, true,  true,  "", false},
    {M::N04,              "N04",              M::firstParallel01, "0",             0, false, false, false, true,  "", false},
    {M::N13,              "N13",              M::firstParallel01, "1",             1, false, false, true,  true,  "", false},
    {M::N23,              "N23",              M::firstParallel01, "2",             2, false, false, true,  true,  "", false},
    {M::N33,              "N33",              M::firstParallel01, "3",             3, false, false, true,  true,  "", false},
    {M::SecondParallel01, "SecondParallel01", M::firstpu,      "Middle Parallel (0)", 0, false, false, true, true, "", false},
    {M::N02,              "N02",              M::SecondParallel01, "0",            0, false, false, true,  true,  "", false},
    {M::N12,              "N12",              M::SecondParallel01, "1",            1, false, false, true,  true,  "", false},
    {M::N22,              "N22",              M::SecondParallel01, "2",            2, false, false, true,  true,  "", false},
    {M::N32,              "N32",              M::SecondParallel01, "3",            3, false, false, true,  true,  "", false},
    {M::thirdParallel31,  "thirdParallel31",  M::firstpu,      "Bottom Parallel (0)", 0, false, false, true, true, "", false},
    {M::N01,              "N01",              M::thirdParallel31, "0",             0, false, false, true,  true,  "", false},
    {M::N11,              "N11",              M::thirdParallel31, "1",             1, false, false, true,  true,  "", false},
    {M::N21,              "N21",              M::thirdParallel31, "2",             2, false, false, true,  true,  "", false},
    {M::N31,              "N31",              M::thirdParallel31, "3",             3, false, false, true,  true,  "", false},

    {M::parpu,            "parpu",            kTop,            "",                 0, false, false, true,  true,  "", true},
    {M::firstpu1,         "firstpu1",         M::parpu,        "Top Parallel (1)", 0, false, false, true,  true,  "", false},
    {M::N07,              "N07",              M::firstpu1,     "0",                0, false, false, false, true,  "", false},
    {M::N17,              "N17",              M::firstpu1,     "1",                1, false, false, true,  true,  "", false},
    {M::N27,              "N27",              M::firstpu1,     "2",                2, false, false, true,  true,  "", false},
    {M::N37,              "N37",              M::firstpu1,     "3",                3, false, false, true,  true,  "", false},
    {M::secondpu1,        "secondpu1",        M::parpu,        "Middle Parallel (0)", 0, false, false, true, true, "", false},
    {M::N08,              "N08",              M::secondpu1,    "0",                0, false, false, true,  true,  "", false},
    {M::N18,              "N18",              M::secondpu1,    "1",                1, false, false, true,  true,  "", false},
    {M::N28,              "N28",              M::secondpu1,    "2",                2, false, false, true,  true,  "", false},
    {M::N38,              "N38",              M::secondpu1,    "3",                3, false, false, true,  true,  "", false},
    {M::thirdpu1,         "thirdpu1",         M::parpu,        "Bottom Parallel (0)", 0, false, false, true, true, "", false},
    {M::N09,              "N09",              M::thirdpu1,     "0",                0, false, false, true,  true,  "", false},
    {M::N19,              "N19",              M::thirdpu1,     "1",                1, false, false, true,  true,  "", false},
    {M::N29,              "N29",              M::thirdpu1,     "2",                2, false, false, true,  true,  "", false},
    {M::N39,              "N39",              M::thirdpu1,     "3",                3, false, false, true,  true,  "", false},

    {M::battpu,           "battpu",           kTop,            "",                 0, false, false, true,  true,  "", true},
    {M::CellValue1,       "CellValue1",       M::battpu,       "&Cell Value",      0, false, false, true,  true,  "", false},
    {M::Numser1,          "Numser1",          M::battpu,       "Number in &Series (2)", 2, false, false, true, true, "", false},
    {M::N110,             "N110",             M::Numser1,      "1",                1, false, false, true,  true,  "", false},
    {M::N210,             "N210",             M::Numser1,      "2",                2, false, false, true,  true,  "", false},
    {M::N310,             "N310",             M::Numser1,      "3",                3, false, false, true,  true,  "", false},
    {M::N41,              "N41",              M::Numser1,      "4",                4, false, false, true,  true,  "", false},
    {M::NumPar1,          "NumPar1",          M::battpu,       "Number of Parallel (1)", 1, false, false, true, true, "", false},
    {M::N111,             "N111",             M::NumPar1,      "1",                1, false, false, true,  true,  "", false},
    {M::N211,             "N211",             M::NumPar1,      "2",                2, false, false, true,  true,  "", false},
    {M::N311,             "N311",             M::NumPar1,      "3",                3, false, false, true,  true,  "", false},
    {M::N42,              "N42",              M::NumPar1,      "4",                4, false, false, true,  true,  "", false},
};
// clang-format on

static_assert(sizeof(kDesign) / sizeof(kDesign[0]) == kMenuCount, "every menu entry has a row");

struct MenuIndex {
    std::map<std::string, MenuId> byName;
    std::array<std::vector<MenuId>, kMenuCount> children;
    std::vector<MenuId> mainMenu;

    MenuIndex() {
        for (const MenuDesign& d : kDesign) {
            byName.emplace(d.name, d.id);
            if (d.parent)
                children[static_cast<std::size_t>(*d.parent)].push_back(d.id);
            else if (!d.isPopup)
                mainMenu.push_back(d.id);
        }
    }
};

const MenuIndex& menuIndex() {
    static const MenuIndex index;
    return index;
}

} // namespace

const MenuDesign& menuDesign(MenuId id) {
    return kDesign[static_cast<std::size_t>(id)];
}

const char* menuName(MenuId id) {
    return menuDesign(id).name;
}

std::optional<MenuId> menuByName(const std::string& name) {
    const auto& byName = menuIndex().byName;
    auto it = byName.find(name);
    if (it == byName.end())
        return std::nullopt;
    return it->second;
}

const std::vector<MenuId>& menuChildren(MenuId id) {
    return menuIndex().children[static_cast<std::size_t>(id)];
}

const std::vector<MenuId>& mainMenuEntries() {
    return menuIndex().mainMenu;
}

bool isSeparator(MenuId id) {
    return std::string(menuDesign(id).caption) == "-";
}

std::string plainCaption(MenuId id) {
    const std::string caption = menuDesign(id).caption;
    std::string plain;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && ++i == caption.size())
            break;
        plain += caption[i];
    }
    return plain;
}

Text designCaption(MenuId id) {
    const char* caption = menuDesign(id).caption;
    if (!*caption || isSeparator(id))
        return {};
    return Phrase{kMenuTexts, caption};
}

Menus makeDesignMenus() {
    Menus menus;
    for (const MenuDesign& d : kDesign) {
        MenuEntry& e = menus[d.id];
        e.caption = designCaption(d.id);
        e.tag = d.tag;
        e.checked = d.checked;
        e.visible = d.visible;
        e.enabled = d.enabled;
    }
    return menus;
}

} // namespace voltaro
