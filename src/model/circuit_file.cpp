#include "model/circuit_file.h"

#include "model/description_writer.h"

#include <algorithm>

namespace voltaro {

bool closesCircuit(const std::string& line) {
    return !line.empty() && line.back() == '*';
}

FileExplanation readExplanation(const std::vector<std::string>& lines) {
    FileExplanation result;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] == kCircuitDataMarker) {
            result.dataStart = i + 1;
            result.proper =
                std::any_of(lines.begin() + static_cast<std::ptrdiff_t>(result.dataStart),
                            lines.end(), closesCircuit);
            return result;
        }
        result.lines.push_back(lines[i]);
    }
    return result;
}

std::string newFileText(const std::vector<std::string>& explanation,
                        const std::string& description) {
    std::string text;
    for (std::size_t i = 0; i < explanation.size(); ++i) {
        if (i > 0)
            text += kLineEnd;
        text += explanation[i];
    }
    text += kLineEnd;
    text += kCircuitDataMarker;
    text += kLineEnd;
    return text + description;
}

std::string addedCircuitText(const std::string& description) {
    return kLineEnd + description;
}

} // namespace voltaro
