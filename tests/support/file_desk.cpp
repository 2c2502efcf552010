#include "support/file_desk.h"

#include "app/dispatch.h"
#include "bench/operations.h"

namespace voltaro::test {

void FileDesk::saveNewFile(const std::string& path, const std::vector<std::string>& lines,
                           bool showOptions) {
    triggerMenu(bench, MenuId::Newfile1);
    explanation() = lines;
    widget(WidgetId::Showvaluecb).checked = showOptions;
    platform.saveAnswers.push_back(path);
    widgetEvent(bench, WidgetId::nextbt, WidgetEvent::Click);
}

void FileDesk::addToFile(const std::string& path) {
    platform.saveAnswers.push_back(path);
    triggerMenu(bench, MenuId::Addtofile1);
}

void FileDesk::loadFile(const std::string& path) {
    triggerMenu(bench, MenuId::LoadCircuit1);
    platform.openAnswers.push_back(path);
    widgetEvent(bench, WidgetId::nextbt, WidgetEvent::Click);
}

void FileDesk::loadAndAccept(const std::string& path) {
    loadFile(path);
    widgetEvent(bench, WidgetId::ybt, WidgetEvent::Click);
}

void FileDesk::readCircuit(const CircuitChunks& chunks, const std::string& setName) {
    bench.circuits.chunks[1] = chunks;
    bench.circuits.count = 1;
    bench.circuits.current = 1;
    bench.circuits.setName = Text::verbatim(setName);
    cirbt(bench);
}

} // namespace voltaro::test
