#pragma once

#include "bench/bindings.h"

#include <string>
#include <vector>

namespace voltaro {

struct Workbench;

// Opens a circuit file as "&Load Circuit", choosing the file and "&Yes" would, without asking:
// its explanation then shows over the loaded board as a lesson's does, closed with "&Ok". A file
// that cannot be read, is not a proper file or whose first circuit is malformed gets the
// load's message, and the board stays as it was. Whether the file was opened.
bool openCircuitFile(Workbench& bench, const std::string& path);

// The file named on the command line, opened so at start-up: the history starts from it.
void openFileAtStartUp(Workbench& bench, const std::string& path);

// A file of "Recent &Files" opened so; one that cannot be read any more is taken off the list.
void RecentFile1Click(Workbench& bench, MenuId entry);

const std::vector<MenuBinding>& recentFileMenuBindings();

} // namespace voltaro
