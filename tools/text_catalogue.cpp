// voltaro_text_catalogue: the texts of the program's data tables (the menu and widget design
// tables, the lessons and worksheets) as C++ that lupdate reads beside the sources, one
// QT_TRANSLATE_NOOP a text under the context the window translates it in, with the row it comes
// from as the translator's comment. The texts of the code are marked where they are written.
//
//   voltaro_text_catalogue FILE.cpp
#include "lessons/builtin_circuits.h"
#include "model/menus.h"
#include "model/model_texts.h"
#include "model/widgets.h"

#include <fstream>
#include <iostream>
#include <string>

namespace {

using namespace voltaro;

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c == '\n' ? std::string("\\n") : std::string(1, c);
    }
    return out + "\"";
}

void write(std::ostream& out, const Phrase& phrase, const std::string& row) {
    if (!*phrase.english)
        return;
    out << "//: " << row << "\n"
        << "QT_TRANSLATE_NOOP(" << quoted(phrase.context) << ", " << quoted(phrase.english)
        << ");\n";
}

void writeDesignTables(std::ostream& out) {
    for (int i = 0; i < kMenuCount; ++i) {
        const auto id = static_cast<MenuId>(i);
        if (!isSeparator(id))
            write(out, {kMenuTexts, menuDesign(id).caption},
                  std::string("menu entry ") + menuName(id));
    }
    for (int i = 0; i < kWidgetCount; ++i) {
        const auto id = static_cast<WidgetId>(i);
        write(out, {kWidgetTexts, widgetDesign(id).caption},
              std::string("widget ") + widgetName(id));
    }
}

void writeLessons(std::ostream& out) {
    for (const Lesson& lesson : builtinLessons()) {
        const std::string row = std::string("lesson ") + menuName(lesson.entry);
        write(out, lessonText(lesson.panelCaption), row + ", panel caption");
        write(out, lessonText(lesson.setName), row + ", set name");
        for (const char* line : lesson.lines)
            write(out, lessonText(line), row + ", explanation");
    }
    for (const Worksheet& sheet : builtinWorksheets()) {
        const std::string row = std::string("worksheet ") + menuName(sheet.entry);
        write(out, lessonText(sheet.setName), row + ", set name");
        for (const char* line : sheet.introLines)
            write(out, lessonText(line), row + ", introduction");
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: voltaro_text_catalogue FILE.cpp\n";
        return 64;
    }
    std::ofstream out(argv[1], std::ios::binary);
    out << "// Written by voltaro_text_catalogue for lupdate; not compiled.\n";
    writeDesignTables(out);
    writeLessons(out);
    out.close();
    if (!out) {
        std::cerr << "voltaro_text_catalogue: cannot write " << argv[1] << "\n";
        return 2;
    }
    return 0;
}
