#include "lessons/intro_panel.h"

#include "bench/workbench.h"
#include "lessons/builtin_circuits.h"

#include <algorithm>

namespace voltaro {

void openIntroPanel(Workbench& bench, const Text& caption, const std::vector<const char*>& lines) {
    std::vector<Text> texts;
    for (const char* line : lines)
        texts.push_back(lessonText(line));
    bench.widget(WidgetId::expmem).lines = std::move(texts);
    showIntroPanel(bench, caption);
}

void showIntroPanel(Workbench& bench, const Text& caption) {
    Widget& panel = bench.widget(WidgetId::Savepl);
    panel.caption = caption;
    bench.files.panelMode = FilePanelMode::Save; // not loading: Ok loads no file
    bench.widget(WidgetId::expmem).readOnly = true;
    bench.widget(WidgetId::Panel3).visible = true;
    panel.visible = true;
    bench.ui.focus = WidgetId::okdokeybt;
}

void putSetInList(Workbench& bench, const std::vector<std::vector<std::string>>& circuits,
                  const Text& setName) {
    CircuitList& list = bench.circuits;
    const int count = std::min(static_cast<int>(circuits.size()), kMaxCircuits);
    for (int c = 1; c <= count; ++c) {
        const std::vector<std::string>& chunks = circuits[static_cast<std::size_t>(c - 1)];
        const int used = std::min(static_cast<int>(chunks.size()), kMaxChunks);
        for (int p = 1; p <= used; ++p)
            list.chunk(c, p) = chunks[static_cast<std::size_t>(p - 1)];
    }
    list.count = count;
    list.current = 1;
    list.setName = setName;
    list.sourceFile.clear();
}

} // namespace voltaro
