#include "output/print_command.h"

#include "bench/platform.h"
#include "bench/workbench.h"
#include "output/board_copy.h"
#include "output/print_layout.h"

namespace voltaro {

void print1Click(Workbench& bench, MenuId) {
    Platform& platform = *bench.platform;
    const std::optional<std::string> name = platform.askName(bench.output.name);
    if (!name)
        return;
    bench.output.name = *name;
    const std::optional<int> printableWidth = platform.choosePrinter();
    if (!printableWidth)
        return;
    const std::optional<Failure> failure =
        platform.printPage(layoutPage(bench.output.name, wholeBoard(bench), *printableWidth));
    if (failure)
        platform.error(failure->reason);
}

} // namespace voltaro
