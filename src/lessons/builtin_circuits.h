#pragma once

#include "model/menus.h"
#include "model/text.h"

#include <optional>
#include <string>
#include <vector>

namespace voltaro {

// A lesson of the Circuits menu: its intro panel and its one circuit, whose description is
// the two parts joined with nothing between them.
struct Lesson {
    MenuId entry;
    const char* panelCaption;
    const char* setName;
    std::vector<const char*> lines;
    const char* firstPart;
    const char* secondPart;

    std::string description() const { return std::string(firstPart) + secondPart; }
};

// A worksheet: a set of circuits, each held as the chunks of its description, stepped through
// with the arrows on the board.
struct Worksheet {
    MenuId entry;
    const char* caption; // the menu caption, such as "Series #1"
    const char* setName;
    std::vector<const char*> introLines;
    std::vector<std::vector<const char*>> circuits;
};

// The texts of the lessons and worksheets (captions, set names, lines) are the user's to read:
// the window translates them under this context, and the text catalogue lists them for the
// translation tools.
inline constexpr const char* kLessonTexts = "Lessons";
inline Phrase lessonText(const char* english) {
    return {kLessonTexts, english};
}
// The caption of every worksheet's intro panel.
inline constexpr Phrase kWorksheetCaption = VOLTARO_TEXT("Lessons", "Circuit Intro");

// The eight lessons and the nine worksheets, in menu order.
const std::vector<Lesson>& builtinLessons();
const std::vector<Worksheet>& builtinWorksheets();

const Lesson* lessonFor(MenuId entry);
const Worksheet* worksheetFor(MenuId entry);

// The menu entries of every lesson and worksheet, in menu order.
std::vector<MenuId> builtinEntries();
// The entry of the lesson or worksheet whose caption, read without its "&", is `name`.
std::optional<MenuId> builtinByName(const std::string& name);

} // namespace voltaro
