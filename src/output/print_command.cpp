#include "output/print_command.h"

#include "bench/platform.h"
#include "bench/workbench.h"
#include "output/print_layout.h"
#include "view/board_drawing.h"

namespace voltaro {

namespace {

// The board as painted last, to be drawn again on the page.
BoardDrawing boardAsPainted(const Workbench& bench) {
    NullCanvas noBoard;
    return recordBoard(bench.model, bench.meter, bench.canvas ? *bench.canvas : noBoard);
}

} // namespace

void print1Click(Workbench& bench, MenuId) {
    Platform& platform = *bench.platform;
    const std::optional<std::string> name = platform.askName(bench.output.name);
    if (!name)
        return;
    bench.output.name = *name;
    const std::optional<PrintableArea> area = platform.choosePrinter();
    if (!area)
        return;
    const std::optional<Failure> failure = platform.printPage(
        layoutPage(bench.ui.caption, bench.output.name, boardAsPainted(bench), *area));
    if (failure)
        platform.error(failure->reason);
}

} // namespace voltaro
