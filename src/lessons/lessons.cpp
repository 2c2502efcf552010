#include "lessons/lessons.h"

#include "lessons/builtin_circuits.h"
#include "lessons/intro_panel.h"

namespace voltaro {

void openLesson(Workbench& bench, MenuId entry) {
    const Lesson* lesson = lessonFor(entry);
    if (!lesson)
        return;
    putSetInList(bench, {{lesson->description()}}, lessonText(lesson->setName));
    openIntroPanel(bench, lessonText(lesson->panelCaption), lesson->lines);
}

} // namespace voltaro
