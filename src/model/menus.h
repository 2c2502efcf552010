#pragma once

#include "model/source_settings.h"
#include "model/text.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace voltaro {

// Every entry of the main menu and of the four popup menus, by its component name. Entries
// without a component name of their own in the window (the top-level menus, the lesson
// submenus, the separators) have names of the same style. The names are the program's own,
// misspellings included (`reisitor1`). An `N` with digits names a separator or an entry of a
// count family, whose Tag is its count.
enum class MenuId {
    // main menu
    File1,        // "&File"
    SaveCircuit1, // "&Save Circuit"; its Tag is the save mode (0 new file, 1 add to file)
    Newfile1,
    Addtofile1,
    LoadCircuit1,
    RecentFiles1, // "Recent &Files": the files loaded or saved last
    RecentFile1,  // the newest; Tags 1..8 are the places in the list
    RecentFile2,
    RecentFile3,
    RecentFile4,
    RecentFile5,
    RecentFile6,
    RecentFile7,
    RecentFile8,
    N14, // separator
    ClearRecent1,
    N3, // separator
    Copy1,
    CopySelect1,
    print1,
    N4, // separator
    Exit1,
    Edit1, // "&Edit": undo and redo of the pupil's steps
    Undo1,
    Redo1,
    Circuits1, // "&Circuits": the lessons ("How to", "&Simple", "&Advanced") and worksheets
    Howto1,
    Firststeps1,
    Largercircuits1,
    Meters1, // "Meter Use"
    Simple1,
    Basic1, // "&One light"
    Series1,
    Parallel2,
    combo1,
    Advanced1,
    Shortcircuit1,
    N6,          // separator
    WorkSheets1, // "Work Sheets" and its sets
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
    Circuit11, // "Combo Circuit #2"
    Reset1,
    Options1,
    reisitor1,  // hidden "&Resistor" (Tag: the resistor kind), the narrower branch spacing
    Lightbulb1, // hidden "&Light bulb" (Tag: the bulb #1 kind), the wider branch spacing
    Source1,    // "Source (Cells)"; its Tag is the source kind
    Variable1,  // Tag: the variable supply's kind
    Cells1,     // Tag: the cells' kind
    N10,        // separator
    ShowResistance1,
    Labelloads1,
    ShowBright1,
    ShowCurrent1,  // "Show C&urrent": the current's dots over the board
    ElectronFlow1, // the dots move the way electrons do, from the negative terminal round
    N15,           // separator
    Zoom1,         // "&Zoom"; its Tag is the view scale in percent
    ZoomIn1,       // the next larger scale
    ZoomOut1,      // the next smaller scale
    ActualSize1,   // 100 %
    N16,           // separator
    Zoom100,       // the scales, each its percent as its Tag
    Zoom125,
    Zoom150,
    Zoom200,
    Measure1, // "&Meter"
    On1,
    None1,    // hidden; the check mark of one of these three is the meter's mode
    Voltage1, // hidden
    current1, // hidden
    N2,       // separator
    ChangeFuse1,
    Meter21, // "Meter &2", hidden: the second meter, which nothing shows
    On2,
    Help1,
    Keyboard1,        // "&Keyboard": the page of the keys
    DescribeCircuit1, // "&Describe Circuit": the circuit in words
    N20,              // separator
    About1,
    // element menu, on a slot marker, a corner or the break marker
    secondpu,
    Add1,   // "Resistor" (Tag: its kind)
    Bulb1,  // "Bulb"
    Bulb11, // "Bulb #1".."Bulb #3" (Tags: their kinds)
    Bulb21,
    Bulb31,
    Switch1, // "Switch (Closed)"; its Tag is the state last chosen (0 open, 1 closed)
    Open3,   // Tag 0
    Closed3, // Tag 1
    Wire2,
    N5, // separator
    Break1,
    Join1,
    // lane menu, on a red side square: blocks in series of each of the side's three lanes
    firstpu,
    firstParallel01, // lane 1: N04 (hidden), N13, N23, N33 are 0..3 blocks
    N04,
    N13,
    N23,
    N33,
    SecondParallel01, // lane 2: N02, N12, N22, N32 are 0..3 blocks
    N02,
    N12,
    N22,
    N32,
    thirdParallel31, // lane 3: N01, N11, N21, N31 are 0..3 blocks
    N01,
    N11,
    N21,
    N31,
    // branch menu, on a green branch marker: elements in series of each of the block's branches
    parpu,
    firstpu1, // branch 1: N07 (hidden), N17, N27, N37 are 0..3 elements
    N07,
    N17,
    N27,
    N37,
    secondpu1, // branch 2: N08, N18, N28, N38 are 0..3 elements
    N08,
    N18,
    N28,
    N38,
    thirdpu1, // branch 3: N09, N19, N29, N39 are 0..3 elements
    N09,
    N19,
    N29,
    N39,
    // battery menu, on a battery terminal
    battpu,
    CellValue1,
    Numser1, // cells in series (its Tag); N110, N210, N310, N41 choose 1..4
    N110,
    N210,
    N310,
    N41,
    // cells in parallel (its Tag); N111, N211, N311, N42 choose 1..4. Its first caption "Number
    // of Parallel (1)" is the program's own and stays; a choice writes "Number in &Parallel (n)".
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
    const char* shortcut; // "" or key sequences such as "Ctrl+C", more than one split by "; "
    bool isPopup;         // one of the four popup menus
};

// The live state of one entry.
struct MenuEntry {
    Text caption;
    Text toolTip; // shown over the entry, when there is one
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
// The design caption as a text of the menu table; no text for a separator or a popup.
Text designCaption(MenuId id);

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
    bool showCurrent() const { return (*this)[MenuId::ShowCurrent1].checked; }
    bool electronFlow() const { return (*this)[MenuId::ElectronFlow1].checked; }
    int viewScalePercent() const { return (*this)[MenuId::Zoom1].tag; }
    bool meterOff() const { return (*this)[MenuId::None1].checked; }
    bool voltageMode() const { return (*this)[MenuId::Voltage1].checked; }
    bool currentMode() const { return (*this)[MenuId::current1].checked; }
};

// Every entry as the window starts.
Menus makeDesignMenus();

} // namespace voltaro
