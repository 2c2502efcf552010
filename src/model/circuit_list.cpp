#include "model/circuit_list.h"

#include "model/circuit_file.h"
#include "model/model_texts.h"

namespace voltaro {

namespace {

constexpr std::size_t kLongLine = 200; // a longer line ends its chunk

} // namespace

bool sameCircuits(const CircuitList& a, const CircuitList& b) {
    return a.count == b.count && a.current == b.current && a.setName == b.setName &&
           a.sourceFile == b.sourceFile && a.chunks == b.chunks;
}

CircuitLoad loadCircuits(CircuitList& list, const LineViews& lines, std::size_t start) {
    CircuitLoad load;
    int circuit = 1;
    int chunk = 1;
    list.chunks[circuit] = CircuitChunks{};
    for (std::size_t i = start; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (circuit > kMaxCircuits) {
            if (closesCircuit(line)) {
                load.truncated = true;
                break;
            }
            continue;
        }
        std::string& text = list.chunk(circuit, chunk);
        text += ' ';
        text += line;
        if (closesCircuit(line)) {
            ++circuit;
            chunk = 1;
            if (circuit <= kMaxCircuits)
                list.chunks[circuit] = CircuitChunks{};
        } else if (line.size() > kLongLine && chunk < kMaxChunks) {
            ++chunk;
        }
    }
    load.count = circuit - 1;
    list.count = load.count;
    list.current = 1;
    return load;
}

Text tooManyCircuitsMessage() {
    return Text(kTooManyCircuitsMessage).arg(std::to_string(kMaxCircuits));
}

Text inCurrentCircuit(const Text& reason, const CircuitList& list) {
    if (list.sourceFile.empty())
        return reason;
    return Text(kReasonInCircuit)
        .arg(reason)
        .arg(std::to_string(list.current))
        .arg(fileNameOf(list.sourceFile));
}

} // namespace voltaro
