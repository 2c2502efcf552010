#include "model/circuit_file.h"

#include "model/description_writer.h"
#include "model/model_texts.h"
#include "model/text_lines.h"

#include <algorithm>

namespace voltaro {

bool closesCircuit(std::string_view line) {
    return !line.empty() && line.back() == '*';
}

FileExplanation readExplanation(const LineViews& lines) {
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

std::vector<Text> shownExplanation(const LineViews& lines) {
    std::vector<Text> shown;
    std::size_t bytes = 0;
    for (const std::string_view line : lines) {
        if (bytes + line.size() > kLongestShownExplanation && !shown.empty())
            break;
        std::string kept = line.size() > kLongestShownLine
                               ? cutAtCharacter(line, kLongestShownLine) + "\u2026"
                               : std::string(line);
        bytes += kept.size() + 1;
        shown.push_back(Text::verbatim(std::move(kept)));
    }
    if (const std::size_t left = lines.size() - shown.size(); left > 0)
        shown.push_back(Text(kLinesNotShown).arg(std::to_string(left)));
    return shown;
}

std::string newFileText(const std::vector<std::string>& explanation,
                        const std::string& description) {
    std::string text;
    for (std::size_t i = 0; i < explanation.size(); ++i) {
        if (i > 0)
            text += kLineEnd;
        text += explanation[i];
        // A line that reads as the marker would start the circuits there: a blank after it
        // keeps it text.
        if (explanation[i] == kCircuitDataMarker)
            text += ' ';
    }
    text += kLineEnd;
    text += kCircuitDataMarker;
    text += kLineEnd;
    return text + description;
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string fileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string addedCircuitText(const std::string& description) {
    return kLineEnd + description;
}

} // namespace voltaro
