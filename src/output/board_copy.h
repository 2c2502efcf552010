#pragma once

#include "model/menus.h"
#include "view/picture.h"

namespace voltaro {

struct Workbench;

// Copying the board to the clipboard, whole or as a rectangle dragged out with the mouse. The
// board is copied as it was painted last; nothing is solved or painted first.

// The board picture as painted last, whole; blank when the workbench has no board.
Picture wholeBoard(Workbench& bench);

// "&Copy": the whole board picture.
void Copy1Click(Workbench& bench, MenuId);
// "C&opy Select": turns the selection mode on and off (its check mark).
void CopySelect1Click(Workbench& bench, MenuId);

// The selection's part of the bare board's mouse events, in picture pixels. A press starts a
// selection at the point, with the frame `copyshape` shown only in selection mode; a move while
// the mouse is held and the mode is on spans the frame from the press to the point, whichever
// corner that is; a release copies what the frame covers through `Image1` and hides the frame.
void startCopySelection(Workbench& bench, int x, int y);
void dragCopySelection(Workbench& bench, int x, int y);
void finishCopySelection(Workbench& bench);

} // namespace voltaro
