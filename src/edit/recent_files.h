#pragma once

#include "model/menus.h"

#include <cstddef>
#include <string>

namespace voltaro {

struct Workbench;

// "Recent &Files": the files loaded or saved last, newest first, each an entry named after the
// file with its path as the tool tip, and the folder of the last file used, where the file
// dialogs start. The platform keeps both from one run to the next.

constexpr std::size_t kRecentFileCount = 8;

// What the last run left: the list and the folder, shown in the menu.
// Whether an entry is one of Recent Files' file entries (not its Clear list).
bool isRecentFileEntry(MenuId id);

void recallRecentFiles(Workbench& bench);
// A file loaded or saved: first in the list, once; its folder is where the dialogs start next.
void noteFileUsed(Workbench& bench, const std::string& path);
// A folder chosen in a file dialog, also for a file that then failed.
void noteFolderUsed(Workbench& bench, const std::string& folder);
void forgetRecentFile(Workbench& bench, const std::string& path);
// "Clear list".
void ClearRecent1Click(Workbench& bench, MenuId);

// Where the file dialogs start: the folder of the last file used; before any was, the current
// folder when it holds a circuit file, else the installed examples.
std::string dialogFolder(Workbench& bench);

} // namespace voltaro
