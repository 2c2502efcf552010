// Writes the seed corpora of the fuzz targets: the built-in circuits and the sample circuits as
// descriptions and as .cir files, every .cir file of the folders named, and editing runs that
// open every lesson and worksheet and type hostile values into the boxes.
//
// voltaro_fuzz_seeds OUT [FOLDER...]: OUT/description, OUT/cir_file, OUT/editing.
#include "editing_ops.h"

#include "app/board_keys.h"

#include "lessons/builtin_circuits.h"
#include "model/circuit_file.h"
#include "model/description_writer.h"
#include "support/circuits.h"
#include "support/descriptions.h"
#include "support/file_desk.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

using namespace voltaro;
using namespace voltaro::fuzz;
namespace fs = std::filesystem;

namespace {

void write(const fs::path& folder, const std::string& name, const std::string& bytes) {
    fs::create_directories(folder);
    std::ofstream(folder / name, std::ios::binary) << bytes;
}

std::string joinedChunks(const CircuitChunks& chunks) {
    std::string text;
    int last = kMaxChunks;
    while (last > 1 && chunks[last].empty())
        --last;
    for (int i = 1; i <= last; ++i)
        text += (i > 1 ? "\n" : "") + chunks[i];
    return text;
}

// The file form of a circuit, as "New file" would save it.
std::string savedForm(const CircuitChunks& chunks) {
    test::FileDesk desk;
    desk.readCircuit(chunks);
    return describeCircuit(desk.bench.model, true);
}

std::string savedForm(const CircuitTables& tables) {
    test::StartedBench started;
    started.bench.model.tables = tables;
    return describeCircuit(started.bench.model, true);
}

void writeDescriptionsAndFiles(const fs::path& out) {
    int n = 0;
    for (const test::NamedCircuit& c : test::builtinCircuits()) {
        const std::string name = "builtin" + std::to_string(++n);
        write(out / "description", name, joinedChunks(c.chunks));
        write(out / "cir_file", name + ".cir", newFileText({c.name}, savedForm(c.chunks)));
    }
    for (const Worksheet& sheet : builtinWorksheets()) {
        std::string text;
        for (const auto& circuit : sheet.circuits) {
            CircuitChunks chunks{};
            for (std::size_t k = 0; k < circuit.size(); ++k)
                chunks[k + 1] = circuit[k];
            const std::string saved = savedForm(chunks);
            text += text.empty() ? newFileText({sheet.setName}, saved) : addedCircuitText(saved);
        }
        write(out / "cir_file", std::string(menuName(sheet.entry)) + ".cir", text);
    }
    const std::pair<const char*, CircuitTables> samples[] = {{"default", test::defaultTables()},
                                                             {"fullest", test::fullestTables()}};
    for (const auto& [name, tables] : samples) {
        const std::string file = newFileText({name}, savedForm(tables));
        write(out / "cir_file", std::string(name) + ".cir", file);
        test::FileDesk desk;
        desk.platform.files["/pupil/sample.cir"] = file;
        desk.loadAndAccept("/pupil/sample.cir");
        write(out / "description", name, joinedChunks(desk.bench.circuits.chunks[1]));
    }
}

// Values whose fixed form once made a saved line longer than a loaded file's chunk, so that the
// saved circuit did not load again: huge cells, resistances and a huge variable supply.
void writeHugeValues(const fs::path& out) {
    const std::string elements =
        " 4 0 1 1 0 0 1 0 0 1 0 0 1 0 0 1 1 0 0 1e200 1 0 0 1 0 1 0 -1e200 2 "
        "0 0 1 1 0 1 1.00 0 0 0 1 1 0 1 100.00 1 0 0 *";
    write(out / "description", "huge-cells", "1 259 56 259 256 2 1e200 2 1 4 0 1" + elements);
    write(out / "description", "huge-supply", "1 259 56 259 256 1 1e200 4 0 1" + elements);
}

int copyExampleFiles(const fs::path& out, const fs::path& folder) {
    int copied = 0;
    if (!fs::is_directory(folder))
        return copied;
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(folder))
        if (e.is_regular_file() && e.path().extension() == ".cir") {
            std::ifstream in(e.path(), std::ios::binary);
            const std::string bytes{std::istreambuf_iterator<char>(in), {}};
            write(out / "cir_file", "example-" + e.path().filename().string(), bytes);
            ++copied;
        }
    return copied;
}

// The index of a marker among the shown ones, as the editing target counts them.
int shownIndex(const Workbench& bench, MarkerRef marker) {
    int index = 0;
    for (const MarkerRef& ref : markerStackBottomToTop())
        if (bench.model.markers.at(ref).visible) {
            if (ref == marker)
                return index;
            ++index;
        }
    return 0;
}

void writeEditingRuns(const fs::path& out) {
    int n = 0;
    auto save = [&](const OpWriter& w) {
        write(out / "editing", "run" + std::to_string(++n), w.bytes);
    };
    for (const Lesson& lesson : builtinLessons())
        save(OpWriter().menu(lesson.entry).click(WidgetId::okdokeybt));
    for (const Worksheet& sheet : builtinWorksheets()) {
        OpWriter w;
        w.menu(sheet.entry).click(WidgetId::okdokeybt);
        for (std::size_t i = 0; i < sheet.circuits.size(); ++i)
            w.op(Op::Arrows).u8(60).u8(1);
        save(w);
    }
    // A resistor typed into the first element of the top side, then the meter switched on.
    test::StartedBench started;
    const int slot = shownIndex(started.bench, MarkerRef::slot(1));
    for (std::size_t t = 0; t < hostileTexts().size(); ++t) {
        OpWriter w;
        w.press(slot, 3, 3).mouse(Op::MarkerUp, 3, 3).menu(MenuId::Add1).type(WidgetId::rveb, t);
        save(w.click(WidgetId::okbt).menu(MenuId::On1));
    }
    // New file with an explanation that holds the marker line, saved to a file.
    const auto& texts = hostileTexts();
    const auto marker = std::find(texts.begin(), texts.end(), "Text\nSTART CIRCUIT DATA\n1 *");
    save(OpWriter()
             .menu(MenuId::Newfile1)
             .type(WidgetId::expmem, static_cast<std::size_t>(marker - texts.begin()))
             .op(Op::Answers)
             .u8(8)
             .u8(0)
             .click(WidgetId::nextbt));
    // The bottom handle dragged far.
    const int handle = shownIndex(started.bench, MarkerRef::named(MarkerId::botsh));
    save(OpWriter().press(handle, 4, 4).mouse(Op::MarkerMove, 900, 900).mouse(Op::MarkerUp, 0, 0));
    // The meter on, then the keys through the whole focus order: each control clicked, its
    // arrows and Escape pressed.
    OpWriter keys;
    keys.menu(MenuId::On1);
    for (int stop = 0; stop < 30; ++stop) {
        keys.key(static_cast<int>(BoardKey::Tab));
        for (BoardKey k : {BoardKey::Left, BoardKey::Down, BoardKey::Enter, BoardKey::Escape})
            keys.key(static_cast<int>(k), stop % 2 == 1);
    }
    save(keys);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: voltaro_fuzz_seeds OUT [FOLDER...]\n";
        return 2;
    }
    const fs::path out = argv[1];
    writeDescriptionsAndFiles(out);
    writeHugeValues(out);
    int examples = 0;
    for (int i = 2; i < argc; ++i)
        examples += copyExampleFiles(out, argv[i]);
    writeEditingRuns(out);
    std::cout << "seed corpora in " << out.string() << " (" << examples << " example files)\n";
    return 0;
}
