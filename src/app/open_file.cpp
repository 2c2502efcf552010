#include "app/open_file.h"

#include "app/step_recorder.h"
#include "app/undo_commands.h"
#include "bench/platform.h"
#include "bench/workbench.h"
#include "edit/edit_texts.h"
#include "edit/file_panel.h"
#include "edit/recent_files.h"
#include "lessons/intro_panel.h"
#include "model/circuit_file.h"

namespace voltaro {

namespace {

void closeFilePanel(Workbench& bench) {
    for (WidgetId id : {WidgetId::Savepl, WidgetId::Panel3, WidgetId::yngb})
        bench.widget(id).visible = false;
}

bool hasText(const MemoLines& lines) {
    for (const Text& line : lines)
        if (line.english().find_first_not_of(" \t") != std::string::npos)
            return true;
    return false;
}

} // namespace

bool openCircuitFile(Workbench& bench, const std::string& path) {
    const CircuitSnapshot before = snapshotOf(bench);
    closeFilePanel(bench);
    if (!showFileToLoad(bench, path)) {
        closeFilePanel(bench);
        return false;
    }
    if (!acceptOpenedFile(bench)) {
        closeFilePanel(bench);
        putBack(bench, before);
        return false;
    }
    if (hasText(bench.widget(WidgetId::expmem).lines))
        showIntroPanel(bench, Text::verbatim(fileNameOf(path)));
    return true;
}

void openFileAtStartUp(Workbench& bench, const std::string& path) {
    openCircuitFile(bench, path);
    startHistoryAfresh(bench);
}

void RecentFile1Click(Workbench& bench, MenuId entry) {
    const auto place = static_cast<std::size_t>(bench.menu(entry).tag - 1);
    if (place >= bench.files.recentFiles.size())
        return;
    const std::string path = bench.files.recentFiles[place];
    const Outcome<std::string> read = bench.platform->readFile(path);
    if (!read) {
        forgetRecentFile(bench, path);
        bench.platform->error(
            Text(kRecentFileGone).arg(Text(kFileNotRead).arg(path).arg(read.failure().reason)));
        return;
    }
    openCircuitFile(bench, path);
}

const std::vector<MenuBinding>& recentFileMenuBindings() {
    static const std::vector<MenuBinding> bindings = [] {
        std::vector<MenuBinding> b;
        for (MenuId entry : menuChildren(MenuId::RecentFiles1))
            if (isRecentFileEntry(entry))
                b.push_back({entry, RecentFile1Click});
        b.push_back({MenuId::ClearRecent1, ClearRecent1Click});
        return b;
    }();
    return bindings;
}

} // namespace voltaro
