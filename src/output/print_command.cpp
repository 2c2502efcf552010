#include "output/print_command.h"

#include "bench/platform.h"
#include "bench/workbench.h"
#include "output/board_copy.h"
#include "output/print_layout.h"

namespace voltaro {

void print1Click(Workbench& bench, MenuId) {
    if (!bench.platform)
        return;
    Platform& platform = *bench.platform;
    const std::optional<std::string> name = platform.askName(bench.output.name);
    if (!name)
        return;
    bench.output.name = *name;
    const std::optional<int> printableWidth = platform.choosePrinter();
    if (!printableWidth)
        return;
    const FileResult printed =
        platform.printPage(layoutPage(bench.output.name, wholeBoard(bench), *printableWidth));
    if (!printed.ok)
        platform.error(printed.error);
}

} // namespace voltaro
