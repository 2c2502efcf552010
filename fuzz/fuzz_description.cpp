// Arbitrary bytes read as the current circuit, painted, saved and read back.
#include "fuzz_support.h"

#include "bench/operations.h"
#include "model/circuit_file.h"
#include "model/description_writer.h"
#include "support/file_desk.h"

#include <cstdint>

using namespace voltaro;

namespace {

// What was read, saved to a file and loaded from it, saves the same again.
void checkSavedFormReadsBack(const Workbench& bench, fuzz::BoundedCanvas& canvas) {
    const std::string saved = describeCircuit(bench.model, true);
    test::FileDesk again;
    again.bench.canvas = &canvas;
    again.platform.files["/pupil/saved.cir"] = newFileText({"saved"}, saved);
    again.loadAndAccept("/pupil/saved.cir");
    if (!again.platform.errors.empty())
        fuzz::fail("the saved circuit does not read back: " + again.platform.errors.front());
    if (describeCircuit(again.bench.model, true) != saved)
        fuzz::fail("the saved circuit reads back differently");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::BoundedCanvas canvas;
    test::FileDesk desk;
    desk.bench.canvas = &canvas;
    desk.readCircuit(
        fuzz::chunksFromBytes(std::string_view(reinterpret_cast<const char*>(data), size)));
    fuzz::checkInvariants(desk.bench);
    // A description that stopped early leaves what it read before; the next change paints it.
    placeRbt(desk.bench);
    fuzz::checkInvariants(desk.bench);
    if (desk.platform.errors.empty())
        checkSavedFormReadsBack(desk.bench, canvas);
    return 0;
}
