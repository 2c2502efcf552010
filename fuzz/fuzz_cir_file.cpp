// Arbitrary bytes as a .cir file through the whole load flow: the marker search and the
// explanation, "&Yes", the circuit list, then every circuit of it read and painted in turn.
#include "fuzz_support.h"

#include "bench/operations.h"
#include "support/file_desk.h"

#include <cstdint>

using namespace voltaro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::BoundedCanvas canvas;
    test::FileDesk desk;
    desk.bench.canvas = &canvas;
    const std::string path = "/pupil/fuzz.cir";
    desk.platform.files[path] = std::string(reinterpret_cast<const char*>(data), size);
    desk.loadAndAccept(path);
    fuzz::checkInvariants(desk.bench);
    CircuitList& list = desk.bench.circuits;
    if (list.count < 1 || list.count > kMaxCircuits)
        fuzz::fail("circuit count " + std::to_string(list.count));
    for (int circuit = 2; circuit <= list.count; ++circuit) {
        list.current = circuit;
        cirbt(desk.bench);
        fuzz::checkInvariants(desk.bench);
    }
    return 0;
}
