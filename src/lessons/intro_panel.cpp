#include "lessons/intro_panel.h"

#include "bench/workbench.h"

#include <algorithm>

namespace voltaro {

void openIntroPanel(Workbench& bench, const std::string& caption,
                    const std::vector<const char*>& lines) {
    Widget& panel = bench.widget(WidgetId::Savepl);
    panel.caption = caption;
    bench.files.panelMode = FilePanelMode::Save; // not loading: Ok loads no file
    Widget& memo = bench.widget(WidgetId::expmem);
    memo.lines = std::vector<std::string>(lines.begin(), lines.end());
    memo.readOnly = true;
    bench.widget(WidgetId::Panel3).visible = true;
    panel.visible = true;
    bench.ui.focus = WidgetId::okdokeybt;
}

void putSetInList(Workbench& bench, const std::vector<std::vector<std::string>>& circuits,
                  const std::string& setName) {
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
