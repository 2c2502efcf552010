#pragma once

#include "model/source_settings.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace voltaro {

// Every entry of the main menu and of the four popup menus, by its component name. Entries
// without a component name of their own in the window (the top-level menus, the lesson
// submenus, the separators) have names of the same style.
enum class MenuId {
    // main menu
    File1,
    SaveCircuit1,
    Newfile1,
    Addtofile1,
    LoadCircuit1,
    N3,
    Copy1,
    CopySelect1,
    print1,
    N4,
    Exit1,
    Circuits1,
    Howto1,
    Firststeps1,
    Largercircuits1,
    Meters1,
    Simple1,
    Basic1,
    Series1,
    Parallel2,
    combo1,
    Advanced1,
    Shortcircuit1,
    N6,
    WorkSheets1,
    SeriesSheets1,
    Series11,
    ParallelSheets1,
    Parallel11,
    ComboSheets1,
    Combo11,
    Solving1,
    SimpleSeries1,
    SimpleParallel1,
    Seriesthenparallel1,
    ParallelSeries1,
    ComboCircuit11,
    Circuit11,
    Reset1,
    Options1,
    reisitor1,
    Lightbulb1,
    Source1,
    Variable1,
    Cells1,
    N10,
    ShowResistance1,
    Labelloads1,
    ShowBright1,
    Measure1,
    On1,
    None1,
    Voltage1,
    current1,
    N2,
    ChangeFuse1,
    Meter21,
    On2,
    Help1,
    About1,
    // element menu
    secondpu,
    Add1,
    Bulb1,
    Bulb11,
    Bulb21,
    Bulb31,
    Switch1,
    Open3,
    Closed3,
    Wire2,
    N5,
    Break1,
    Join1,
    // lane menu
    firstpu,
    firstParallel01,
    N04,
    N13,
    N23,
    N33,
    SecondParallel01,
    N02,
    N12,
    N22,
    N32,
    thirdParallel31,
    N01,
    N11,
    N21,
    N31,
    // branch menu
    parpu,
    firstpu1,
    N07,
    N17,
    N27,
    N37,
    secondpu1,
    N08,
    N18,
    N28,
    N38,
    thirdpu1,
    N09,
    N19,
    N29,
    N39,
    // battery menu
    battpu,
    CellValue1,
    Numser1,
    N110,
    N210,
    N310,
    N41,
    NumPar1,
    N111,
    N211,
    N311,
    N42,
    Count
};
constexpr int kMenuCount = static_cast<int>(MenuId::Count);

// The fixed shape of one entry: where it hangs and how it starts.
struct MenuDesign {
    MenuId id;
    const char* name;
    std::optional<MenuId> parent; // none: a top-level entry of the main menu, or a popup menu
    const char* caption;          // "-" is a separator
    int tag;
    bool checkable;
    bool checked;
    bool visible;
    bool enabled;
    const char* shortcut; // "" or a key sequence such as "Ctrl+C"
    bool isPopup;         // one of the four popup menus
};

// The live state of one entry.
struct MenuEntry {
    std::string caption;
    int tag = 0;
    bool checked = false;
    bool visible = true;
    bool enabled = true;
};

const MenuDesign& menuDesign(MenuId id);
const char* menuName(MenuId id);
std::optional<MenuId> menuByName(const std::string& name);
// The entries that hang directly under a menu, in their order.
const std::vector<MenuId>& menuChildren(MenuId id);
// The top-level entries of the main menu, in their order.
const std::vector<MenuId>& mainMenuEntries();
bool isSeparator(MenuId id);
// The design caption as it reads on the screen: each "&" that marks the accelerator dropped,
// "&&" kept as one "&".
std::string plainCaption(MenuId id);

struct Menus {
    std::array<MenuEntry, kMenuCount> entries{};

    MenuEntry& operator[](MenuId id) { return entries[static_cast<std::size_t>(id)]; }
    const MenuEntry& operator[](MenuId id) const { return entries[static_cast<std::size_t>(id)]; }

    // The state several parts of the program keep in menu entries.
    SourceKind sourceKind() const { return sourceKindOfCode((*this)[MenuId::Source1].tag); }
    int cellsInSeries() const { return (*this)[MenuId::Numser1].tag; }
    int cellsInParallel() const { return (*this)[MenuId::NumPar1].tag; }
    bool optionsEnabled() const { return (*this)[MenuId::Options1].enabled; }
    bool showResistance() const { return (*this)[MenuId::ShowResistance1].checked; }
    bool labelLoads() const { return (*this)[MenuId::Labelloads1].checked; }
    bool showBrightness() const { return (*this)[MenuId::ShowBright1].checked; }
    bool meterOff() const { return (*this)[MenuId::None1].checked; }
    bool voltageMode() const { return (*this)[MenuId::Voltage1].checked; }
    bool currentMode() const { return (*this)[MenuId::current1].checked; }
};

// Every entry as the window starts.
Menus makeDesignMenus();

} // namespace voltaro
