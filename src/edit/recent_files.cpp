#include "edit/recent_files.h"

#include "bench/platform.h"
#include "bench/workbench.h"
#include "edit/edit_texts.h"
#include "model/circuit_file.h"

#include <algorithm>
#include <iterator>

namespace voltaro {

namespace {

constexpr MenuId kRecentEntries[kRecentFileCount] = {
    MenuId::RecentFile1, MenuId::RecentFile2, MenuId::RecentFile3, MenuId::RecentFile4,
    MenuId::RecentFile5, MenuId::RecentFile6, MenuId::RecentFile7, MenuId::RecentFile8};

// A file name in a menu caption: "&" stands for itself, not for the accelerator.
std::string asMenuText(const std::string& name) {
    std::string text;
    for (char c : name)
        text += c == '&' ? std::string("&&") : std::string(1, c);
    return text;
}

void showRecentFiles(Workbench& bench) {
    const std::vector<std::string>& files = bench.files.recentFiles;
    bench.menu(MenuId::RecentFiles1).enabled = !files.empty();
    for (std::size_t i = 0; i < kRecentFileCount; ++i) {
        MenuEntry& entry = bench.menu(kRecentEntries[i]);
        entry.visible = i < files.size();
        entry.caption = entry.visible ? Text(kRecentFileCaption)
                                            .arg(std::to_string(i + 1))
                                            .arg(asMenuText(fileNameOf(files[i])))
                                      : Text();
        entry.toolTip = entry.visible ? Text::verbatim(files[i]) : Text();
    }
}

// The list and the folder for the next run; a failure is told once a run.
void remember(Workbench& bench) {
    FileDialogs& f = bench.files;
    const std::optional<Failure> failure =
        bench.platform->rememberFiles({f.recentFiles, f.lastFolder});
    if (failure && !f.rememberingFailed)
        bench.platform->warning(Text(kFilesNotRemembered).arg(failure->reason));
    f.rememberingFailed = f.rememberingFailed || failure;
}

// The list kept to its length, each file once, empty names dropped.
std::vector<std::string> cleanList(const std::vector<std::string>& files) {
    std::vector<std::string> clean;
    for (const std::string& file : files)
        if (!file.empty() && clean.size() < kRecentFileCount &&
            std::find(clean.begin(), clean.end(), file) == clean.end())
            clean.push_back(file);
    return clean;
}

} // namespace

bool isRecentFileEntry(MenuId id) {
    return std::find(std::begin(kRecentEntries), std::end(kRecentEntries), id) !=
           std::end(kRecentEntries);
}

void recallRecentFiles(Workbench& bench) {
    RememberedFiles remembered = bench.platform->recallFiles();
    bench.files.recentFiles = cleanList(remembered.recent);
    bench.files.lastFolder = std::move(remembered.folder);
    showRecentFiles(bench);
}

void noteFileUsed(Workbench& bench, const std::string& path) {
    std::vector<std::string> files = {path};
    files.insert(files.end(), bench.files.recentFiles.begin(), bench.files.recentFiles.end());
    bench.files.recentFiles = cleanList(files);
    bench.files.lastFolder = folderOf(path);
    showRecentFiles(bench);
    remember(bench);
}

void noteFolderUsed(Workbench& bench, const std::string& folder) {
    if (folder == bench.files.lastFolder)
        return;
    bench.files.lastFolder = folder;
    remember(bench);
}

void forgetRecentFile(Workbench& bench, const std::string& path) {
    std::vector<std::string>& files = bench.files.recentFiles;
    files.erase(std::remove(files.begin(), files.end(), path), files.end());
    showRecentFiles(bench);
    remember(bench);
}

void ClearRecent1Click(Workbench& bench, MenuId) {
    bench.files.recentFiles.clear();
    showRecentFiles(bench);
    remember(bench);
}

std::string dialogFolder(Workbench& bench) {
    if (!bench.files.lastFolder.empty())
        return bench.files.lastFolder;
    const std::string current = bench.platform->currentDirectory();
    if (bench.platform->holdsCircuitFiles(current))
        return current;
    const std::string examples = bench.platform->examplesFolder();
    return examples.empty() ? current : examples;
}

} // namespace voltaro
