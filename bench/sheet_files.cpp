#include "sheet_files.h"

#include "bench/operations.h"
#include "bench/workbench.h"
#include "model/circuit_file.h"
#include "model/description_writer.h"
#include "model/numbers.h"
#include "support/circuits.h"

#include <fstream>
#include <random>

namespace voltaro::bench {

namespace {

// Cells (1 to 4 in series and in parallel, 1.0 to 2.0 V each) or the variable supply (0 to 10 V).
void setRandomSource(Model& model, std::mt19937& random) {
    const auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const bool variable = pick(0, 3) == 0;
    model.menus[MenuId::Source1].tag =
        static_cast<int>(variable ? SourceKind::Variable : SourceKind::Cells);
    model.menus[MenuId::Numser1].tag = pick(1, 4);
    model.menus[MenuId::NumPar1].tag = pick(1, 4);
    model.widgets[WidgetId::batteb].text = formatFixed(pick(10, 20) / 10.0, 1);
    model.source.supplyVoltage = pick(0, 100) / 10.0;
}

} // namespace

std::string randomCircuitFile(unsigned seed) {
    std::mt19937 random(seed);
    Workbench bench;
    startUp(bench);
    std::string text;
    for (int c = 1; c <= kMaxCircuits; ++c) {
        bench.model.tables = test::randomTables(random);
        setRandomSource(bench.model, random);
        const std::string description = describeCircuit(bench.model, true);
        text += c == 1 ? newFileText({"100 random circuits"}, description)
                       : addedCircuitText(description);
    }
    return text;
}

bool writeBenchFile(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary);
    file << bytes;
    file.close();
    return !file.fail();
}

} // namespace voltaro::bench
