#pragma once

#include "model/text.h"

#include <string>
#include <vector>

namespace voltaro {

struct Workbench;

// The intro panel of the lessons and worksheets is the save panel `Savepl` with its
// explanation box `expmem` read-only and the panel `Panel3`, with the button "&Ok", laid over
// its save and load buttons. Ok reads the current circuit of the list (`okdokeybtClick`).

// Shows the panel under `caption` with the lines of the lessons' texts, one a memo line, and
// the focus on Ok.
void openIntroPanel(Workbench& bench, const Text& caption, const std::vector<const char*>& lines);
// Shows the panel under `caption` over the lines its explanation box holds, the focus on Ok.
void showIntroPanel(Workbench& bench, const Text& caption);

// Makes the circuits the list's set: circuit c's chunks become chunks 1.. of circuit c (the
// chunks behind them stay), the count the number of circuits, the current circuit 1.
void putSetInList(Workbench& bench, const std::vector<std::vector<std::string>>& circuits,
                  const Text& setName);

} // namespace voltaro
