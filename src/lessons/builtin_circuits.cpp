#include "lessons/builtin_circuits.h"

namespace voltaro {

namespace {

// The texts and descriptions are the program's own, letter for letter, and stay so: the
// misspellings and slips among them ("repesenting", "Resize by circuit", "a set of parallel of
// circuits", "Simple SeriesCircuits #1", "Solve a simple Circuits.") included. Runs of spaces
// belong to the fixed-width numbers of the descriptions.
// clang-format off
std::vector<Lesson> makeLessons() {
    return {
    {MenuId::Firststeps1, "Circuit Intro", "Circuit Intro",
     {"This is an intro to how circuits are made.",
      "Resize by circuit by grabbing and dragging the gray boxes.",
      "Add a light bulb, resistor or switch to the circuit by clicking on the white buttons",
      "The break option is used when using the ammeter."},
     "1 259 56 259 256 2 1.5 2 1 4 0 1 1 0 0 1 0 0 1 0 0 1 0 0 1 1 1 0 100.00 6",
     " 0 0 1 0 1 0   5.00 2 0 0 1 1 0 1   1.00 0 0 0 1 1 0 1 100.00 1 0 0 *"},
    {MenuId::Largercircuits1, "Making larger circuits", "Larger circuits",
     {"This is an intro on how to make the circuits bigger.",
      "Be sure to resize the circuit by grabbing and dragging the gray boxes when needed.",
      "Click on the red and green squares to make the \"tree\"",
      "for where you put the circuit elements in larger.",
      "Change the View options to modify what is displayed.",
      "The red and black circles near the battery allows you to change the cell arrangement.",
      "If a variable power supply, click and drag on the scale to change the voltage."},
     "1 259 56 259 256 2 1.5 2 1 4 0 1 1 0 0 1 0 0 1 0 0 1 0 0 1 1 1 0 100.00 6",
     " 0 0 1 0 1 0   5.00 2 0 0 1 1 0 1   1.00 0 0 0 1 1 0 1 100.00 1 0 0 *"},
    {MenuId::Meters1, "Meter Use", "Meter Use",
     {"To use the meter, select the Meter On Option.  Note the change fuse option that is present.",
      "To measure volts, click, drag and move the red and black dots representing the leads on the meter.",
      "Move the leads on top of the white circle repesenting what part of the circuit you need to measure.",
      "To measure Amperes, Select the Amp radio button of the meter.",
      "The meter needs to be inside the circuit so click the white dot where you want to break the circuit and select break.",
      "Move the meter leads to where the circuit is broken.",
      "Be sure to change the meter to the proper range to get accurate results.",
      "If the screen goes black you used the ammeter wrong and need to change the fuse in the meter menu!"},
     "1 270 121 270 427 2 1.5 2 1 4 0 1 1 0 0 1 0 0 1 0 0 1 0 0 1 0 0 0   5.00 2 0 0",
     " 1 0 1 0   5.00 2 2 0 0 0   5.00 2 0 0 0   5.00 2 0 1 1 0 1   1.00 0 0 0 1 1 1 0 100.00 6 0 0 *"},
    {MenuId::Basic1, "Circuit Info", "Bulb and switch",
     {"This is a simple circuit.",
      "Close the switch to turn the light on."},
     "1 259 56 259 256 2 1.5 2 1 4 0 1 1 0 0 1 0 0 1 0 0 1 0 0 1 1 1 0 100.00 6 0 0",
     " 1 0 1 0   5.00 2 0 0 1 1 0 1   1.00 0 0 0 1 1 0 1 100.00 1 0 0 *"},
    {MenuId::Series1, "Circuit Info", "Series and switch",
     {"This is a simple series circuit.",
      "close the switch to turn the light on."},
     "1 259 56 259 256 2 1.5 2 1 4 0 1 1 0 0 1 0 0 1 0 0 1 0 0 1 0 1 0   5.00 2 0 0 1 0 1 0   5.00",
     " 2 0 0 1 1 0 1   1.00 0 0 0 1 1 1 0 100.00 6 0 0 *"},
    {MenuId::Parallel2, "Circuit Info", "Parallel and switch",
     {"This is a simple parallel circuit.",
      "close the switch to turn the light on."},
     "1 274 121 274 355 2 1.5 2 1 4 0 1 1 0 0 1 0 0 1 0 0 1 0 0 1 1 0 1   5.00 0 0 0 1 0 1 0 ",
     "  5.00 2 1 0 0 0   5.00 2 0 1 1 0 1   1.00 0 0 0 1 1 1 0 100.00 6 0 0 *"},
    {MenuId::combo1, "Circuit Info", "Parallel and Series",
     {"This is a circuit combining series and Parallel.",
      "close the switch to turn the light on."},
     "1 270 121 270 427 2 1.5 2 1 4 0 1 1 0 0 1 0 0 1 0 0 1 0 0 1 0 0 0   5.00 2 0 0",
     " 1 0 1 0   5.00 2 2 0 0 0   5.00 2 0 0 0   5.00 2 0 1 1 0 1   1.00 0 0 0 1 1 1 0 100.00 6 0 0 *"},
    {MenuId::Shortcircuit1, "Circuit Info", "Short Circuit",
     {"This is a Short circuit.",
      "Close the switch to short one of the lights out.",
      "How does it affect the lights?  Why?"},
     "1 259 56 259 256 2 1.5 2 1 4 0 1 1 0 0 1 0 0 1 0 0 1 0 0 1 0 1 0   5.00 2 0 0",
     " 1 1 1 0   5.00 6 1 0 0 0 5.00 2 0 1 1 0 1 1.00 0 0 0 1 1 0 1 100.00 1 0 0 *"},
    };
}

std::vector<Worksheet> makeWorksheets() {
    return {
    {MenuId::Series11, "Series #1", "Simple Series Circuits #1",
     {"This is a set of series circuits that are used for the worksheets",
      "Use the arrows on the top of the screen",
      "to cycle between the various circuits."},
     {{"1 220 100 220 300 2 10 2 1 3 1 1 1 0 0 1 0 0 1 0 0 1 0 0 1 0 0 0   3.00 1 0 0",
       "1 0 0 0   5.00 1 0 0 1 1 0 1   1.00 0 0 0 1 0 0 0   2.00 1 0 0 *"},
      {"1 220 100 220 300 2 12 1 2 3 0 0 1 0 0 1 0 0 1 0 0 1 0 0 1 0 0 0   1.00 1 0 0 1 0 0 0   3.00 1",
       "0 0 1 1 0 1   1.00 0 0 0 1 0 0 0   2.00 1 0 0  *"},
      {"1 220 100 220 300 2 4 2 2 3 0 0 1 0 0 1 0 0 1 0 0 1 0 0 1 0 0 0   2.00 1  0 0 1 0 0 0   1.00 1",
       "0 0 1 1 0 1   1.00 0 0 0 1 0 0 0   1.00 1 0 0  *"},
      {"1 220 100 220 300 2    3.0 4 1 3 0 0 1 0 0 1 0 0 1 0 0 1 0 0 1 0 0 0   3.00 1 0 0 1 0 0 0   2.00 1",
       "0 0 1 1 0 1   1.00 0  0  0 1 0 0 0   1.00 1 0 0  *"}}},
    {MenuId::Parallel11, "Parallel #1", "Simple Parallel Circuits #1",
     {"This is a set of parallel of circuits that are used for the worksheets",
      "Use the arrows on the top of the screen",
      "to cycle between the various circuits."},
     {{"1 200 99 200 300 2 6 2 1 3 1 1 1 0 0 1 0 0 1 0 0 1 0 0 1 1 0 1   3.00 0 0 0 1 0 0 0   6.00 1",
       "1 0 0 0  12.00 1 1 0 0 0   4.00 1 1 1 0 1   1.00 0 0 0  1 1 0 1   2.00 0 0 0  *"},
      {"1 200 99 200 300 2    4.0 2 2 3 0 0 1 0 0 1 0 0 1 0 0 1 0 0 1 1 0 1   3.00 0 0 0",
       "1 0 0 0   6.00 1 1 0 0 0  12.00 1 0 1 1 0 1   1.00 0 0 0  1 1 0 1   2.00 0 0 0  *"},
      {"1 200 99 200 300 2    4.0 3 2 3 0 0 1 0 0 1 1 0 1 0 0 1 0 0 1 1 0 1   3.00 0 0 0",
       "1 0 0 0   6.00 1 1 0 0 0  12.00 1 0 1 0 0 0   4.00 1 1 0 0 0   2.00 1 0 1 1 0 1   1.00 0",
       "0 0 1 1 0 1   2.00 0 0 0  *"},
      {"1 200 99 200 300 2 5 4 1  3 0 0 1 0 0 1 1 1 1 0 0 1 0 0 1 1 0 1   3.00 0 0 0",
       "1 0 0 0   4.00 1 1 0 0 0   5.00 1 0 1 0 0 0  10.00 1 1 0 0 0  15.00 1 0 1 0 0 0  20.00 1",
       "0  0 1 1 0 1   1.00 0 0 0 1 1 0 1   2.00 0 0 0 *"}}},
    {MenuId::Combo11, "Combo #1", "Combo Circuits #1",
     {"This is a set of combo circuits that are used for the worksheets",
      "Use the arrows on the top of the screen",
      "to cycle between the various circuits."},
     {{"1 259 100 259 361 2    5.0 3 1 3 0 0 1 0 0 1 0 0 1 0 0 1 0 0 1 0 0 0   3.00 1 0 0 1 0 0 0",
       "6.00 1 1 0 0 0   3.00 1 0 1 1 0 1   1.00 0 0 0 1 1 0 1   2.00 0 0 0  *"},
      {"1 259 100 259 361 2    5.0 3 2 3 0 0 1 0 0 1 0 0 1 0 0 1 0 0 1 0 0 0   1.00 1 0 0",
       "2 0 0 0   8.00 1 0 0 0   4.00 1 1 0 0 0   6.00 1 0 1 1 0 1   1.00 0 0 0 1 1 0 1   2.00 0 0 0  *"},
      {"1 259 100 259 361 2 3 3 3 3 0 0 1 0 0 1 0 0 1 0 0 1 0 0 1 0 0 0   1.00 1 0 0",
       "2 0 0 0   2.00 1 0 0 0   1.00 1 2 0 0 0   4.00 1 0 0 0   2.00 1 0 1 1 0 1   1.00 0",
       "0 0 1 1 0 1   2.00 0 0 0  *"},
      {"1 259 100 259 361 2 5 3 1 3 1 1  1 0 0 1 0 0 1 0 0 1 0 0 1 0 0 0 3.00 1 0 0 1 0 0 0",
       "6.00 1 2 0 0 0   9.00 1 0 0 0   3.00 1 1 0 0 0 4.00 1 1 1 0 1 1.00 0 0 0 1 1 0 1 2.00 0 0 0  *"}}},
    {MenuId::SimpleSeries1, "Simple Series", "Simple SeriesCircuits #1",
     {"This is an example on the steps on how to",
      "Solve a simple Circuits.",
      "Use the arrows on the top of the screen",
      "to cycle between the various redraws."},
     {{"1 200 101 200 350 2 9 2 1 3 1 1 1 0 0 1 0 0 1 0 0 1 0 0 1 1 0 1 100.00 1 0 0 2 0 0 0",
       "6.00 1 0 0 0   3.00 1 0 0 1 1 0 1   1.00 0 0 0 1 1 0 1 100.00 1 0 0  *"},
      {"1 200 101 200 350 2 9 2 1 3 1 1 1 0 0 1 0 0 1 0 0 1 0 0 1 1 0 1 100.00 1 0 0",
       "1 0 0 0   9.00 1 0 0 1 1 0 1   1.00 0 0 0  1 1 0 1 100.00 1 0 0  *"}}},
    {MenuId::SimpleParallel1, "Simple Parallel", "Simple Parallel Circuits #1",
     {"This is an example on the steps on how to",
      "Solve a parallel Circuits.",
      "Use the arrows on the top of the screen",
      "to cycle between the various redraws."},
     {{"1 200 101 200 350 2 9 2 1 3 1 1 1 0 0 1 0 0 1 0 0 1 0 0 1 1 0 1 100.00 1 0 0 1 0 0 0",
       "3.00 1 1 0 0 0   6.00 1 0 1 1 0 1   1.00 0 0 0 1 1 0 1 100.00 1 0 0  *"},
      {"1 200 101 200 350 2 9 2 1 3 1 1 1 0 0 1 0 0 1 0 0 1 0 0 1 1 0 1 100.00 1 0 0 1 0 0 0   2.00 1",
       "0 0 1 1 0 1   1.00 0 0 0 1 1 0 1 100.00 1 0 0  *"}}},
    {MenuId::Seriesthenparallel1, "Series/parallel", "Series Parallel combo #1",
     {"This is an example on the steps on how to",
      "Solve a parallel Circuits.",
      "Use the arrows on the top of the screen",
      "to cycle between the various redraws."},
     {{"1 231 105 231 305 2 9 2 1 3 1 1 1 0 0 1 0 0 1 0 0 1 0 0 1 0 0 0   4.00 1 0 0",
       "1 0 0 0   3.00 1 1 0 0 0   6.00 1 0 1 1 0 1   1.00 0 0 0 1 1 0 1 100.00 1 0 0 *"},
      {"1 231 105 231 305 2 9 2 1  3 1 1 1 0 0 1 0 0 1 0 0 1 0 0 1 0 0 0   4.00 1 0 0",
       "1 0 0 0   2.00 1 0 0 1 1 0 1   1.00 0 0 0 1 1 0 1 100.00 1 0 0  *"},
      {"1 231 105 231 305  2 9 2 1 3 1 1 1 0 0 1 0 0 1 0 0 1 0 0 1 1 0 1   4.00 0 0 0",
       "1 0 0 0   6.00 1 0 0 1 1 0 1   1.00 0 0 0 1 1 0 1 100.00 1  0 0  *"}}},
    {MenuId::ParallelSeries1, "Parallel/Series", "Series Parallel combo #1",
     {"This is an example on the steps on how to",
      "Solve a parallel Circuits.",
      "Use the arrows on the top of the screen",
      "to cycle between the various redraws."},
     {{"1 200 101 200 377 2 9 2 1 3 1 1 1 0 0 1 0 0 1 0 0 1 0 0 1 1 0 1   4.00 0 0 0 1 0 0 0",
       "6.00 1 2 0 0 0   8.00 1 0 0 0   4.00 1 0 1 1 0 1   1.00 0 0 0 1 1 0 1 100.00 1 0 0  *"},
      {"1 200 101 200 377 2 9 2 1 3 1 1 1 0 0 1 0 0 1 0 0 1 0 0 1 1 0 1 4.00 0 0 0 1 0 0 0 6.00 1",
       "1 0 0 0  12.00 1 0 1 1 0 1   1.00 0 0 0 1 1 0 1 100.00 1 0 0  *"},
      {"1 200 101 200 377 2 9 2 1 3 1 1 1 0 0 1 0 0 1 0 0 1 0 0 1 1 0 1   4.00 0 0 0 1 0 0 0   4.00 1",
       "0 0 1 1 0 1   1.00 0 0 0 1 1 0 1 100.00 1 0 0   *"}}},
    {MenuId::ComboCircuit11, "Combo Circuit #1", "Solving Circuits #1",
     {"This is an example on the steps on how to",
      "Solve Circuits.",
      "Use the arrows on the top of the screen",
      "to cycle between the various redraws."},
     {{"1 239 72 239 366 2 10 3 1 3 1 1 1 0 0 1 2 0 1 0 0 1 0 0 1 0 0 0   3.00 1 0 0 1 0 0 0   3.00 1 0 0",
       "1 0 0 0   4.00 1 0 0 1 0 0 0   3.00 1 1 0 0 0   6.00 1 0 1 1 0 1   1.00 0 0 0 1 1 0 1 100.00 1 0 0 *"},
      {"1 239 72 239 366 2  10 3 1 3 1 1 1 0 0 1 2 0 1 0 0 1 0 0 1 0 0 0   3.00 1 0 0 1 0 0 0   3.00 1 0 0",
       "1 0 0 0   4.00 1 0 0 1 0 0 0   2.00 1 0 0 1 1 0 1   1.00 0 0 0 1 1 0 1 100.00 1 0 0  *"},
      {"1 239 72 239 366 2 10 3 1  3 1 1 1 0 0 1 1 0 1 0 0 1 0 0 1 0 0 0   3.00 1 0 0 1 0 0 0   3.00 1",
       "0 0 1 0 0 0   6.00 1 0 0 1 1 0 1   1.00 0   0  0 1 1 0 1 100.00 1 0 0 *"},
      {"1 239 72 239 366 2 10 3 1 3 1 1 1 0 0 1 0 0 1 0 0 1 0 0 1 0 0 0   3.00 1 0 0",
       "1 0 0 0   2.00 1 0 0 1 1 0 1   1.00 0 0 0 1 1 0 1 100.00 1 0 0  *"},
      {"1 239 72 239 366 2  10 3 1 3 1 1 1 0 0 1 0 0 1 0 0 1 0 0 1 1 0 1   3.00 0  0 0 ",
       "1 0 0 0   5.00 1 0 0 1 1 0 1   1.00 0 0 0 1 1 0 1 100.00 1 0 0 *"}}},
    {MenuId::Circuit11, "Combo Circuit #2", "Solving Circuits #2",
     {"This is an example on the steps on how to",
      "Solve Circuits.",
      "Use the arrows on the top of the screen",
      "to cycle between the various redraws."},
     {{"1 478 90 478 464 2 1.5 2 1 3 1 1 1 0 0 2 1 0 1 0 0 1 0 0 1 0 0 0   6.00 1",
       "2 0 0 0   4.00 1 0 0 0   2.00 1 0 1 0 0 0   6.00 1 2 0 0 0   8.00 1 0 0 0   4.00 1 0 ",
       "1 0 0 0   8.00 1 0 0 1 0 0 0   6.00 1 0 0 1 1 0 1   1.00 0 0 0 1 1 0 1 100.00 1 0 0  *"},
      {"1 478 90 478 464 2 1.5 2 1 3 1 1 1 0 0 2 1 0 1 0 0 1 0 0 1 0 0 0   6.00 1 1 0 0 0   6.00 1 0 ",
       "1 0 0 0   6.00 1 1 0 0 0  12.00 1 0 1 0 0 0   8.00 1 0 0 1 0 0 0   6.00 1 0 0 1 1 0 1   1.00 0 0",
       "0 1 1 0 1 100.00 1 0 0  *"},
      {"1 478 90 478 464 2 1.5 2 1 3 1 1 1 0 0 2 1 0 1 0 0 1 0 0 1 0 0 0   3.00 1 0 0 1 0 0 0   4.00 1",
       "0 0 1 0 0 0   8.00 1 0 0 1 0 0 0   6.00 1 0 0 1 1 0 1   1.00 0 0 0 1 1 0 1 100.00 1 0 0  *"},
      {"1 478 90 478 464 2 1.5 2 1 3 1 1 1 0 0 1 1 0 1 0 0 1 0 0 1 0 0 0   3.00 1 0 0 1 0 0 0  12.00 1 0",
       "0 1 0 0 0   6.00 1 0 0 1 1 0 1   1.00 0 0 0 1 1 0 1 100.00 1 0 0 *"},
      {"1 478 90 478 464 2 1.5 2 1 3 1 1 1 0 0 1 0 0 1 0 0 1 0 0 1 0 0 0   3.00 1 0 0 1 0 0 0   4.00 1 0",
       "0 1 1 0 1   1.00 0 0 0 1 1 0 1 100.00 1 0 0  *"},
      {"1 478 90 478 464 2 1.5 2 1 3 1 1 1 0 0 1 0 0 1 0 0 1 0 0 1 1 0 1   3.00 0 0 0 1 0 0 0   7.00 1 0",
       "0 1 1 0 1   1.00 0 0 0 1 1 0 1 100.00 1 0 0  *"}}},
    };
}
// clang-format on

} // namespace

const std::vector<Lesson>& builtinLessons() {
    static const std::vector<Lesson> lessons = makeLessons();
    return lessons;
}

const std::vector<Worksheet>& builtinWorksheets() {
    static const std::vector<Worksheet> worksheets = makeWorksheets();
    return worksheets;
}

const Lesson* lessonFor(MenuId entry) {
    for (const Lesson& lesson : builtinLessons())
        if (lesson.entry == entry)
            return &lesson;
    return nullptr;
}

const Worksheet* worksheetFor(MenuId entry) {
    for (const Worksheet& sheet : builtinWorksheets())
        if (sheet.entry == entry)
            return &sheet;
    return nullptr;
}

std::vector<MenuId> builtinEntries() {
    std::vector<MenuId> entries;
    for (const Lesson& lesson : builtinLessons())
        entries.push_back(lesson.entry);
    for (const Worksheet& sheet : builtinWorksheets())
        entries.push_back(sheet.entry);
    return entries;
}

std::optional<MenuId> builtinByName(const std::string& name) {
    for (MenuId entry : builtinEntries())
        if (plainCaption(entry) == name)
            return entry;
    return std::nullopt;
}

} // namespace voltaro
