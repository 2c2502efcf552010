#pragma once

#include <string>
#include <vector>

namespace voltaro {

// The line between a file's explanation text and its circuits.
constexpr const char* kCircuitDataMarker = "START CIRCUIT DATA";
// The warning for a file that is not proper.
constexpr const char* kNotProperFileMessage = "This was not a proper file!";

// The explanation part of a .cir file, read up to the marker line. A file is proper when the
// marker is followed by at least one circuit, a run of lines closed by a line ending in "*".
struct FileExplanation {
    bool proper = false;
    std::vector<std::string> lines; // the lines before the marker
    std::size_t dataStart = 0;      // index of the first line after the marker
};

FileExplanation readExplanation(const std::vector<std::string>& lines);

// Whether a line closes a circuit: its last character is "*".
bool closesCircuit(const std::string& line);

// The whole text of a new file: the explanation lines, the marker line, then the description
// in its file form (which ends with its own line end).
std::string newFileText(const std::vector<std::string>& explanation,
                        const std::string& description);

// What "Add to file" appends: an empty line, then the description.
std::string addedCircuitText(const std::string& description);

} // namespace voltaro
