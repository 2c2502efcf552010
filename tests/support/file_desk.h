#pragma once

#include "support/started_bench.h"

#include <string>
#include <vector>

namespace voltaro::test {

// A started workbench with the steps of the save panel as the pupil takes them.
struct FileDesk : StartedBench {
    Widget& widget(WidgetId id) { return bench.widget(id); }
    MemoLines& explanation() { return widget(WidgetId::expmem).lines; }

    // "New file", the explanation typed, the options box set, "&Save", the file chosen.
    void saveNewFile(const std::string& path, const std::vector<std::string>& lines,
                     bool showOptions = true);
    // "Add to file" with the file chosen.
    void addToFile(const std::string& path);
    // "&Load Circuit", "&Load", the file chosen.
    void loadFile(const std::string& path);
    // Loading, then "&Yes".
    void loadAndAccept(const std::string& path);
    // The circuit list holding one circuit, read as the current circuit.
    void readCircuit(const CircuitChunks& chunks, const std::string& setName = "Test set");
};

} // namespace voltaro::test
