#pragma once

namespace voltaro {

struct Workbench;

// A locked circuit (a file's options flag 0) disables Options and the Add, Bulb and Wire entries
// of the slot menu, so that its parts cannot change; unlocked, they are all enabled.
void showLock(Workbench& bench, bool locked);

} // namespace voltaro
